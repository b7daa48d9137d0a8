#include "ui/desktop/session_bus_preload.h"

#include <QDBusConnection>
#include <QThread>

#include <system_error>

SessionBusPreload::SessionBusPreload() {
    // Qt takes the first thread that asks for its thread object as the application's main thread;
    // this one asks before the connection makes Qt objects on the other.
    QThread::currentThread();
    try {
        // Made away from the main thread, the connection hands on what comes in at once instead
        // of from the first pass of the event loop on. Either way the bridge's objects, which
        // live in the main thread, receive it from the event loop, and the window offers nothing
        // else on the session bus.
        connector_ = std::thread([] { QDBusConnection::sessionBus(); });
    } catch (const std::system_error&) {
        // Without a second thread the bridge connects itself, as it always did.
    }
}

SessionBusPreload::~SessionBusPreload() {
    if (connector_.joinable()) {
        connector_.join();
    }
}
