// affine-cipher: the affine cipher teaching window.

#include <QApplication>
#include <optional>

#include "app/display_check.h"
#include "app/platform_choice.h"
#include "ui/desktop/font_configuration_preload.h"
#include "ui/desktop/session_bus_preload.h"
#include "ui/window/main_window.h"

int main(int argc, char** argv) {
    PreferX11OnWaylandSession(argc, argv);
    // The desktop entry and icon that the desktop shows for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(AFFINE_APPLICATION_ID));
    // The session bus is found and the font configuration read on a second core while Qt
    // connects to the display.
    const SessionBusPreload sessionBus;
    FontConfigurationPreload fontConfiguration;
    std::optional<QApplication> application;
    {
        const DisplayCheck check;
        application.emplace(argc, argv);
    }
    fontConfiguration.Wait();
    MainWindow::PrepareApplication();
    MainWindow window;
    window.show();
    return application->exec();
}
