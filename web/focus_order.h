#pragma once

#include "form/control_layout.h"

// The ends of the focus order over the controls the page shows: where the focus starts, and
// between which Tab goes round.
constexpr const ControlLayout* FocusOrderEnd(bool last) {
    const ControlLayout* end = nullptr;
    for (const ControlLayout& control : kControlLayout) {
        if (control.visible && control.tabPosition &&
            (end == nullptr || (last ? *control.tabPosition > *end->tabPosition
                                     : *control.tabPosition < *end->tabPosition))) {
            end = &control;
        }
    }
    return end;
}

inline constexpr const ControlLayout* kFirstInFocusOrder = FocusOrderEnd(false);
inline constexpr const ControlLayout* kLastInFocusOrder = FocusOrderEnd(true);
static_assert(kFirstInFocusOrder != nullptr && kLastInFocusOrder != nullptr);
