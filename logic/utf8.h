#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversion between the program's UTF-16 text and the UTF-8 of a terminal.

// What NextUtf8CodePoint returns for ill-formed bytes: no code point at all.
inline constexpr char32_t kIllFormedUtf8 = 0xFFFFFFFF;

// The code point whose UTF-8 starts at `offset` (before the end of `bytes`), and `offset` moved
// past it. For ill-formed bytes, kIllFormedUtf8, with `offset` moved past the longest start of a
// well-formed sequence there, at least one byte: ICU's U8_NEXT and the Unicode Standard's
// recommended practice, which replace each such stretch with one U+FFFD.
char32_t NextUtf8CodePoint(std::string_view bytes, std::size_t& offset);

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
