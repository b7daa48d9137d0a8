#pragma once

#include <string_view>
#include <vector>

#include "logic/affine_key.h"

// Solving for the key from known plaintext: the keys under which PLAIN enciphers letter for
// letter to CIPHER (two strings of A to Z of equal length).
//
// Two different plain letters fix the key; with fewer every key that fits is returned, and a
// text that no key explains (a plain letter seen with two cipher letters, say) gives none. The
// pairs are gathered first, so the cost is one pass over the texts and a fixed 312 × 26 steps.
std::vector<AffineKey> KeysThatEncipher(std::string_view plainLetters,
                                        std::string_view cipherLetters);
