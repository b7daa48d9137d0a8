#include "logic/text_routines.h"

#include "logic/case_mapping.h"

namespace {

bool IsLeadSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrailSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string NumberText(int value) {
    // Built by hand rather than through a locale-aware stream: the table must read the same
    // whatever the user's locale is, and this runs 200 times at every start.
    char16_t digits[12];
    char16_t* end = digits + sizeof digits / sizeof digits[0];
    char16_t* first = end;
    const bool negative = value < 0;
    auto magnitude = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0u);
    if (negative) {
        *--first = u'-';
    }
    return std::u16string(first, end);
}

std::u16string LetterFromCode(int code) {
    return std::u16string(1, static_cast<char16_t>(code));
}

int CodeOfLetter(std::u16string_view text) {
    return text.empty() ? 0 : text.front();
}

std::u16string UpperCase(std::u16string_view text) {
    std::u16string upper;
    upper.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t start = position;
        const char32_t codePoint = NextCodePoint(text, position);
        char32_t mapped = SimpleUpperCase(codePoint);
        // Every mapping in the character database keeps a code point in its plane; should one
        // ever not, the character stays as it was so that the text keeps its length.
        if ((mapped < 0x10000 ? 1u : 2u) != position - start) {
            mapped = codePoint;
        }
        AppendCodePoint(upper, mapped);
    }
    return upper;
}

char32_t NextCodePoint(std::u16string_view text, std::size_t& position) {
    const char16_t unit = text[position++];
    if (IsLeadSurrogate(unit) && position < text.size() && IsTrailSurrogate(text[position])) {
        const char16_t trail = text[position++];
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
               (static_cast<char32_t>(trail) - 0xDC00);
    }
    return unit;
}

void AppendCodePoint(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
    } else {
        const char32_t offset = codePoint - 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }
}

bool InsidePair(std::u16string_view text, std::size_t position) {
    return position > 0 && position < text.size() && IsLeadSurrogate(text[position - 1]) &&
           IsTrailSurrogate(text[position]);
}

std::size_t FittingLength(std::u16string_view text, std::size_t room) {
    if (text.size() <= room) {
        return text.size();
    }
    return InsidePair(text, room) ? room - 1 : room;
}
