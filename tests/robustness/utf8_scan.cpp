#include "tests/robustness/utf8_scan.h"

#include <array>
#include <cstdint>

namespace {

// One row of the table: the lead bytes it covers, the length of the sequence, and the range
// allowed for the second byte (every further byte is 80 to BF).
struct SequenceForm final {
    std::uint8_t leadFirst, leadLast;
    int length;
    std::uint8_t secondFirst, secondLast;
};

constexpr std::array<SequenceForm, 9> kForms = {{
    {0x00, 0x7F, 1, 0, 0},
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

}  // namespace

Utf8Scan ScanUtf8(std::string_view bytes) {
    Utf8Scan scan;
    std::size_t position = 0;
    while (position < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[position]);
        const SequenceForm* form = nullptr;
        for (const SequenceForm& candidate : kForms) {
            if (lead >= candidate.leadFirst && lead <= candidate.leadLast) {
                form = &candidate;
            }
        }
        bool fits =
            form != nullptr && position + static_cast<std::size_t>(form->length) <= bytes.size();
        char32_t codePoint = 0;
        for (int i = 0; fits && i < form->length; ++i) {
            const auto byte =
                static_cast<std::uint8_t>(bytes[position + static_cast<std::size_t>(i)]);
            if (i == 0) {
                // The lead byte carries 7, 5, 4 or 3 bits of the code point.
                codePoint = byte & (0xFFu >> (form->length == 1 ? 1 : form->length + 1));
                continue;
            }
            const std::uint8_t first = i == 1 ? form->secondFirst : std::uint8_t{0x80};
            const std::uint8_t last = i == 1 ? form->secondLast : std::uint8_t{0xBF};
            fits = byte >= first && byte <= last;
            codePoint = codePoint << 6 | (byte & 0x3Fu);
        }
        if (!fits) {
            scan.wellFormed = false;
            scan.firstBadByte = position;
            return scan;
        }
        scan.codePoints.push_back(codePoint);
        position += static_cast<std::size_t>(form->length);
    }
    return scan;
}
