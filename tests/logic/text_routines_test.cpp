// Number text and the cut of a text to the room that is left in the input line.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "logic/text_routines.h"

namespace {

struct NumberTextCase {
    int value;
    std::u16string_view text;
};

class NumberTextTest : public testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberTextTest, WritesPlainDecimalWithALeadingMinusForNegatives) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest,
                         testing::Values(NumberTextCase{0, u"0"}, NumberTextCase{8, u"8"},
                                         NumberTextCase{10, u"10"}, NumberTextCase{357, u"357"},
                                         NumberTextCase{-1, u"-1"}, NumberTextCase{-126, u"-126"},
                                         NumberTextCase{-168, u"-168"},
                                         NumberTextCase{-32768, u"-32768"},
                                         NumberTextCase{INT_MAX, u"2147483647"},
                                         NumberTextCase{INT_MIN, u"-2147483648"}));

struct FittingCase {
    std::u16string_view text;
    std::size_t room;
    std::size_t fitting;
};

class FittingLengthTest : public testing::TestWithParam<FittingCase> {};

TEST_P(FittingLengthTest, TakesAtMostTheRoomAndNeverHalfASurrogatePair) {
    EXPECT_EQ(FittingLength(GetParam().text, GetParam().room), GetParam().fitting);
}

// U+1F600 is the pair D83D DE00.
INSTANTIATE_TEST_SUITE_P(
    Cuts, FittingLengthTest,
    testing::Values(FittingCase{u"", 0, 0}, FittingCase{u"ABC", 0, 0}, FittingCase{u"ABC", 2, 2},
                    FittingCase{u"ABC", 3, 3}, FittingCase{u"ABC", 40, 3},
                    FittingCase{u"A\U0001F600B", 1, 1}, FittingCase{u"A\U0001F600B", 2, 1},
                    FittingCase{u"A\U0001F600B", 3, 3}, FittingCase{u"\U0001F600", 1, 0},
                    FittingCase{u"\U0001F600\U0001F600", 3, 2},
                    FittingCase{u"A\xD83D"
                                u"B",
                                2, 2},
                    FittingCase{u"\xDE00\xDE00", 1, 1}));

}  // namespace
