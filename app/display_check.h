#pragma once

#include <string_view>

// Makes sure that a start where Qt can open no graphical display ends with one plain line and
// exit status 1 instead of Qt's abort and core dump. While an instance lives (around the making of
// the application object) the messages that Qt logs are held back. If Qt gives up with a fatal
// message, the line gives Qt's own reasons, taken from the held messages (which display it could
// not connect to, which platform plug-in it could not find or load); otherwise the held messages
// are passed on as Qt would have printed them. Which displays and platforms to try is Qt's
// business alone.
//
// A display server that goes away gets a line of the same kind: while the application object is
// made, when Qt warns that the connection broke (Qt exits right after), when the connection turns
// out closed as the instance ends, and when Qt's X11 plug-in faults reading a reply that never
// came; later, when Qt warns that the connection broke or logs anything once the server has hung
// up.
//
// Before Qt starts, a QT_SCALE_FACTOR that Qt cannot draw the window at is refused with one line
// and the same status.
class DisplayCheck final {
  public:
    // The line is this, then the reasons, then a line feed.
    static constexpr std::string_view kNoDisplayStart =
        "affine-cipher: no graphical display could be opened: ";
    static constexpr int kNoDisplayStatus = 1;
    // The line, with the same status, when the display server goes away while the program starts
    // or runs: this, then Qt's reasons.
    static constexpr std::string_view kDisplayLostStart =
        "affine-cipher: the display server went away: ";

    // The scale factors that Qt draws the window at. Below 1 Qt 6.4 draws widgets wrongly (the
    // text keeps its size, parts of the window stay black): Qt's own factors from the screen are
    // never below 1 for that reason. At 8 the window is 4024 x 3512 pixels, which only the
    // largest screens show whole, and each doubling takes four times the memory and drawing time.
    static constexpr double kLeastScaleFactor = 1;
    static constexpr double kGreatestScaleFactor = 8;
    // The line for another factor starts with this and the value as given.
    static constexpr std::string_view kScaleFactorStart = "affine-cipher: QT_SCALE_FACTOR=";

    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};
