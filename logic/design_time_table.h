#pragma once

#include <array>
#include <string_view>

// The 26 rows with which each of the seven reference-table lists is created, row by row; row x
// holds the texts of columns 0 to 6 for letter x.
inline constexpr int kTableColumnCount = 7;
inline constexpr int kAlphabetSize = 26;

using DesignTimeTable =
    std::array<std::array<std::u16string_view, kTableColumnCount>, kAlphabetSize>;

extern const DesignTimeTable kDesignTimeTable;
