#include "logic/main_form.h"

void MainForm::Command1_Click(ControlIndex Index) {
    if (Index == 0) {
        EncryptText();
    } else if (Index == 1) {
        ClearAll();
    }
}
