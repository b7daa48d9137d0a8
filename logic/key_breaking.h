#pragma once

#include <string_view>
#include <vector>

#include "logic/affine_key.h"

// Breaking the cipher without its key: every one of the 312 keys is tried on the cipher text and
// ranked by how far the letters it deciphers to lie from the letter frequencies of English. It
// ranks keys only; deciphering the text with them is left to AffineKey.
struct RankedKey final {
    AffineKey key;
    // Pearson's chi-squared statistic of the deciphered letter counts against English: 0 for a
    // perfect match, and the lower the closer.
    double score = 0;
};

// All 312 keys, closest to English first; keys that score the same stay in key order. Counts
// the letters once, so the cost is one pass over the text and a fixed 312 × 26 steps.
std::vector<RankedKey> RankKeysByEnglishFrequencies(std::string_view cipherLetters);
