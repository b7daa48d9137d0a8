#include "tests/robustness/cipher_oracle.h"

#include <unicode/uchar.h>

#include <cstdint>

namespace cipher_oracle {

namespace {

std::u16string Letter(int number) {
    return std::u16string(1, static_cast<char16_t>(u'A' + number));
}

int Enciphered(int x) {
    return (5 * x + 8) % 26;
}

std::u16string Number(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::array<std::u16string, 7> TableRow(int x) {
    const int y = Enciphered(x);
    return {Number(x), Letter(x), Number(5 * x + 8), Number(y), Letter(y), Number(21 * (y - 8)),
            Number(x)};
}

std::u16string KeptLetters(std::u16string_view text) {
    std::u16string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto codePoint = static_cast<UChar32>(text[i]);
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        const UChar32 upper = u_toupper(codePoint);
        if (upper >= 'A' && upper <= 'Z') {
            kept.push_back(static_cast<char16_t>(upper));
        }
    }
    return kept;
}

}  // namespace cipher_oracle
