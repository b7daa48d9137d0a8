#pragma once

#include <string_view>

// Makes sure that a start where Qt can open no graphical display ends with one plain line and
// exit status 1 instead of Qt's abort and core dump. While an instance lives (around the making of
// the application object) the messages that Qt logs are held back. If Qt gives up with a fatal
// message, the line gives Qt's own reasons, taken from the held messages (which display it could
// not connect to, which platform plug-in it could not find or load); otherwise the held messages
// are passed on as Qt would have printed them. Which displays and platforms to try is Qt's
// business alone.
class DisplayCheck final {
  public:
    // The line is this, then the reasons, then a line feed.
    static constexpr std::string_view kNoDisplayStart =
        "affine-cipher: no graphical display could be opened: ";
    static constexpr int kNoDisplayStatus = 1;

    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};
