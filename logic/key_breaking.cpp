#include "logic/key_breaking.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "logic/english_trigrams.h"
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
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const RankedKey& a, const RankedKey& b) { return a.score < b.score; });
    return ranking;
}

std::vector<RankedKey> RankKeysByEnglishTrigrams(std::string_view cipherLetters) {
    constexpr std::size_t kLetters = AffineKey::kLetterCount;
    constexpr std::size_t kTriples = kLetters * kLetters * kLetters;
    const auto letterAt = [&](std::size_t i) {
        return static_cast<std::size_t>(cipherLetters[i] - kLetterA);
    };
    // Each cipher triple is counted once; a key then costs one step per distinct triple.
    std::vector<std::uint64_t> tripleCounts(kTriples);
    std::size_t triple = 0;
    for (std::size_t i = 0; i < cipherLetters.size(); ++i) {
        triple = (triple * kLetters + letterAt(i)) % kTriples;
        tripleCounts[triple] += i >= 2 ? 1 : 0;
    }
    std::vector<std::pair<std::size_t, std::uint64_t>> triples;  // triple, count
    for (std::size_t t = 0; t < kTriples; ++t) {
        if (tripleCounts[t] != 0) {
            triples.emplace_back(t, tripleCounts[t]);
        }
    }

    std::vector<RankedKey> ranking;
    ranking.reserve(AffineKey::kKeyCount);
    for (int index = 0; index < AffineKey::kKeyCount; ++index) {
        const AffineKey key = AffineKey::ByIndex(index);
        std::array<std::size_t, kLetters> plain{};
        for (std::size_t y = 0; y < kLetters; ++y) {
            plain[y] = static_cast<std::size_t>(key.Decipher(static_cast<int>(y)));
        }
        std::uint64_t cost = 0;
        if (!cipherLetters.empty()) {
            cost += kLetterCost[plain[letterAt(0)]];
        }
        if (cipherLetters.size() >= 2) {
            cost += kPairCost[plain[letterAt(0)] * kLetters + plain[letterAt(1)]];
        }
        for (const auto& [t, count] : triples) {
            const std::size_t plainTriple =
                (plain[t / (kLetters * kLetters)] * kLetters + plain[t / kLetters % kLetters]) *
                    kLetters +
                plain[t % kLetters];
            cost += count * kTripleCost[plainTriple];
        }
        const double score =
            cipherLetters.empty()
                ? 0
                : static_cast<double>(cost) /
                      (kCostEighthsPerBit * static_cast<double>(cipherLetters.size()));
        ranking.push_back({key, score});
    }
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const RankedKey& a, const RankedKey& b) { return a.score < b.score; });
    return ranking;
}
