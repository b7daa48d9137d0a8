// The user's edits of the input line, held to its limit of 40 units.

#include <gtest/gtest.h>

#include <string>

#include "tests/logic/form_snapshot.h"

namespace {

const std::u16string kForty(40, u'A');

struct EditCase {
    const char* name;
    std::u16string text;
    std::size_t from;
    std::size_t count;
    std::u16string inserted;
    std::u16string result;
    std::size_t kept;
};

class InputLineEdit : public testing::TestWithParam<EditCase> {};

TEST_P(InputLineEdit, KeepsAtMostFortyUnits) {
    const EditCase& edit = GetParam();
    MainForm form = LoadedForm(edit.text);
    TextBox& input = form.Text2(0);
    EXPECT_EQ(input.ReplaceRange(edit.from, edit.count, edit.inserted), edit.kept);
    EXPECT_EQ(input.Text(), edit.result);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, InputLineEdit,
    testing::Values(EditCase{"TypingTheFortiethCharacter", kForty.substr(1), 39, 0, u"B",
                             kForty.substr(1) + u"B", 1},
                    EditCase{"TypingAFortyFirstCharacterIsRefused", kForty, 40, 0, u"B", kForty, 0},
                    EditCase{"TypingAtTheStartOfAFullLineIsRefused", kForty, 0, 0, u"B", kForty, 0},
                    EditCase{"PastingFiftyIntoAnEmptyLineKeepsForty", u"", 0, 0,
                             std::u16string(50, u'x'), std::u16string(40, u'x'), 40},
                    EditCase{"PastingInTheMiddleKeepsWhatFits", u"ABCDEF", 3, 0,
                             std::u16string(40, u'x'), u"ABC" + std::u16string(34, u'x') + u"DEF",
                             34},
                    EditCase{"PastingOverASelectionGainsItsRoom", kForty, 10, 5, u"123456789",
                             kForty.substr(0, 10) + u"12345" + kForty.substr(0, 25), 5},
                    EditCase{"APairThatFitsGoesIn", kForty.substr(3), 37, 0, u"x\U0001F600y",
                             kForty.substr(3) + u"x\U0001F600", 3},
                    EditCase{"APairAtTheCutStaysOut", kForty.substr(2), 38, 0, u"x\U0001F600",
                             kForty.substr(2) + u"x", 1},
                    EditCase{"APairIntoTheLastUnitIsRefused", kForty.substr(1), 39, 0,
                             u"\U0001F600", kForty.substr(1), 0},
                    EditCase{"AStartPastTheEndAppends", u"ABC", 10, 2, u"D", u"ABCD", 1},
                    EditCase{"ACountPastTheEndStopsAtTheEnd", u"ABC", 1, 100, u"x", u"Ax", 1}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
