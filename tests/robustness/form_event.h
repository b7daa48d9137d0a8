#pragma once

#include <cstddef>
#include <string>

#include "logic/control_index.h"
#include "logic/main_form.h"
#include "tests/robustness/choice_source.h"

// One thing that can happen to the cipher form after load: a button click, a user's selection of
// a row, a selection set from code followed by the list's click handler, a click handler on its
// own, or a user's edit of the input line. Only the fields of its kind matter.
struct FormEvent final {
    enum class Kind { ButtonClick, UserSelectsRow, SetSelectionThenClick, ClickOnly, UserEdit };

    Kind kind = Kind::ButtonClick;
    MainForm::ListGroup group = MainForm::ListGroup::Results;
    ControlIndex index = 0;
    int row = -1;
    std::size_t from = 0;
    std::size_t count = 0;
    std::u16string inserted;
};

// The event as a line of C++-like text, for failure messages.
std::string Describe(const FormEvent& event);

// A random event for the form in its present state (its row counts and text length make rows and
// ranges near the ends likely), with indexes, rows and ranges also far outside what exists.
FormEvent NextFormEvent(ChoiceSource& choices, const MainForm& form);
