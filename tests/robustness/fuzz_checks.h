#pragma once

#include <cstdint>
#include <span>
#include <string>

// The checks behind the fuzz targets, one per target; the ordinary test run replays the
// committed fuzz inputs through them as well. Each returns the first fault found, or an empty
// text.

// The bytes, read as UTF-16 units (little-endian, an odd last byte ignored), are put into the
// input line as a program write and enciphered; then rows around the end of the number list are
// selected, and the text is written out as UTF-8 and read back.
std::string CheckEncryptionOfUnits(std::span<const std::uint8_t> bytes);

// The bytes choose a sequence of form events (500 at most), as the randomized tests do.
std::string CheckEventSequence(std::span<const std::uint8_t> bytes);

// The bytes, split at zero bytes the way a command line is, are decoded as the console
// program's arguments: the verdict and the text are compared with an independent scan, a
// well-formed argument must encode back to its bytes, and the joined arguments are typed into
// the input line and enciphered.
std::string CheckArgumentDecoding(std::span<const std::uint8_t> bytes);
