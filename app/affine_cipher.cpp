// affine-cipher: the affine cipher teaching window.

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "app/display_check.h"
#include "app/platform_choice.h"
#include "ui/window/main_window.h"

namespace {

// Starts a step of the start-up on a thread of its own, so that it takes the second core while
// the main thread goes on. Where no thread can be had the step is left out, and Qt does the same
// work itself where it first needs it.
template <typename Step>
std::jthread OnSecondCore(Step step) {
    try {
        return std::jthread(std::move(step));
    } catch (const std::system_error&) {
        return {};
    }
}

}  // namespace

int main(int argc, char** argv) {
    PreferX11OnWaylandSession(argc, argv);
    // The desktop entry and icon that the desktop shows for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(AFFINE_APPLICATION_ID));

    // Made before the thread below and so destroyed after it, also if an exception leaves
    // main early.
    std::optional<QApplication> application;

    // Reading fontconfig's configuration files and font caches is the largest single step of the
    // start-up, and none of it waits for the display; Qt would do it on the main thread when it
    // first needs a font, after connecting to the display, and now finds it done.
    std::jthread fontConfiguration = OnSecondCore([] { FcInit(); });

    {
        const DisplayCheck check;
        application.emplace(argc, argv);
    }

    // Fontconfig does not wait for a reading under way but starts another, so the reading ends
    // before the program first uses a font.
    if (fontConfiguration.joinable()) {
        fontConfiguration.join();
    }
    MainWindow::PrepareApplication();
    MainWindow window;
    window.show();
    return application->exec();
}
