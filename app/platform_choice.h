#pragma once

// Where the window goes when the user has not chosen a window system. On a Wayland session that
// also offers X (Xwayland, DISPLAY set), the window goes through X: there the window manager
// centres it and gives it a fixed frame with the close button only, which Qt 6.4's own title bar
// on Wayland cannot. A platform named in QT_QPA_PLATFORM or by -platform is left as it is, and
// Wayland stays the fallback when the X server cannot be reached.
void PreferX11OnWaylandSession(int argc, char** argv);
