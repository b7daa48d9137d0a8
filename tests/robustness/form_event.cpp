#include "tests/robustness/form_event.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "tests/robustness/mixed_text.h"
#include "tests/robustness/printable.h"

namespace {

const char* GroupName(MainForm::ListGroup group) {
    return group == MainForm::ListGroup::Table ? "List2" : "List1";
}

MainForm::ListGroup AnyGroup(ChoiceSource& choices) {
    return choices.OneIn(2) ? MainForm::ListGroup::Table : MainForm::ListGroup::Results;
}

// Mostly the indexes of the array and its nearest neighbours, sometimes any 16-bit number.
ControlIndex AnyIndex(ChoiceSource& choices, int arraySize) {
    if (choices.OneIn(8)) {
        return static_cast<ControlIndex>(choices.AnyUnit());
    }
    return static_cast<ControlIndex>(choices.Between(-1, arraySize));
}

// Rows the list has, the rows just outside it, the rows 26 to 45 that only the letter columns
// can have, and now and then any number at all.
int AnyRow(ChoiceSource& choices, int rowCount) {
    switch (choices.Below(8)) {
        case 0:
            return choices.Between(26, 45);
        case 1:
            return choices.OneIn(2) ? choices.AnyInt() : std::numeric_limits<int>::min();
        case 2:
            return choices.Between(rowCount - 2, rowCount + 1);
        default:
            return choices.Between(-1, rowCount);
    }
}

// Positions near the two ends of the text and anywhere between, and sometimes far beyond it.
std::size_t AnyPosition(ChoiceSource& choices, std::size_t length) {
    switch (choices.Below(6)) {
        case 0:
            return choices.OneIn(4) ? std::numeric_limits<std::size_t>::max() : length + 5;
        case 1:
            return length - std::min<std::size_t>(length, choices.Below(3));
        default:
            return choices.Below(static_cast<std::uint32_t>(length) + 2u);
    }
}

// Nothing (a plain deletion), a few typed characters, or a paste long enough to overflow the line.
std::u16string AnyInsertion(ChoiceSource& choices) {
    switch (choices.Below(4)) {
        case 0:
            return {};
        case 1:
            return MixedText(choices, 60);
        default:
            return MixedText(choices, 6);
    }
}

}  // namespace

std::string Describe(const FormEvent& event) {
    const std::string list =
        std::string(GroupName(event.group)) + "(" + std::to_string(event.index) + ")";
    switch (event.kind) {
        case FormEvent::Kind::ButtonClick:
            return "Command1_Click(" + std::to_string(event.index) + ")";
        case FormEvent::Kind::UserSelectsRow:
            return "user selects row " + std::to_string(event.row) + " of " + list;
        case FormEvent::Kind::SetSelectionThenClick:
            return list + ".SetListIndex(" + std::to_string(event.row) + ") then " +
                   GroupName(event.group) + "_Click(" + std::to_string(event.index) + ")";
        case FormEvent::Kind::ClickOnly:
            return std::string(GroupName(event.group)) + "_Click(" + std::to_string(event.index) +
                   ")";
        case FormEvent::Kind::UserEdit:
            return "Text2(0).ReplaceRange(" + std::to_string(event.from) + ", " +
                   std::to_string(event.count) + ", " + Printable(event.inserted) + ")";
    }
    return "?";
}

FormEvent NextFormEvent(ChoiceSource& choices, const MainForm& form) {
    FormEvent event;
    const std::uint32_t kind = choices.Below(20);
    if (kind < 6) {
        event.kind = FormEvent::Kind::UserEdit;
        const std::size_t length = form.Text2(0).Text().size();
        event.from = AnyPosition(choices, length);
        event.count = choices.OneIn(3) ? 0 : AnyPosition(choices, length);
        event.inserted = AnyInsertion(choices);
        return event;
    }
    if (kind < 9) {
        event.kind = FormEvent::Kind::ButtonClick;
        const std::uint32_t which = choices.Below(8);
        event.index = which < 5   ? ControlIndex{0}
                      : which < 7 ? ControlIndex{1}
                                  : static_cast<ControlIndex>(choices.AnyUnit());
        return event;
    }
    event.group = AnyGroup(choices);
    const ControlIndex arraySize = MainForm::ListCount(event.group);
    if (kind < 14) {
        event.kind = FormEvent::Kind::UserSelectsRow;
        event.index = AnyIndex(choices, arraySize);
    } else if (kind < 18) {
        event.kind = FormEvent::Kind::SetSelectionThenClick;
        // SetListIndex is only reachable on a list that exists.
        event.index =
            static_cast<ControlIndex>(choices.Below(static_cast<std::uint32_t>(arraySize)));
    } else {
        event.kind = FormEvent::Kind::ClickOnly;
        event.index = AnyIndex(choices, arraySize);
        return event;
    }
    const bool listExists = event.index >= 0 && event.index < arraySize;
    const int rowCount = listExists ? form.List(event.group, event.index).ListCount() : 26;
    event.row = AnyRow(choices, rowCount);
    return event;
}
