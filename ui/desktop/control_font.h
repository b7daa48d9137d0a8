#pragma once

#include <QFont>

// The font that the window's description asks for every control: "Times New Roman", 12 points,
// normal weight, a serif face wherever the font system has to pick another. What stands in for
// it on a machine without it is CyrillicSerif's business.
QFont ControlFont();
