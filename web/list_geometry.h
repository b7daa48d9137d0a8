#pragma once

#include "form/control_layout.h"

// Sizes the page's style sets and its view reckons with: 15 twips make one CSS pixel at 100 %
// zoom, as they make one pixel at 96 dots per inch on the desktop; a list's sunken frame is two
// pixels wide on every side, as the classic list box draws it, and its rows stand one line of
// the control font apart.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kListFramePx = 2;
inline constexpr int kRowHeightPx = 17;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

// How many rows a list shows whole: what a page key moves by.
constexpr int WholeRowsShown(const ControlLayout& list) {
    const int rows = (Px(list.height) - 2 * kListFramePx) / kRowHeightPx;
    return rows > 1 ? rows : 1;
}
