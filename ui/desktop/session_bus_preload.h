#pragma once

#include "ui/desktop/background_task.h"

// Connects to the session bus on a thread of its own while the application starts. Qt's
// accessibility bridge connects to the session bus when the window makes its first button, and
// the main thread waits for it there; where the environment names no bus, finding the X session's
// bus means running dbus-launch, several milliseconds of waiting. Qt keeps one connection to the
// session bus for the whole process, so the bridge finds it made, or waits only for the rest.
class SessionBusPreload final {
  public:
    SessionBusPreload();

  private:
    // Asks for Qt's thread object on the main thread before the connector runs.
    static bool MainThreadNamed();

    bool mainThreadNamed_ = MainThreadNamed();
    BackgroundTask connector_;
};
