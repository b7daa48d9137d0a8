#pragma once

#include <array>
#include <string>

#include "logic/affine_key.h"

// The reference table of any key: the same seven columns that the form's table lists hold for
// its own key 5, 8, as texts, with the key's numbers in the two formula headings.
inline constexpr std::size_t kKeyTableColumnCount = 7;
using KeyTableTexts = std::array<std::u16string, kKeyTableColumnCount>;

// "Номер", "Буква", "7x+3", "mod 26", "Шифър", "15(y-3)", "mod 26" for the key 7, 3.
KeyTableTexts KeyTableHeadings(const AffineKey& key);

// Row x (0 to 25): x, its letter, a·x + b, that reduced modulo 26 (y), the cipher letter,
// a⁻¹(y − b) not reduced, and x again.
KeyTableTexts KeyTableRow(const AffineKey& key, int x);
