// The checker is only worth its silence if it speaks up: each row spoils an enciphered form in a
// way a plausible fault would, and the check must report it.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/robustness/checked_form.h"

namespace {

FormEvent Event(FormEvent::Kind kind, MainForm::ListGroup group, ControlIndex index, int row) {
    FormEvent event;
    event.kind = kind;
    event.group = group;
    event.index = index;
    event.row = row;
    return event;
}

// Refills a list with its rows, each passed through `change`.
void Rewrite(ListBox& list,
             const std::function<std::u16string(int, const std::u16string&)>& change) {
    const std::vector<std::u16string> rows = list.Rows();
    list.Clear();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        list.AddItem(change(static_cast<int>(r), rows[r]));
    }
}

// "Affine cipher!" enciphered, then row 3 selected in the cipher letters and row 20 in the table.
CheckedForm WorkedExample() {
    CheckedForm form;
    FormEvent typing;
    typing.kind = FormEvent::Kind::UserEdit;
    typing.count = 100;
    typing.inserted = u"Affine cipher!";
    EXPECT_EQ(form.Apply(typing), "");
    EXPECT_EQ(form.Apply(Event(FormEvent::Kind::ButtonClick, {}, 0, 0)), "");
    EXPECT_EQ(
        form.Apply(Event(FormEvent::Kind::UserSelectsRow, MainForm::ListGroup::Results, 2, 3)), "");
    EXPECT_EQ(form.Apply(Event(FormEvent::Kind::UserSelectsRow, MainForm::ListGroup::Table, 2, 20)),
              "");
    return form;
}

TEST(CheckedForm, AcceptsTheWorkedExample) {
    const CheckedForm form = WorkedExample();
    std::u16string cipher;
    for (const std::u16string& row : form.Form().List1(2).Rows()) {
        cipher += row;
    }
    EXPECT_EQ(cipher, u"IHHWVCSWFRCP");
    EXPECT_EQ(form.Form().List1(1).List(3), u"294");
    EXPECT_EQ(form.Form().List1(3).ListIndex(), 3);
}

struct Spoiling {
    const char* name;
    std::function<void(MainForm&)> spoil;
};

// Names the row in failure messages instead of dumping its bytes.
void PrintTo(const Spoiling& row, std::ostream* out) {
    *out << row.name;
}

class CheckedFormSpots : public testing::TestWithParam<Spoiling> {};

TEST_P(CheckedFormSpots, ASpoiledForm) {
    CheckedForm form = WorkedExample();
    ASSERT_EQ(form.Check(), "");
    GetParam().spoil(form.FormToSpoil());
    EXPECT_NE(form.Check(), "");
}

const Spoiling kSpoilings[] = {
    {"TableRowAddedTwice", [](MainForm& f) { f.List2(6).AddItem(u"25"); }},
    {"NegativeCodeWithoutSign",
     [](MainForm& f) {
         Rewrite(f.List2(5),
                 [](int, const std::u16string& t) { return t == u"-126" ? u"126" : t; });
     }},
    {"TableColumnsInAnotherOrder",
     [](MainForm& f) {
         const std::vector<std::u16string> sixth = f.List2(6).Rows();
         Rewrite(f.List2(6), [&](int r, const std::u16string&) {
             return r == 0 ? sixth[1] : r == 1 ? sixth[0] : sixth[static_cast<std::size_t>(r)];
         });
     }},
    {"CodeTakenFromTheModColumn",
     [](MainForm& f) {
         Rewrite(f.List1(1), [&f](int r, const std::u16string&) {
             return f.List2(3).List(f.List1(0).List(r)[0] - u'A');
         });
     }},
    {"CipherColumnShowsThePlainLetter",
     [](MainForm& f) {
         Rewrite(f.List1(2), [&f](int r, const std::u16string&) { return f.List1(0).List(r); });
     }},
    {"ResultRowMissing",
     [](MainForm& f) {
         std::vector<std::u16string> rows = f.List1(0).Rows();
         f.List1(0).Clear();
         for (std::size_t r = 1; r < rows.size(); ++r) {
             f.List1(0).AddItem(rows[r]);
         }
     }},
    {"NumberListEmpty", [](MainForm& f) { f.List1(3).Clear(); }},
    {"NumberListCountsFromOne",
     [](MainForm& f) {
         Rewrite(f.List1(3), [](int r, const std::u16string&) {
             return std::u16string(r + 1 < 10 ? 1 : 2, u'1');
         });
     }},
    {"OneResultListLosesTheSelection", [](MainForm& f) { f.List1(3).SetListIndex(-1); }},
    {"OneTableListMovesItsSelection", [](MainForm& f) { f.List2(4).SetListIndex(21); }},
    {"WholeTableLosesTheSelection",
     [](MainForm& f) {
         for (ControlIndex k = 0; k < 7; ++k) {
             f.List2(k).SetListIndex(-1);
         }
     }},
    {"InputNotFiltered", [](MainForm& f) { f.Text2(0).SetText(u"AFFINE CIPHER!"); }},
};

INSTANTIATE_TEST_SUITE_P(Faults, CheckedFormSpots, testing::ValuesIn(kSpoilings),
                         [](const testing::TestParamInfo<Spoiling>& row) {
                             return row.param.name;
                         });

}  // namespace
