// The encryption pass: normalising the input line and filling the result lists from the table.

#include <gtest/gtest.h>

#include <string>

#include "logic/design_time_table.h"
#include "tests/logic/form_snapshot.h"

namespace {

struct AffineCipherCase {
    const char* name;
    std::u16string input;
};

class EncryptAffineCipher : public testing::TestWithParam<AffineCipherCase> {};

TEST_P(EncryptAffineCipher, GivesTheWorkedExampleAndLeavesTheTableSelectionAlone) {
    MainForm form = LoadedForm(GetParam().input);
    form.UserSelectsRow(MainForm::ListGroup::Table, 2, 7);
    form.EncryptText();
    EXPECT_EQ(form.Text2(0).Text(), u"AFFINECIPHER");
    EXPECT_EQ(form.List1(0).Rows(), OneRowPerUnit(u"AFFINECIPHER"));
    EXPECT_EQ(form.List1(1).Rows(),
              (std::vector<std::u16string>{u"0", u"-21", u"-21", u"294", u"273", u"-126", u"210",
                                           u"294", u"-63", u"189", u"-126", u"147"}));
    EXPECT_EQ(form.List1(2).Rows(), OneRowPerUnit(u"IHHWVCSWFRCP"));
    EXPECT_EQ(form.List1(3).Rows(), AlphabetNumbers());
    for (ControlIndex j = 0; j < MainForm::kResultListCount; ++j) {
        EXPECT_EQ(form.List1(j).ListIndex(), ListBox::kNoSelection) << "List1(" << j << ")";
    }
    for (ControlIndex k = 0; k < MainForm::kTableListCount; ++k) {
        EXPECT_EQ(form.List2(k).ListIndex(), 7) << "List2(" << k << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EncryptAffineCipher,
    testing::Values(AffineCipherCase{"InitialText", u"AFFINECIPHER"},
                    AffineCipherCase{"MixedCaseWithBlankAndPunctuation", u"Affine cipher!"},
                    AffineCipherCase{"SpreadOverLines", u" a-f-f-i-n-e\r\n\tc.i.p.h.e.r 2024 "}),
    [](const auto& row) { return std::string(row.param.name); });

struct FilterCase {
    const char* name;
    std::u16string input;
    std::u16string enciphered;
};

class EncryptText : public testing::TestWithParam<FilterCase> {};

TEST_P(EncryptText, KeepsOnlyCapitalLatinLettersAndLooksEachUpInTheTable) {
    const std::u16string& enciphered = GetParam().enciphered;
    MainForm form = LoadedForm(GetParam().input);
    form.EncryptText();
    EXPECT_EQ(form.Text2(0).Text(), enciphered);
    EXPECT_EQ(form.List1(0).Rows(), OneRowPerUnit(enciphered));
    ASSERT_EQ(form.List1(1).ListCount(), form.List1(0).ListCount());
    ASSERT_EQ(form.List1(2).ListCount(), form.List1(0).ListCount());
    for (std::size_t r = 0; r < enciphered.size(); ++r) {
        const auto& tableRow = kDesignTimeTable[static_cast<std::size_t>(enciphered[r] - u'A')];
        const int row = static_cast<int>(r);
        EXPECT_EQ(form.List1(1).List(row), tableRow[5]) << "row " << r;
        EXPECT_EQ(form.List1(2).List(row), tableRow[4]) << "row " << r;
    }
    EXPECT_EQ(form.List1(3).Rows(), AlphabetNumbers());

    const FormSnapshot firstRun(form);
    form.EncryptText();
    EXPECT_EQ(FormSnapshot(form), firstRun);
}

std::u16string Letters(std::size_t count, char16_t first) {
    std::u16string letters;
    for (std::size_t i = 0; i < count; ++i) {
        letters += static_cast<char16_t>(first + i % 26);
    }
    return letters;
}

// '@', '[', '`' and '{' are the neighbours of the two alphabets.
INSTANTIATE_TEST_SUITE_P(
    Inputs, EncryptText,
    testing::Values(FilterCase{"Empty", u"", u""},
                    FilterCase{"DigitsBlanksAndPunctuation", u" 0123456789 !?.,;:-()\t", u""},
                    FilterCase{"LineBreaks", u"AB\r\nCD\r\n", u"ABCD"},
                    FilterCase{"NeighboursOfTheAlphabet", u"@A[`Z{", u"AZ"},
                    FilterCase{"LowerCase", u"the quick brown fox", u"THEQUICKBROWNFOX"},
                    FilterCase{"LatinWithDiacriticsDropped", u"Ça été, naïve Ñandú", u"ATNAVEAND"},
                    FilterCase{"CyrillicDropped", u"Шифър Affine", u"AFFINE"},
                    FilterCase{"OnlyCyrillic", u"шифър със заместване", u""},
                    FilterCase{"OutsideTheBasicPlaneDropped", u"x\U00010428y\U00010400z\U0001F600",
                               u"XYZ"},
                    FilterCase{"LoneSurrogatesDropped",
                               u"a\xD800"
                               u"b\xDC00"
                               u"c",
                               u"ABC"},
                    FilterCase{"DotlessIAndLongSEnciphered", u"\u0131\u017F", u"IS"},
                    FilterCase{"NoSimpleCapitalInTheAlphabet",
                               u"\u00DF\uFB00\uFB01\u0149\u01F0\uFF41\u212A\u212B", u""},
                    FilterCase{"ThirtyLetters", Letters(30, u'a'), Letters(30, u'A')},
                    FilterCase{"FortyLetters", Letters(40, u'a'), Letters(40, u'A')}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
