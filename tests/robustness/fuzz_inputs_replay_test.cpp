// Every committed fuzz input, the seed corpus and the inputs that once found a fault, run again
// through its target's checks in the ordinary builds, sanitizers included.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "tests/robustness/fuzz_checks.h"

namespace {

struct FuzzTarget {
    const char* name;
    std::string (*check)(std::span<const std::uint8_t>);
};

std::vector<std::uint8_t> Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const FuzzTarget& row, std::ostream* out) {
    *out << row.name;
}

class FuzzInputs : public testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzInputs, PassTheirTargetsChecks) {
    const std::filesystem::path root = AFFINE_FUZZ_INPUTS_DIR;
    int replayed = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const std::filesystem::path inputs = root / folder / GetParam().name;
        if (!std::filesystem::is_directory(inputs)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(inputs)) {
            const std::vector<std::uint8_t> bytes = Contents(entry.path());
            EXPECT_EQ(GetParam().check(bytes), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0) << "no committed inputs for " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs,
                         testing::Values(FuzzTarget{"encrypt_text", CheckEncryptionOfUnits},
                                         FuzzTarget{"form_events", CheckEventSequence},
                                         FuzzTarget{"utf8_argument", CheckArgumentDecoding}),
                         [](const testing::TestParamInfo<FuzzTarget>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
