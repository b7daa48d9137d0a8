#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversion between the program's UTF-16 text and the UTF-8 of a terminal.

struct Utf8Decoding final {
    std::u16string text;
    bool valid = true;
    std::size_t errorOffset = 0;  // the byte where the first ill-formed sequence starts
};

// Decodes strictly: overlong forms, encoded surrogates, code points past U+10FFFF and cut
// sequences are all ill-formed.
Utf8Decoding DecodeUtf8(std::string_view bytes);

// Encodes UTF-16 text; a lone surrogate unit, which has no UTF-8 form, becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);
