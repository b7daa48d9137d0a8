// Edits of the input line whose range ends fall between the two units of a character outside the
// Basic Multilingual Plane. The randomized sequences found that such an edit used to split the
// pair and leave two lone halves in the line; now the range takes the whole character.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "logic/text_box.h"

namespace {

struct PairEdit {
    const char* name;
    std::u16string before;
    std::size_t from;
    std::size_t count;
    std::u16string inserted;
    std::u16string after;
    std::size_t kept;
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const PairEdit& row, std::ostream* out) {
    *out << row.name;
}

class InputLineEdit : public testing::TestWithParam<PairEdit> {};

TEST_P(InputLineEdit, NeverSplitsASurrogatePair) {
    const PairEdit& edit = GetParam();
    TextBox line(edit.before, 40);
    EXPECT_EQ(line.ReplaceRange(edit.from, edit.count, edit.inserted), edit.kept);
    EXPECT_EQ(line.Text(), edit.after);
}

// "a😀b": the emoji is the pair at units 1 and 2.
const PairEdit kEdits[] = {
    {"CursorInsidePairTypesBeforeIt", u"a😀b", 2, 0, u"X", u"aX😀b", 1},
    {"CursorInsidePairWithNothingTypedChangesNothing", u"a😀b", 2, 0, u"", u"a😀b", 0},
    {"SelectionStartingInsidePairTakesIt", u"a😀b", 2, 1, u"", u"ab", 0},
    {"SelectionEndingInsidePairTakesIt", u"a😀b", 0, 2, u"Z", u"Zb", 1},
    {"SelectionInsideTwoPairsTakesBoth", u"😀😀", 1, 2, u"-", u"-", 1},
    {"SelectionOnWholePairReplacesIt", u"a😀b", 1, 2, u"Ш", u"aШb", 1},
    {"CursorInsidePairOfAlmostFullLineTypesWhatFits", std::u16string(37, u'A') + u"😀", 38, 0, u"ab",
     std::u16string(37, u'A') + u"a😀", 1},
};

INSTANTIATE_TEST_SUITE_P(Edits, InputLineEdit, testing::ValuesIn(kEdits),
                         [](const testing::TestParamInfo<PairEdit>& row) {
                             return row.param.name;
                         });

}  // namespace
