#include "logic/main_form.h"

#include <string>

#include "logic/design_time_table.h"
#include "logic/text_routines.h"

namespace {

constexpr int kKeyFactor = 5;
constexpr int kKeyShift = 8;
constexpr int kInverseFactor = 21;

}  // namespace

MainForm::MainForm() : text2_{TextBox(u"AFFINECIPHER", kInputMaxLength)} {
    for (const auto& row : kDesignTimeTable) {
        for (ControlIndex k = 0; k < kTableListCount; ++k) {
            list2_[Slot(k)].AddItem(std::u16string(row[Slot(k)]));
        }
    }
}

ListBox& MainForm::List(ListGroup group, ControlIndex index) {
    return group == ListGroup::Table ? List2(index) : List1(index);
}

const ListBox& MainForm::List(ListGroup group, ControlIndex index) const {
    return group == ListGroup::Table ? List2(index) : List1(index);
}

ControlIndex MainForm::ListCount(ListGroup group) {
    return group == ListGroup::Table ? kTableListCount : kResultListCount;
}

void MainForm::Form_Load() {
    for (ControlIndex k = 0; k <= 6; ++k) {
        List2(k).Clear();
    }
    FillTable();
}

void MainForm::FillTable() {
    for (int x = 0; x <= 25; ++x) {
        List2(0).AddItem(NumberText(x));
        List2(6).AddItem(NumberText(x));
        List2(1).AddItem(LetterFromCode(kLetterA + x));
        const int v = kKeyFactor * x + kKeyShift;
        List2(2).AddItem(NumberText(v));
        const int y = v % kAlphabetSize;
        List2(3).AddItem(NumberText(y));
        List2(4).AddItem(LetterFromCode(kLetterA + y));
        const auto w = static_cast<std::int16_t>(kInverseFactor * (y - kKeyShift));
        List2(5).AddItem(NumberText(w));
    }
}

void MainForm::NumberTheAlphabet() {
    for (int j = 0; j <= 25; ++j) {
        List1(3).AddItem(NumberText(j));
    }
}
