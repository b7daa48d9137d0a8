#include "ui/widgets/input_length_validator.h"

#include <QLineEdit>
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "logic/text_routines.h"
#include "ui/widgets/to_qstring.h"

InputLengthValidator::InputLengthValidator(const TextBox& model, QLineEdit* edit)
    : QValidator(edit), model_(model) {
    // The line edit reports a moved cursor or selection once an edit is done and validated, so
    // during validation the last report still tells where the edit began.
    const auto remember = [this, edit] {
        editStart_ = static_cast<std::size_t>(edit->hasSelectedText() ? edit->selectionStart()
                                                                      : edit->cursorPosition());
    };
    connect(edit, &QLineEdit::cursorPositionChanged, this, remember);
    connect(edit, &QLineEdit::selectionChanged, this, remember);
}

QValidator::State InputLengthValidator::validate(QString& input, int& position) const {
    const std::u16string_view before = model_.Text();
    const std::u16string after = input.toStdU16String();
    if (after == before) {
        return Acceptable;
    }
    // Work out which edit turned the text box's text into `input`, so that the text box's own
    // rule makes it. The line edit leaves its cursor just after what it inserted, so the text
    // after the cursor is the kept tail; what comes before the insertion is the common beginning
    // up to there, and no further than where the cursor or the selection began. Where the
    // inserted text begins like the text it replaces, the common beginning alone would run into
    // the edit; read from there, the edit could keep half of a character, or take a unit the
    // user had selected for old text.
    const auto cursor = static_cast<std::size_t>(std::clamp<qsizetype>(position, 0, input.size()));
    std::size_t tail = 0;
    while (tail < before.size() && tail < after.size() - cursor &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    std::size_t from = 0;
    while (from < before.size() - tail && from < cursor && before[from] == after[from]) {
        ++from;
    }
    from = std::min(from, editStart_);
    // An undo can bring back a text that differs from the present one in one half of a
    // character. A replaced range then takes the whole character, and so does the inserted text.
    if (from < before.size() - tail) {
        from -= InsidePair(before, from) ? 1u : 0u;
        tail -= InsidePair(before, before.size() - tail) ? 1u : 0u;
    }
    const std::size_t replaced = before.size() - from - tail;
    const std::u16string_view inserted =
        std::u16string_view(after).substr(from, after.size() - from - tail);

    TextBox edited = model_;
    const std::size_t kept = edited.ReplaceRange(from, replaced, inserted);
    if (kept < inserted.size()) {
        emit editCut();
    }
    // A bare cursor between the two units of a character inserts before it, and the cursor
    // stands before a character that the edit has joined rather than inside it, so that the
    // next edit cannot split it.
    std::size_t end = (replaced == 0 && InsidePair(before, from) ? from - 1 : from) + kept;
    end -= InsidePair(edited.Text(), end) ? 1u : 0u;
    input = ToQString(edited.Text());
    position = static_cast<int>(end);
    return Acceptable;
}
