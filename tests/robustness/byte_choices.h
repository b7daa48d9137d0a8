#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "tests/robustness/choice_source.h"

// Decisions read from a fuzzer's input, a byte or more at a time, so that a small change of the
// input changes few decisions. Once the bytes run out every decision is 0.
class ByteChoices final : public ChoiceSource {
  public:
    explicit ByteChoices(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t Below(std::uint32_t bound) override {
        if (bound <= 1) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::uint32_t span = bound - 1; span != 0; span >>= 8) {
            value = value << 8 | NextByte();
        }
        return value % bound;
    }

    bool Exhausted() const { return next_ >= bytes_.size(); }

  private:
    std::uint32_t NextByte() { return Exhausted() ? 0u : bytes_[next_++]; }

    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};
