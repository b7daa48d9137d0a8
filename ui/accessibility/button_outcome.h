#pragma once

#include <QString>

#include "logic/control_index.h"

class MainForm;

// What a click on a button of the form did, in words for a student who does not see the window:
// for "Криптирай" the text that was enciphered, its cipher text and the number of letters, or
// that there was nothing to encipher; for "Чисти" that text and results were cleared. Read from
// the form after the click.
QString ButtonOutcome(const MainForm& form, ControlIndex index);
