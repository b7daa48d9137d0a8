#include "app/platform_choice.h"

#include <QString>
#include <QtGlobal>
#include <string_view>

namespace {

// Whether Qt's own option `name` is on the command line, with one dash or two as Qt reads it.
bool HasOption(int argc, char** argv, std::string_view name) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument.starts_with('-') && argument.substr(1) == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

void PreferX11OnWaylandSession(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || HasOption(argc, argv, "platform")) {
        return;
    }
    const bool waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                                qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland";
    const bool xOffered =
        !qEnvironmentVariableIsEmpty("DISPLAY") || HasOption(argc, argv, "display");
    if (waylandSession && xOffered) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}
