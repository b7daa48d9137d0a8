#include "ui/desktop/session_bus_preload.h"

#include <QDBusConnection>
#include <QThread>

// Made away from the main thread, the connection hands on what comes in at once instead of from
// the first pass of the event loop on. Either way the bridge's objects, which live in the main
// thread, receive it from the event loop, and the window offers nothing else on the session bus.
SessionBusPreload::SessionBusPreload() : connector_([] { QDBusConnection::sessionBus(); }) {}

bool SessionBusPreload::MainThreadNamed() {
    // Qt takes the first thread that asks for its thread object as the application's main
    // thread; this one asks before the connection makes Qt objects on the other.
    return QThread::currentThread() != nullptr;
}
