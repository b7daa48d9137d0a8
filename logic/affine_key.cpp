#include "logic/affine_key.h"

#include <algorithm>

#include "logic/text_routines.h"

namespace {

int InverseOf(int factor) {
    int inverse = 1;
    while (factor * inverse % AffineKey::kLetterCount != 1) {
        ++inverse;
    }
    return inverse;
}

// The 26 letters that each letter turns into, so that a long text costs one lookup a letter.
std::string Translated(std::string_view letters, const AffineKey& key, bool decipher) {
    std::array<char, AffineKey::kLetterCount> letterOf{};
    for (int x = 0; x < AffineKey::kLetterCount; ++x) {
        letterOf[static_cast<std::size_t>(x)] =
            static_cast<char>(kLetterA + (decipher ? key.Decipher(x) : key.Encipher(x)));
    }
    std::string result(letters.size(), '\0');
    std::transform(letters.begin(), letters.end(), result.begin(), [&letterOf](char letter) {
        return letterOf[static_cast<std::size_t>(letter - kLetterA)];
    });
    return result;
}

}  // namespace

std::optional<AffineKey> AffineKey::Make(int factor, int shift) {
    if (!IsFactor(factor) || shift < 0 || shift >= kLetterCount) {
        return std::nullopt;
    }
    return AffineKey(factor, shift, InverseOf(factor));
}

bool AffineKey::IsFactor(int factor) {
    return std::find(kFactors.begin(), kFactors.end(), factor) != kFactors.end();
}

AffineKey AffineKey::ByIndex(int index) {
    const int factor = kFactors[static_cast<std::size_t>(index / kLetterCount)];
    return AffineKey(factor, index % kLetterCount, InverseOf(factor));
}

std::string AffineKey::Encipher(std::string_view letters) const {
    return Translated(letters, *this, false);
}

std::string AffineKey::Decipher(std::string_view letters) const {
    return Translated(letters, *this, true);
}

std::string AffineKey::Text() const {
    return std::to_string(factor_) + ',' + std::to_string(shift_);
}
