#pragma once

#include <string>

// The page's style sheet: the form at its size and colour, centred, and scaled down as a whole on
// a screen too small for it; each shown control at its rectangle in its colours, in the look of
// the desktop window's classic controls.
std::string PageStyle();
