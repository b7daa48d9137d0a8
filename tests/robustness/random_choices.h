#pragma once

#include <cstdint>
#include <random>

#include "tests/robustness/choice_source.h"

// Decisions from a 64-bit Mersenne Twister, seeded from a run's seed and a sequence number so
// that one failing sequence can be run again on its own.
class RandomChoices final : public ChoiceSource {
  public:
    RandomChoices(std::uint64_t seed, std::uint64_t sequence)
        : engine_(seed ^ (sequence * 0x9E3779B97F4A7C15u)) {}

    std::uint32_t Below(std::uint32_t bound) override {
        // The plain remainder rather than a standard distribution, whose results differ between
        // standard libraries: a seed then means the same events everywhere.
        return bound <= 1 ? 0 : static_cast<std::uint32_t>(engine_() % bound);
    }

  private:
    std::mt19937_64 engine_;
};
