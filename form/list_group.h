#pragma once

#include "form/control_layout.h"
#include "logic/main_form.h"

// The group of linked lists that a list of the window belongs to: the table's lists are the
// List2 array, the results' the List1 array.
inline MainForm::ListGroup ListGroupOf(const ControlLayout& list) {
    return list.name == "List2" ? MainForm::ListGroup::Table : MainForm::ListGroup::Results;
}
