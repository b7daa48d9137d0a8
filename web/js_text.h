#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <string>
#include <string_view>

// The form's UTF-16 text and JavaScript strings, unit for unit: both count 16-bit units, so a
// position in one is the same position in the other, and even a lone half of a pair crosses
// unchanged.
emscripten::val JsString(std::u16string_view text);
// At most `most` units from the start of a JavaScript string.
std::u16string FromJsString(const emscripten::val& text, std::size_t most = std::u16string::npos);
