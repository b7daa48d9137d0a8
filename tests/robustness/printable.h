#pragma once

#include <string>
#include <string_view>

// A UTF-16 text as a C++ literal in plain ASCII, for failure messages: printable ASCII stays,
// every other unit is written as \xNNNN.
std::string Printable(std::u16string_view text);
