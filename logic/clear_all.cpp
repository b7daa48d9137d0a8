#include "logic/main_form.h"

void MainForm::ClearAll() {
    for (ControlIndex k = 0; k <= 6; ++k) {
        List2(k).SetListIndex(ListBox::kNoSelection);
    }
    for (ControlIndex j = 0; j <= 3; ++j) {
        List1(j).Clear();
    }
    Text2(0).SetText(std::u16string());
    NumberTheAlphabet();
}
