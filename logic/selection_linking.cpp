#include "logic/main_form.h"

void MainForm::List1_Click(ControlIndex Index) {
    if (Index < 0 || Index >= kResultListCount) {
        return;
    }
    const int k = List1(Index).ListIndex();
    // The hidden number list has 26 rows while the others may have up to 40; a row it does not
    // have leaves it with no selection instead of pointing past its end.
    for (ControlIndex j = 0; j <= 3; ++j) {
        List1(j).SetListIndex(k);
    }
}

void MainForm::List2_Click(ControlIndex Index) {
    if (Index < 0 || Index >= kTableListCount) {
        return;
    }
    const int k = List2(Index).ListIndex();
    for (ControlIndex j = 0; j <= 6; ++j) {
        List2(j).SetListIndex(k);
    }
}

void MainForm::UserSelectsRow(ListGroup group, ControlIndex index, int row) {
    if (index < 0 || index >= ListCount(group) || !List(group, index).HasRow(row)) {
        return;
    }
    List(group, index).SetListIndex(row);
    if (group == ListGroup::Table) {
        List2_Click(index);
    } else {
        List1_Click(index);
    }
}
