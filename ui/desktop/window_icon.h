#pragma once

#include <QIcon>

// The window's hamburger icon: the 32 x 32 picture, and the same rendered at 64 x 64 for screens
// with a device pixel ratio of 2, both compiled in as pixels so that neither SVG support nor a
// PNG decoder is needed. Which of them a screen shows is left to QIcon.
QIcon WindowIcon();
