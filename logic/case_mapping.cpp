#include "logic/case_mapping.h"

#include <cstddef>
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
    const char32_t block = codePoint / kUpperCaseBlock;
    if (block >= std::size(kFirstRunOfBlock)) {
        return codePoint;
    }
    for (std::size_t i = kFirstRunOfBlock[block]; i < std::size(kUpperCaseRuns); ++i) {
        const UpperCaseRun& run = kUpperCaseRuns[i];
        if (codePoint < run.first) {
            return codePoint;
        }
        const char32_t distance = codePoint - run.first;
        if (distance <= static_cast<char32_t>(run.count - 1) * run.step) {
            return distance % run.step == 0
                       ? static_cast<char32_t>(static_cast<std::int32_t>(codePoint) + run.delta)
                       : codePoint;
        }
    }
    return codePoint;
}
