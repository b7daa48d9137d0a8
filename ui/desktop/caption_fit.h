#pragma once

#include <QFont>

class FormScale;

// Whether every caption that the window shows on a label or a button fits the width of its
// field, at the given scale, in the given font: a label keeps a pixel free at either side, a
// button its bevel and a pixel more. The fields were made for Times New Roman, so in its
// letter widths they all fit; a substitute font is held to the same.
bool CaptionsFit(const QFont& font, const FormScale& scale);
