#include "app/cipher_reports.h"

#include <array>
#include <cstdio>
#include <string>

#include "logic/key_table.h"
#include "logic/text_routines.h"

void WriteKeyTable(Output& output, const AffineKey& key) {
    WriteColumns(output, KeyTableHeadings(key));
    for (int x = 0; x < AffineKey::kLetterCount; ++x) {
        WriteColumns(output, KeyTableRow(key, x));
    }
}

void WriteLetterByLetter(Output& output, const AffineKey& key, Direction direction,
                         std::string_view letters) {
    // The line of every letter is made once; a long text then costs one copy per letter.
    std::array<std::string, AffineKey::kLetterCount> lineOf;
    for (int from = 0; from < AffineKey::kLetterCount; ++from) {
        const bool enciphering = direction == Direction::Encipher;
        const int to = enciphering ? key.Encipher(from) : key.Decipher(from);
        const int y = enciphering ? to : from;
        lineOf[static_cast<std::size_t>(from)] =
            std::string(1, static_cast<char>(kLetterA + from)) + '\t' +
            std::to_string(key.DecipherCode(y)) + '\t' + static_cast<char>(kLetterA + to) + '\n';
    }
    output.Append(letters);
    output.Append('\n');
    for (const char letter : letters) {
        output.Append(lineOf[static_cast<std::size_t>(letter - kLetterA)]);
    }
}

constexpr std::size_t kBlockLetters = 1 << 16;

void WriteRanking(Output& output, const std::vector<RankedKey>& ranking, int top,
                  std::string_view cipherLetters) {
    const auto count = std::min(ranking.size(), static_cast<std::size_t>(top));
    for (std::size_t i = 0; i < count; ++i) {
        // The program never sets a locale, so the decimal point is always a point.
        std::array<char, 32> score{};
        std::snprintf(score.data(), score.size(), "%.2f", ranking[i].score);
        output.Append(ranking[i].key.Text() + '\t' + score.data() + '\t');
        // Deciphered a block at a time, so that a long text is not held twice.
        for (std::size_t at = 0; at < cipherLetters.size(); at += kBlockLetters) {
            output.Append(ranking[i].key.Decipher(cipherLetters.substr(at, kBlockLetters)));
        }
        output.Append('\n');
    }
}

void WriteKeys(Output& output, const std::vector<AffineKey>& keys) {
    for (const AffineKey& key : keys) {
        output.Append(key.Text() + '\n');
    }
}
