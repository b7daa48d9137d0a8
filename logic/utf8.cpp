#include "logic/utf8.h"

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

char32_t NextUtf8CodePoint(std::string_view bytes, std::size_t& offset) {
    const auto lead = static_cast<std::uint8_t>(bytes[offset++]);
    if (lead < 0x80) {
        return lead;
    }
    // The well-formed sequences of the Unicode Standard's table 3-7: the lead byte gives the
    // number of trail bytes and the range of the first of them, which rules out overlong forms,
    // surrogates and code points past U+10FFFF; every further trail byte is 80 to BF.
    int trailCount = 0;
    char32_t codePoint = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailCount = 1;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailCount = 2;
        codePoint = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailCount = 3;
        codePoint = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return kIllFormedUtf8;
    }
    for (; trailCount > 0; --trailCount) {
        // A byte that does not fit is not taken: it may start the next sequence.
        if (offset == bytes.size()) {
            return kIllFormedUtf8;
        }
        const auto trail = static_cast<std::uint8_t>(bytes[offset]);
        if (trail < low || trail > high) {
            return kIllFormedUtf8;
        }
        ++offset;
        codePoint = codePoint << 6 | (trail & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return codePoint;
}

Utf8Decoding DecodeUtf8(std::string_view bytes) {
    Utf8Decoding result;
    result.text.reserve(bytes.size());
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t start = offset;
        const char32_t codePoint = NextUtf8CodePoint(bytes, offset);
        if (codePoint == kIllFormedUtf8) {
            result.valid = false;
            result.errorOffset = start;
            result.text.clear();
            return result;
        }
        AppendCodePoint(result.text, codePoint);
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
