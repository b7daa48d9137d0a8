#pragma once

#include <string>

// The page's style sheet: the form at its size and colour, centred; each shown control at its
// rectangle in its colours, in the look of the desktop window's classic controls.
std::string PageStyle();

// The script that scales the whole form down on a screen too small for it.
std::string FitFormScript();
