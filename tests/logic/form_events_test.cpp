// The buttons and the row selections: the three states of the result lists, clearing, and the
// linking of a selected row across the lists of its group.

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <tuple>

#include "logic/design_time_table.h"
#include "tests/logic/form_snapshot.h"

namespace {

using Group = MainForm::ListGroup;

enum class ResultState { Empty, Cleared, Filled, Broken };

MainForm FormIn(ResultState state) {
    MainForm form = LoadedForm();
    if (state == ResultState::Cleared) {
        form.ClearAll();
    } else if (state == ResultState::Filled) {
        form.EncryptText();
    }
    return form;
}

ResultState StateOf(const MainForm& form) {
    const int letters = form.List1(0).ListCount();
    if (form.List1(1).ListCount() != letters || form.List1(2).ListCount() != letters) {
        return ResultState::Broken;
    }
    if (letters == 0 && form.List1(3).ListCount() == 0) {
        return ResultState::Empty;
    }
    if (form.List1(3).Rows() != AlphabetNumbers()) {
        return ResultState::Broken;
    }
    return letters == 0 ? ResultState::Cleared : ResultState::Filled;
}

void ExpectTableRowsUntouched(const MainForm& form) {
    const FormSnapshot snapshot(form);
    for (std::size_t k = 0; k < snapshot.table.size(); ++k) {
        for (std::size_t x = 0; x < kDesignTimeTable.size(); ++x) {
            ASSERT_EQ(snapshot.table[k].rows.at(x), kDesignTimeTable[x][k]) << k << ", " << x;
        }
    }
}

struct Transition {
    const char* name;
    ResultState from;
    std::optional<std::u16string> input;  // typed before the click; else the line as it is
    ControlIndex button;
    ResultState to;
};

class ButtonClick : public testing::TestWithParam<Transition> {};

TEST_P(ButtonClick, LeadsToTheStateOfItsButton) {
    MainForm form = FormIn(GetParam().from);
    ASSERT_EQ(StateOf(form), GetParam().from);
    if (GetParam().input) {
        form.Text2(0).SetText(*GetParam().input);
    }
    form.Command1_Click(GetParam().button);
    EXPECT_EQ(StateOf(form), GetParam().to);
    ExpectTableRowsUntouched(form);
}

using enum ResultState;
INSTANTIATE_TEST_SUITE_P(
    States, ButtonClick,
    testing::Values(Transition{"EmptyEncrypt", Empty, std::nullopt, 0, Filled},
                    Transition{"EmptyEncryptNoLetters", Empty, u"123 Шифър", 0, Cleared},
                    Transition{"EmptyClear", Empty, std::nullopt, 1, Cleared},
                    Transition{"ClearedEncryptTheEmptyLine", Cleared, std::nullopt, 0, Cleared},
                    Transition{"ClearedEncryptLetters", Cleared, u"abc", 0, Filled},
                    Transition{"ClearedClear", Cleared, std::nullopt, 1, Cleared},
                    Transition{"FilledEncryptAgain", Filled, std::nullopt, 0, Filled},
                    Transition{"FilledEncryptNoLetters", Filled, u"!?", 0, Cleared},
                    Transition{"FilledClear", Filled, std::nullopt, 1, Cleared}),
    [](const auto& row) { return std::string(row.param.name); });

// Selections made by the user in both groups, so that a handler that wrongly clears or moves
// them shows.
MainForm WithSelections(ResultState state) {
    MainForm form = FormIn(state);
    form.UserSelectsRow(Group::Table, 1, 5);
    form.UserSelectsRow(Group::Results, 0, 2);
    return form;
}

TEST(ClearButton, KeepsTheTableRowsButDropsEverySelectionAndTheInput) {
    MainForm form = WithSelections(Filled);
    form.Command1_Click(1);
    ExpectTableRowsUntouched(form);
    const FormSnapshot cleared(form);
    for (const auto& list : cleared.table) {
        EXPECT_EQ(list.listIndex, ListBox::kNoSelection);
    }
    EXPECT_EQ(cleared.input, u"");
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(cleared.results[j], FormSnapshot::List{});
    }
    EXPECT_EQ(cleared.results[3], (FormSnapshot::List{AlphabetNumbers(), ListBox::kNoSelection}));
}

TEST(EncryptButton, OnAnEmptyLineClearsButKeepsTheTableSelection) {
    MainForm encrypted = WithSelections(Filled);
    encrypted.Text2(0).SetText(u"");
    MainForm cleared = encrypted;
    encrypted.Command1_Click(0);
    cleared.Command1_Click(1);
    FormSnapshot expected(cleared);
    for (auto& list : expected.table) {
        list.listIndex = 5;
    }
    EXPECT_EQ(FormSnapshot(encrypted), expected);
}

// The row that every list of the group then reads, one entry per list; an empty text where the
// list does not have the row and so ends with no selection.
struct Linking {
    const char* name;
    std::u16string enciphered;
    Group group;
    ControlIndex list;
    int row;
    std::vector<std::u16string> reads;
};

class UserSelectsRow : public testing::TestWithParam<Linking> {};

TEST_P(UserSelectsRow, SelectsTheSameRowAcrossItsGroupOnly) {
    const Linking& linking = GetParam();
    MainForm form = LoadedForm(linking.enciphered);
    form.EncryptText();
    form.UserSelectsRow(linking.group == Group::Table ? Group::Results : Group::Table, 0, 1);
    FormSnapshot expected(form);
    const std::span<FormSnapshot::List> lists =
        linking.group == Group::Table ? std::span<FormSnapshot::List>(expected.table)
                                      : std::span<FormSnapshot::List>(expected.results);
    ASSERT_EQ(lists.size(), linking.reads.size());
    for (std::size_t j = 0; j < lists.size(); ++j) {
        lists[j].listIndex = linking.reads[j].empty() ? ListBox::kNoSelection : linking.row;
    }

    form.UserSelectsRow(linking.group, linking.list, linking.row);
    EXPECT_EQ(FormSnapshot(form), expected);
    for (std::size_t j = 0; j < lists.size(); ++j) {
        if (!linking.reads[j].empty()) {
            EXPECT_EQ(lists[j].rows.at(static_cast<std::size_t>(linking.row)), linking.reads[j])
                << "list " << j;
        }
    }
}

std::u16string Letters(std::size_t count) {
    return std::u16string(u"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN").substr(0, count);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, UserSelectsRow,
    testing::Values(
        Linking{"TableRowThreeReadsAcross", u"AFFINECIPHER", Group::Table, 4, 3,
                {u"3", u"D", u"23", u"23", u"X", u"315", u"3"}},
        Linking{"TableLastRow", u"AFFINECIPHER", Group::Table, 0, 25,
                {u"25", u"Z", u"133", u"3", u"D", u"-105", u"25"}},
        Linking{"TableFirstRowFromTheLastColumn", u"AFFINECIPHER", Group::Table, 6, 0,
                {u"0", u"A", u"8", u"8", u"I", u"0", u"0"}},
        Linking{"ResultRowThreeReadsAcross", u"AFFINECIPHER", Group::Results, 2, 3,
                {u"I", u"294", u"W", u"3"}},
        Linking{"ResultRowTheNumberListLacks", Letters(30), Group::Results, 0, 27,
                {u"B", u"105", u"N", u""}},
        Linking{"ResultLastRowOfTheNumberList", Letters(30), Group::Results, 1, 25,
                {u"Z", u"-105", u"D", u"25"}},
        Linking{"ResultLastRowOfFortyLetters", Letters(40), Group::Results, 2, 39,
                {u"N", u"273", u"V", u""}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

struct IgnoredSelection {
    const char* name;
    Group group;
    ControlIndex list;
    int row;
};

class UserSelectsMissingRow : public testing::TestWithParam<IgnoredSelection> {};

TEST_P(UserSelectsMissingRow, ChangesNothing) {
    MainForm form = WithSelections(Filled);
    const FormSnapshot before(form);
    form.UserSelectsRow(GetParam().group, GetParam().list, GetParam().row);
    EXPECT_EQ(FormSnapshot(form), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserSelectsMissingRow,
    testing::Values(IgnoredSelection{"TableRowPastTheEnd", Group::Table, 0, 26},
                    IgnoredSelection{"TableNoRow", Group::Table, 3, ListBox::kNoSelection},
                    IgnoredSelection{"TableListPastTheEnd", Group::Table, 7, 3},
                    IgnoredSelection{"TableListBeforeTheStart", Group::Table, -1, 3},
                    IgnoredSelection{"ResultRowPastTheLetters", Group::Results, 0, 12},
                    IgnoredSelection{"ResultNoRow", Group::Results, 1, ListBox::kNoSelection},
                    IgnoredSelection{"NumberRowPastTheEnd", Group::Results, 3, 26},
                    IgnoredSelection{"ResultListPastTheEnd", Group::Results, 4, 0}),
    [](const auto& row) { return std::string(row.param.name); });

enum class Handler { Command1, List1, List2 };

class HandlerWithOtherIndex : public testing::TestWithParam<std::tuple<Handler, ControlIndex>> {};

// The selections are set from code, one list of each group, so that a linking pass would show.
TEST_P(HandlerWithOtherIndex, ChangesNothing) {
    MainForm form = FormIn(Filled);
    form.Text2(0).SetText(u"Affine");
    form.List2(0).SetListIndex(5);
    form.List1(0).SetListIndex(2);
    const FormSnapshot before(form);
    const auto [handler, index] = GetParam();
    switch (handler) {
        case Handler::Command1:
            form.Command1_Click(index);
            break;
        case Handler::List1:
            form.List1_Click(index);
            break;
        case Handler::List2:
            form.List2_Click(index);
            break;
    }
    EXPECT_EQ(FormSnapshot(form), before);
}

INSTANTIATE_TEST_SUITE_P(Indexes, HandlerWithOtherIndex,
                         testing::Values(std::tuple(Handler::Command1, ControlIndex{-1}),
                                         std::tuple(Handler::Command1, ControlIndex{2}),
                                         std::tuple(Handler::Command1, ControlIndex{32767}),
                                         std::tuple(Handler::Command1, ControlIndex{-32768}),
                                         std::tuple(Handler::List1, ControlIndex{-1}),
                                         std::tuple(Handler::List1, ControlIndex{4}),
                                         std::tuple(Handler::List1, ControlIndex{-32768}),
                                         std::tuple(Handler::List2, ControlIndex{-1}),
                                         std::tuple(Handler::List2, ControlIndex{7}),
                                         std::tuple(Handler::List2, ControlIndex{32767})));

TEST(SelectionFromCode, MovesOnlyItsOwnList) {
    MainForm form = FormIn(Filled);
    FormSnapshot expected(form);
    form.List2(3).SetListIndex(4);
    form.List1(1).SetListIndex(1);
    expected.table[3].listIndex = 4;
    expected.results[1].listIndex = 1;
    EXPECT_EQ(FormSnapshot(form), expected);
}

}  // namespace
