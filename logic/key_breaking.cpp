#include "logic/key_breaking.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "logic/text_routines.h"

namespace {

// Relative frequencies of the letters A to Z in English texts, in percent, as tabulated in the
// English Wikipedia article "Letter frequency" (column "Texts"), which takes them from Robert
// Lewand, "Cryptological Mathematics", Mathematical Association of America, 2000.
constexpr std::array<double, AffineKey::kLetterCount> kEnglishPercent = {
    8.2, 1.5, 2.8, 4.3,   12.7, 2.2, 2.0, 6.1, 7.0,  0.15, 0.77, 4.0, 2.4,
    6.7, 7.5, 1.9, 0.095, 6.0,  6.3, 9.1, 2.8, 0.98, 2.4,  0.15, 2.0, 0.074,
};

}  // namespace

std::vector<RankedKey> RankKeysByEnglishFrequencies(std::string_view cipherLetters) {
    std::array<std::uint64_t, AffineKey::kLetterCount> counts{};
    for (const char letter : cipherLetters) {
        ++counts[static_cast<std::size_t>(letter - kLetterA)];
    }
    const auto total = static_cast<double>(cipherLetters.size());

    std::vector<RankedKey> ranking;
    ranking.reserve(AffineKey::kKeyCount);
    for (int index = 0; index < AffineKey::kKeyCount; ++index) {
        const AffineKey key = AffineKey::ByIndex(index);
        double score = 0;
        // The cipher letter y deciphers to x, so the count of y is the count of plain letter x.
        for (int y = 0; y < AffineKey::kLetterCount; ++y) {
            const auto x = static_cast<std::size_t>(key.Decipher(y));
            const double expected = total * kEnglishPercent[x] / 100;
            const double difference =
                static_cast<double>(counts[static_cast<std::size_t>(y)]) - expected;
            score += expected > 0 ? difference * difference / expected : 0;
        }
        ranking.push_back({key, score});
    }
    std::ranges::stable_sort(ranking, {}, &RankedKey::score);
    return ranking;
}
