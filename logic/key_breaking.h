#pragma once

#include <string_view>
#include <vector>

#include "logic/affine_key.h"

// Breaking the cipher without its key: every one of the 312 keys is tried on the cipher text and
// ranked by how far the text it deciphers to lies from English. It ranks keys only; deciphering
// the text with them is left to AffineKey.
struct RankedKey final {
    AffineKey key;
    // How far from English, the lower the closer; what it measures is the ranking's own.
    double score = 0;
};

// Both rankings give all 312 keys, closest to English first; keys that score the same stay in
// key order.

// By the letters' frequencies alone: the score is Pearson's chi-squared statistic of the
// deciphered letter counts against English, 0 for a perfect match. Counts the letters once, so
// the cost is one pass over the text and a fixed 312 × 26 steps. Blind to the order of the
// letters, it ranks the right key first for about three in four English texts of 20 letters
// (bench/break_rate.cpp).
std::vector<RankedKey> RankKeysByEnglishFrequencies(std::string_view cipherLetters);

// By the model of english_trigrams.h, which knows each letter after the two before it: the score
// is the cost of the deciphered text in bits per letter: about 3 to 4 for English, above 6 for
// what the wrong keys make of it, 0 for no letters. Counts the letter triples once, so the cost is
// one pass over the text and at most 312 × 26³ steps, fewer for a short text. Ranks the right key
// first for almost every English text of 20 letters.
std::vector<RankedKey> RankKeysByEnglishTrigrams(std::string_view cipherLetters);
