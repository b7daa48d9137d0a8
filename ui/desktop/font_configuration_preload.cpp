#include "ui/desktop/font_configuration_preload.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigurationPreload::FontConfigurationPreload() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a second thread Qt reads the configuration itself, as it always did.
    }
}

FontConfigurationPreload::~FontConfigurationPreload() {
    Wait();
}

void FontConfigurationPreload::Wait() {
    if (reader_.joinable()) {
        reader_.join();
    }
}
