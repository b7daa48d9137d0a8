#pragma once

#include <QString>
#include <string_view>

#include "form/control_layout.h"
#include "logic/control_index.h"

// The object name of a control of the window (ControlName, as in "List2_4"): how the window names
// each control it creates, and how the tests find it.
inline QString ControlObjectName(std::string_view array, ControlIndex index) {
    return QString::fromStdString(ControlName({array, index}));
}

inline QString ControlObjectName(const ControlLayout& layout) {
    return ControlObjectName(layout.name, layout.index);
}
