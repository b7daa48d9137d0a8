#pragma once

#include <array>
#include <string>
#include <string_view>

// The affine cipher with the key a = 5, b = 8 written out from its formulas, and the form's text
// filter from the platform's case mapping, for checking what the cipher form shows. Nothing here
// reads the form.
namespace cipher_oracle {

// Row x (0 to 25) of the reference table: x, its letter, 5x + 8, y = (5x + 8) mod 26, the letter
// of y, 21(y - 8) unreduced, and x again. The result lists show, for each enciphered letter, the
// letter, 21(y - 8) and the cipher letter of its row.
std::array<std::u16string, 7> TableRow(int x);

// The letters A to Z that remain of a text once it is upper-cased code point by code point.
std::u16string KeptLetters(std::u16string_view text);

}  // namespace cipher_oracle
