#include "logic/utf8.h"

#include <unicode/utf8.h>

#include <cstdint>

#include "logic/text_routines.h"

namespace {

void AppendUtf8(std::string& bytes, char32_t codePoint) {
    const auto byte = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

Utf8Decoding DecodeUtf8(std::string_view bytes) {
    Utf8Decoding result;
    result.text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    // 64-bit offsets: a text of 2 GiB or more is no negative length.
    const auto length = static_cast<std::int64_t>(bytes.size());
    std::int64_t offset = 0;
    while (offset < length) {
        const std::int64_t start = offset;
        UChar32 codePoint;
        U8_NEXT(data, offset, length, codePoint);
        if (codePoint < 0) {
            result.valid = false;
            result.errorOffset = static_cast<std::size_t>(start);
            result.text.clear();
            return result;
        }
        AppendCodePoint(result.text, static_cast<char32_t>(codePoint));
    }
    return result;
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 3);
    std::size_t position = 0;
    while (position < text.size()) {
        char32_t codePoint = NextCodePoint(text, position);
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            codePoint = 0xFFFD;
        }
        AppendUtf8(bytes, codePoint);
    }
    return bytes;
}
