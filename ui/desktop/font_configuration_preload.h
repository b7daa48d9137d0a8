#pragma once

#include "ui/desktop/background_task.h"

// Reads the font configuration on a thread of its own while the application starts. Reading
// fontconfig's configuration files and font caches is the largest single step of the start-up,
// and none of it waits for the display; Qt would do it on the main thread when it first needs a
// font, after connecting to the display, and now finds it done. Wait() must come before the
// program first uses a font: fontconfig does not wait for a reading under way but starts another.
class FontConfigurationPreload final {
  public:
    FontConfigurationPreload();

    // Returns once the configuration is read, or has failed to be, which Qt then finds as it
    // would have on its own.
    void Wait();

  private:
    BackgroundTask reader_;
};
