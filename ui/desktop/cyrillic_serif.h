#pragma once

#include <QFont>
#include <functional>

// The controls' font family where the machine lacks Times New Roman. A request that the font
// system answers with Times New Roman or a metric-compatible substitute (Liberation Serif,
// Tinos, Thorndale) comes back as it is, checked with one QFontInfo and no look through the
// font database. Otherwise the family becomes the first installed of a list of serif families
// with Cyrillic letters, or the system's own serif family if that has them, with the requested
// weight and style. Where none is found the request comes back unchanged.
//
// The fields were made for Times New Roman's letter widths, and other faces are mostly wider:
// given `fits`, which tells whether the window's captions fit their fields in a font, a
// substitute is made smaller a pixel at a time, to no less than three quarters of the requested
// size, until they do.
using FontFits = std::function<bool(const QFont& font)>;
QFont CyrillicSerif(const QFont& wanted, const FontFits& fits = {});
