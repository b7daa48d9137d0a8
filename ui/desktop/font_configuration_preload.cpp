#include "ui/desktop/font_configuration_preload.h"

#include <fontconfig/fontconfig.h>

FontConfigurationPreload::FontConfigurationPreload() : reader_([] { FcInit(); }) {}

void FontConfigurationPreload::Wait() {
    reader_.Wait();
}
