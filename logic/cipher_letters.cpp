#include "logic/cipher_letters.h"

#include <cstdint>

#include "logic/case_mapping.h"
#include "logic/utf8.h"

void AppendCipherLetters(std::string_view utf8, CipherLetters& into) {
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const auto byte = static_cast<std::uint8_t>(utf8[offset]);
        // Plain ASCII, nearly all of an English text, needs neither decoding nor case tables.
        if (byte < 0x80) {
            ++offset;
            const auto upper = static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 32 : byte);
            if (upper >= 'A' && upper <= 'Z') {
                into.letters += upper;
            }
            continue;
        }
        const std::size_t start = offset;
        const char32_t codePoint = NextUtf8CodePoint(utf8, offset);
        if (codePoint == kIllFormedUtf8) {
            into.valid = false;
            into.errorOffset = start;
            return;
        }
        // Only characters of the basic plane can stand for a letter: the form keeps a character
        // whose upper case would leave its plane as it is.
        const char32_t upper = codePoint < 0x10000 ? SimpleUpperCase(codePoint) : codePoint;
        if (upper >= 'A' && upper <= 'Z') {
            into.letters += static_cast<char>(upper);
        }
    }
}
