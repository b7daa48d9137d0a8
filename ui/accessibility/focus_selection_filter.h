#pragma once

class QLineEdit;

// Keeps the line edit's selection of its whole text when the focus comes in, and its dropping of
// the selection when the focus leaves, from reaching assistive technology as selection changes.
// Qt reports the selection before the focus, and Orca speaks the selected text for the one and
// the whole line again for the other; the focus alone says it all. Selections the user makes
// while the line has the focus are reported as ever. Installed once, for one line edit.
void QuietSelectionOnFocus(QLineEdit& line);
