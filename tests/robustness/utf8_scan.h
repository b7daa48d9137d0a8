#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A reading of bytes against the table of well-formed UTF-8 byte sequences in the Unicode
// Standard (its Table 3-7), kept apart from the program's decoder so that the two can be compared.
struct Utf8Scan final {
    bool wellFormed = true;
    std::size_t firstBadByte = 0;  // where the first ill-formed sequence starts
    std::u32string codePoints;     // those of the well-formed bytes before it
};

Utf8Scan ScanUtf8(std::string_view bytes);
