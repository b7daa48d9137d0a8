#pragma once

#include <QString>

class ListBoxView;

// A row of a list read across its group for the ear: the row's own cell first, then the same row
// of every other shown list of the group, each after its column's heading, as in
// "I; номер 8, 5x+8 48, mod 26 22, шифър W, 21(y-8) 294, mod 26 8". Empty for a row that the list
// does not have.
QString ReadAcross(const ListBoxView& list, int row);
