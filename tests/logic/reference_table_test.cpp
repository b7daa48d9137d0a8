// The reference table that the load sequence computes into the seven table lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "logic/design_time_table.h"
#include "tests/logic/form_snapshot.h"

namespace {

using Row = std::array<std::u16string, kTableColumnCount>;

Row TableRow(const MainForm& form, int x) {
    Row row;
    for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
        row[static_cast<std::size_t>(k)] = form.List2(k).List(x);
    }
    return row;
}

Row DesignTimeRow(int x) {
    Row row;
    const auto& designRow = kDesignTimeTable[static_cast<std::size_t>(x)];
    std::copy(designRow.begin(), designRow.end(), row.begin());
    return row;
}

TEST(FormLoad, LeavesTheDesignTimeRowsOnShowWithNothingSelected) {
    MainForm form;
    const FormSnapshot created(form);
    for (int x = 0; x < kAlphabetSize; ++x) {
        EXPECT_EQ(TableRow(form, x), DesignTimeRow(x)) << "row " << x;
    }
    form.Form_Load();
    EXPECT_EQ(FormSnapshot(form), created);
    for (const auto& list : created.table) {
        EXPECT_EQ(list.rows.size(), 26u);
        EXPECT_EQ(list.listIndex, ListBox::kNoSelection);
    }
    for (const auto& list : created.results) {
        EXPECT_EQ(list, FormSnapshot::List{});
    }
    EXPECT_EQ(created.input, u"AFFINECIPHER");
}

TEST(FormLoad, ReplacesWhateverTheTableListsHeldWithComputedRows) {
    MainForm form;
    for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
        form.List2(k).Clear();
        for (int row = 0; row < 30; ++row) {
            form.List2(k).AddItem(u"stale");
        }
        form.List2(k).SetListIndex(2);
    }
    form.Form_Load();
    for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
        EXPECT_EQ(form.List2(k).ListCount(), 26) << "List2(" << k << ")";
        EXPECT_EQ(form.List2(k).ListIndex(), ListBox::kNoSelection) << "List2(" << k << ")";
    }
    for (int x = 0; x < kAlphabetSize; ++x) {
        EXPECT_EQ(TableRow(form, x), DesignTimeRow(x)) << "row " << x;
    }
}

class ReferenceTableRow : public testing::TestWithParam<int> {};

// Worked out here from the key, apart from the program: y = (5x + 8) mod 26, the decipher column
// 21(y - 8) unreduced, and the last column x itself.
TEST_P(ReferenceTableRow, FollowsTheCipherFormulasAndTheDesignTimeRow) {
    const int x = GetParam();
    const int y = (5 * x + 8) % 26;
    const Row expected = {Widened(std::to_string(x)),
                          std::u16string(1, char16_t(u'A' + x)),
                          Widened(std::to_string(5 * x + 8)),
                          Widened(std::to_string(y)),
                          std::u16string(1, char16_t(u'A' + y)),
                          Widened(std::to_string(21 * (y - 8))),
                          Widened(std::to_string(x))};
    EXPECT_EQ(TableRow(LoadedForm(), x), expected);
    EXPECT_EQ(DesignTimeRow(x), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryLetter, ReferenceTableRow, testing::Range(0, kAlphabetSize));

struct TellingRow {
    int x;
    Row cells;
};

class ReferenceTableTellingRow : public testing::TestWithParam<TellingRow> {};

TEST_P(ReferenceTableTellingRow, ReadsAcross) {
    EXPECT_EQ(TableRow(LoadedForm(), GetParam().x), GetParam().cells);
}

// L and Y encipher to themselves; rows 4, 14 and 25 have negative decipher values.
INSTANTIATE_TEST_SUITE_P(
    Letters, ReferenceTableTellingRow,
    testing::Values(TellingRow{0, {u"0", u"A", u"8", u"8", u"I", u"0", u"0"}},
                    TellingRow{4, {u"4", u"E", u"28", u"2", u"C", u"-126", u"4"}},
                    TellingRow{11, {u"11", u"L", u"63", u"11", u"L", u"63", u"11"}},
                    TellingRow{14, {u"14", u"O", u"78", u"0", u"A", u"-168", u"14"}},
                    TellingRow{19, {u"19", u"T", u"103", u"25", u"Z", u"357", u"19"}},
                    TellingRow{24, {u"24", u"Y", u"128", u"24", u"Y", u"336", u"24"}},
                    TellingRow{25, {u"25", u"Z", u"133", u"3", u"D", u"-105", u"25"}}));

TEST(ReferenceTable, CipherColumnsHoldEveryNumberAndLetterOnce) {
    const MainForm form = LoadedForm();
    const std::vector<std::u16string>& numbers = form.List2(3).Rows();
    const std::vector<std::u16string> alphabetNumbers = AlphabetNumbers();
    EXPECT_TRUE(std::is_permutation(numbers.begin(), numbers.end(), alphabetNumbers.begin(),
                                    alphabetNumbers.end()));
    const std::vector<std::u16string>& letters = form.List2(4).Rows();
    const std::vector<std::u16string> alphabet = OneRowPerUnit(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_TRUE(
        std::is_permutation(letters.begin(), letters.end(), alphabet.begin(), alphabet.end()));
}

TEST(ReferenceTable, NegativeDecipherValuesHaveALeadingMinusAndNoBlank) {
    const MainForm form = LoadedForm();
    std::vector<std::u16string> negatives;
    for (const auto& cell : form.List2(5).Rows()) {
        if (cell.empty() || cell.front() < u'0' || cell.front() > u'9') {
            negatives.push_back(cell);
        }
    }
    const std::vector<std::u16string> expected = {u"-126", u"-21", u"-147", u"-42",
                                                  u"-168", u"-63", u"-84",  u"-105"};
    EXPECT_EQ(negatives, expected);
}

}  // namespace
