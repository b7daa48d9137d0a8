#include "ui/widgets/input_length_validator.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "logic/text_edit.h"
#include "logic/text_routines.h"
#include "ui/widgets/to_qstring.h"

InputLengthValidator::InputLengthValidator(const TextBox& model, QLineEdit* edit)
    : QValidator(edit), edit_(edit), model_(model) {
    edit->installEventFilter(this);
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
    // rule makes it.
    const auto cursor = static_cast<std::size_t>(std::clamp<qsizetype>(position, 0, input.size()));
    const auto [from, replaced, inserted] = EditBetween(before, after, cursor, editStart_);
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

std::size_t InputLengthValidator::fitting(const QString& text) const {
    const auto from = static_cast<std::size_t>(edit_->hasSelectedText() ? edit_->selectionStart()
                                                                        : edit_->cursorPosition());
    const auto replaced = static_cast<std::size_t>(edit_->selectedText().size());
    // The limit keeps no more than its own length, so a longer text is looked at no further.
    const std::size_t limit = model_.MaxLength();
    const qsizetype looked = limit == TextBox::kNoLimit
                                 ? text.size()
                                 : std::min<qsizetype>(text.size(), qsizetype(limit) + 1);
    TextBox edited = model_;
    return edited.ReplaceRange(
        from, replaced,
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(looked)));
}

bool InputLengthValidator::insertFitting(const QString& text) {
    const std::size_t kept = fitting(text);
    if (kept == static_cast<std::size_t>(text.size())) {
        return false;
    }
    // The range the rule replaces: the selection, or the cursor, moved out of any character it
    // would split. Even with nothing of the text kept, the selection goes.
    const std::u16string_view before = model_.Text();
    auto from = static_cast<std::size_t>(edit_->hasSelectedText() ? edit_->selectionStart()
                                                                  : edit_->cursorPosition());
    std::size_t end =
        std::min(before.size(), from + static_cast<std::size_t>(edit_->selectedText().size()));
    from = std::min(from, before.size());
    const bool cursorOnly = end == from;
    from -= InsidePair(before, from) ? 1u : 0u;
    end = cursorOnly ? from : end + (InsidePair(before, end) ? 1u : 0u);
    edit_->setSelection(static_cast<int>(from), static_cast<int>(end - from));
    if (kept > 0) {
        edit_->insert(text.left(static_cast<qsizetype>(kept)));
    } else if (end > from) {
        edit_->del();
    }
    emit editCut();
    return true;
}

bool InputLengthValidator::eventFilter(QObject* watched, QEvent* event) {
    // Only the events that insert text are looked at: the line edit gets others, a focus-out
    // among them, while it is being destroyed, when it can no longer be asked anything.
    const QEvent::Type type = event->type();
    if (watched != edit_ ||
        (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease &&
         type != QEvent::ContextMenu) ||
        edit_->isReadOnly()) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (type) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key == QKeySequence::Paste) {
                return insertFitting(clipboard->text(QClipboard::Clipboard));
            }
            // The line edit inserts a key's printable text unless Ctrl alone makes it a command.
            const Qt::KeyboardModifiers command = key->modifiers() & ~Qt::ShiftModifier;
            const QString typed = key->text();
            return command != Qt::ControlModifier && !typed.isEmpty() && typed.at(0).isPrint() &&
                   insertFitting(typed);
        }
        case QEvent::MouseButtonRelease: {
            // X11's middle-click paste of the selection.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection()) {
                return false;
            }
            const QString selection = clipboard->text(QClipboard::Selection);
            const bool cut = fitting(selection) < static_cast<std::size_t>(selection.size());
            if (cut) {
                edit_->deselect();
                insertFitting(selection);
            }
            return cut;
        }
        case QEvent::ContextMenu: {
            // The line edit's own menu, whose Paste pastes only what fits.
            QMenu* menu = edit_->createStandardContextMenu();
            const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(pasteText)) {
                    action->disconnect();
                    connect(action, &QAction::triggered, this, [this, clipboard] {
                        if (!insertFitting(clipboard->text(QClipboard::Clipboard))) {
                            edit_->paste();
                        }
                    });
                }
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        default:
            return false;
    }
}
