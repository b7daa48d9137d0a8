#include "logic/cipher_letters.h"

#include <unicode/utf8.h>

#include <cstdint>

#include "logic/case_mapping.h"

void AppendCipherLetters(std::string_view utf8, CipherLetters& into) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int64_t>(utf8.size());
    std::int64_t offset = 0;
    while (offset < length) {
        const std::uint8_t byte = data[offset];
        // Plain ASCII, nearly all of an English text, needs neither decoding nor case tables.
        if (byte < 0x80) {
            ++offset;
            const auto upper = static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 32 : byte);
            if (upper >= 'A' && upper <= 'Z') {
                into.letters += upper;
            }
            continue;
        }
        const std::int64_t start = offset;
        UChar32 codePoint;
        U8_NEXT(data, offset, length, codePoint);
        if (codePoint < 0) {
            into.valid = false;
            into.errorOffset = static_cast<std::size_t>(start);
            return;
        }
        // Only characters of the basic plane can stand for a letter: the form keeps a character
        // whose upper case would leave its plane as it is.
        const UChar32 upper =
            codePoint < 0x10000
                ? static_cast<UChar32>(SimpleUpperCase(static_cast<char32_t>(codePoint)))
                : codePoint;
        if (upper >= 'A' && upper <= 'Z') {
            into.letters += static_cast<char>(upper);
        }
    }
}
