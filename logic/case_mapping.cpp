#include "logic/case_mapping.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// `count` code points from `first`, each `step` after the one before, whose upper case is the
// code point `delta` further on.
struct UpperCaseRun final {
    char32_t first;
    std::uint16_t count;
    std::uint8_t step;
    std::int32_t delta;
};

// Made at build time from UnicodeData.txt; see logic/CMakeLists.txt.
#include "case_mapping_table.inc"

}  // namespace

char32_t SimpleUpperCase(char32_t codePoint) {
    // The last run that starts at or before the code point is the only one that can hold it.
    const auto* next =
        std::upper_bound(std::begin(kUpperCaseRuns), std::end(kUpperCaseRuns), codePoint,
                         [](char32_t value, const UpperCaseRun& run) { return value < run.first; });
    if (next == std::begin(kUpperCaseRuns)) {
        return codePoint;
    }
    const UpperCaseRun& run = *std::prev(next);
    const char32_t distance = codePoint - run.first;
    if (distance % run.step != 0 || distance / run.step >= run.count) {
        return codePoint;
    }
    return static_cast<char32_t>(static_cast<std::int32_t>(codePoint) + run.delta);
}
