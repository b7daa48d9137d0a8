#include "logic/key_solving.h"

#include <array>

#include "logic/text_routines.h"

std::vector<AffineKey> KeysThatEncipher(std::string_view plainLetters,
                                        std::string_view cipherLetters) {
    constexpr int kUnseen = -1;
    std::array<int, AffineKey::kLetterCount> cipherOf;
    cipherOf.fill(kUnseen);
    for (std::size_t i = 0; i < plainLetters.size() && i < cipherLetters.size(); ++i) {
        int& cipher = cipherOf[static_cast<std::size_t>(plainLetters[i] - kLetterA)];
        const int y = cipherLetters[i] - kLetterA;
        if (cipher != kUnseen && cipher != y) {
            return {};
        }
        cipher = y;
    }
    std::vector<AffineKey> keys;
    for (int index = 0; index < AffineKey::kKeyCount; ++index) {
        const AffineKey key = AffineKey::ByIndex(index);
        bool fits = true;
        for (int x = 0; x < AffineKey::kLetterCount && fits; ++x) {
            const int y = cipherOf[static_cast<std::size_t>(x)];
            fits = y == kUnseen || key.Encipher(x) == y;
        }
        if (fits) {
            keys.push_back(key);
        }
    }
    return keys;
}
