#pragma once

#include <string_view>

// Makes sure that a start without a graphical display ends with one plain line and exit status
// 1 instead of Qt's abort. Before the application object exists it can tell whether the
// environment names any display at all; while an instance lives, a fatal message from Qt's
// platform start-up (the X11 plug-in cannot connect) is turned into that line, and the warnings
// that come before it are held back, to be passed on only if the start succeeds.
class DisplayCheck final {
  public:
    static constexpr std::string_view kNoDisplayLine =
        "affine-cipher: this program needs a graphical display, and none could be opened "
        "(is DISPLAY set?)\n";
    static constexpr int kNoDisplayStatus = 1;

    // True when Qt would go for its default X11 platform and neither DISPLAY nor WAYLAND_DISPLAY
    // names a display; a platform chosen by QT_QPA_PLATFORM or -platform is left to Qt.
    static bool NoDisplayNamed(int argc, char** argv);

    // Prints kNoDisplayLine to the standard error and returns kNoDisplayStatus.
    static int Refuse();

    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};
