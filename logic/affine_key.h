#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// One key of the affine cipher over the letters A to Z: a letter numbered x enciphers to
// y = (a·x + b) mod 26 and deciphers by x = a⁻¹(y − b) mod 26. It knows nothing of the form,
// which keeps its own fixed key 5, 8 in its table lists; texts here are strings of the capital
// letters A to Z only (see cipher_letters.h for how a text becomes one).
class AffineKey final {
  public:
    static constexpr int kLetterCount = 26;
    // The factors coprime to 26, the only ones that make the cipher reversible.
    static constexpr std::array<int, 12> kFactors = {1, 3, 5, 7, 9, 11, 15, 17, 19, 21, 23, 25};
    static constexpr int kKeyCount = static_cast<int>(kFactors.size()) * kLetterCount;

    // The key a, b, or nothing when a is not one of kFactors or b is not 0 to 25.
    static std::optional<AffineKey> Make(int factor, int shift);
    static bool IsFactor(int factor);
    // Every key, ordered by factor and then by shift: index 0 is 1,0 and index 311 is 25,25.
    static AffineKey ByIndex(int index);

    int Factor() const { return factor_; }
    int Shift() const { return shift_; }
    int InverseFactor() const { return inverse_; }

    // Letter numbers 0 to 25.
    int Encipher(int x) const { return (factor_ * x + shift_) % kLetterCount; }
    int Decipher(int y) const { return (inverse_ * (y - shift_ + kLetterCount)) % kLetterCount; }
    // a⁻¹(y − b) before it is reduced, the code the form shows beside each letter.
    int DecipherCode(int y) const { return inverse_ * (y - shift_); }

    std::string Encipher(std::string_view letters) const;
    std::string Decipher(std::string_view letters) const;

    // "7,3"
    std::string Text() const;

    bool operator==(const AffineKey&) const = default;

  private:
    AffineKey(int factor, int shift, int inverse)
        : factor_(factor), shift_(shift), inverse_(inverse) {}

    int factor_;
    int shift_;
    int inverse_;
};
