#pragma once

#include <cstdint>

// The index of a control within its control array, as the event handlers receive it.
using ControlIndex = std::int16_t;
