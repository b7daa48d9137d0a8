#pragma once

#include <cstdint>

// Where the randomized tests and the fuzz targets take their decisions from: a seeded generator
// or the fuzzer's bytes. The texts and events built on it are the same for both.
class ChoiceSource {
  public:
    virtual ~ChoiceSource() = default;

    // A number from 0 to bound - 1; a bound of 0 or 1 gives 0.
    virtual std::uint32_t Below(std::uint32_t bound) = 0;

    bool OneIn(std::uint32_t n) { return Below(n) == 0; }
    // A number from low to high, both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low) + 1u));
    }
    // Any 16-bit pattern.
    std::uint16_t AnyUnit() { return static_cast<std::uint16_t>(Below(0x10000)); }
    // Any 32-bit pattern, as a signed number.
    int AnyInt() {
        const std::uint32_t high = Below(0x10000);
        return static_cast<int>(high << 16 | Below(0x10000));
    }
};
