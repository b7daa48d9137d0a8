#pragma once

#include <string_view>
#include <vector>

#include "app/output.h"
#include "logic/affine_key.h"
#include "logic/key_breaking.h"
#include "logic/utf8.h"

// The reports of affine-table's modes that work with any key, as UTF-8 lines with tab-separated
// columns. They print what they are given; reading and checking the input is left to the caller.

// One line of columns separated by tabs, each column UTF-16 text written as UTF-8.
template <typename Columns>
void WriteColumns(Output& output, const Columns& columns) {
    bool first = true;
    for (const auto& column : columns) {
        output.Append(first ? "" : "\t");
        output.Append(EncodeUtf8(column));
        first = false;
    }
    output.Append('\n');
}

// A heading line, then one line for each letter A to Z: the key's reference table.
void WriteKeyTable(Output& output, const AffineKey& key);

enum class Direction { Encipher, Decipher };

// The shape of the form's encryption: the letters on the first line, then one line for each of
// them: the letter, the code a⁻¹(y − b) before reduction, and the letter it turns into.
void WriteLetterByLetter(Output& output, const AffineKey& key, Direction direction,
                         std::string_view letters);

// The first `top` keys of the ranking, one line each: the key, its score and the text it
// deciphers.
void WriteRanking(Output& output, const std::vector<RankedKey>& ranking, int top,
                  std::string_view cipherLetters);

// One key a line.
void WriteKeys(Output& output, const std::vector<AffineKey>& keys);
