#include "app/display_check.h"

#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <bitset>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

// Last: its macros (None, Bool, Status, ...) would clash with names in the headers above.
#include <X11/Xlib.h>

namespace {

// A message as Qt logged it. The context's strings point into the program's static data, so
// keeping the pointers is enough.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;
// Qt logs from its own threads too: Qt's Wayland plug-in reads the compositor on one.
std::mutex heldMutex;

QByteArray Utf8(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Writes the line and ends the program at once: Qt's own exit would follow, or its abort.
[[noreturn]] void SayAndExit(const QByteArray& line) {
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::_Exit(DisplayCheck::kNoDisplayStatus);
}

// A held message on one line, with its category in front as Qt's default format shows it.
QString OneLine(const char* category, const QString& text) {
    const QString line = text.simplified();
    if (category == nullptr || std::strcmp(category, "default") == 0) {
        return line;
    }
    return QString::fromUtf8(category) + QStringLiteral(": ") + line;
}

// The line: its start, the held messages and the last one, which ends the program.
[[noreturn]] void Explain(std::string_view start, const QString& last) {
    QStringList reasons;
    for (const HeldMessage& message : heldMessages) {
        reasons << OneLine(message.category, message.text);
    }
    if (!last.isEmpty()) {
        reasons << last;
    }
    SayAndExit(Utf8(start) + reasons.join(QStringLiteral("; ")).toUtf8());
}

// The sockets open before Qt starts, which are not Qt's connection to the display server, and the
// Wayland compositor's socket as the environment names it; both are found beforehand, so that
// DisplayServerHungUp needs nothing that a signal handler may not use.
constexpr int kDescriptors = 1024;
std::bitset<kDescriptors> socketsBefore;
char waylandSocket[sizeof(sockaddr_un::sun_path)] = {};

bool IsDisplayServer(const sockaddr_storage& address, socklen_t length) {
    if (address.ss_family == AF_UNIX) {
        const auto& local = reinterpret_cast<const sockaddr_un&>(address);
        const std::size_t size = length - offsetof(sockaddr_un, sun_path);
        const std::string_view path(local.sun_path, ::strnlen(local.sun_path, size));
        // An X server listens on /tmp/.X11-unix/X<n>, as a file and under that abstract name,
        // whose first character is a null.
        const std::string_view name =
            path.empty() && size > 1 ? std::string_view(local.sun_path + 1, size - 1) : path;
        return name.find("/.X11-unix/X") != std::string_view::npos ||
               (waylandSocket[0] != '\0' && path == waylandSocket);
    }
    // An X server on the network listens on port 6000 and the next ones.
    int port = 0;
    if (address.ss_family == AF_INET) {
        port = ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    } else if (address.ss_family == AF_INET6) {
        port = ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return port >= 6000 && port < 6100;
}

bool IsDisplayServerSocket(int descriptor) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    return ::getpeername(descriptor, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
           IsDisplayServer(address, length);
}

// Calls visit with each open descriptor below kDescriptors, as /proc/self/fd lists them (where it
// cannot be read, with every number), until visit returns true. System calls only, as a signal
// handler may make; going through all numbers would take a system call each, some milliseconds.
template <typename Visit>
bool AnyDescriptor(Visit visit) {
    const int directory = ::open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0) {
        for (int descriptor = 0; descriptor < kDescriptors; ++descriptor) {
            if (visit(descriptor)) {
                return true;
            }
        }
        return false;
    }
    bool found = false;
    alignas(dirent64) char entries[2048];
    ssize_t size = 0;
    while (!found && (size = ::getdents64(directory, entries, sizeof entries)) > 0) {
        for (ssize_t offset = 0; !found && offset < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(entries + offset);
            offset += entry->d_reclen;
            int descriptor = 0;
            const char* digit = entry->d_name;
            for (; *digit >= '0' && *digit <= '9' && descriptor < kDescriptors; ++digit) {
                descriptor = descriptor * 10 + (*digit - '0');
            }
            if (*digit == '\0' && digit != entry->d_name && descriptor < kDescriptors &&
                descriptor != directory) {
                found = visit(descriptor);
            }
        }
    }
    ::close(directory);
    return found;
}

// Whether a connection that Qt made to an X server or Wayland compositor has been closed by the
// other side: the server ended, or dropped the program.
bool DisplayServerHungUp() {
    return AnyDescriptor([](int descriptor) {
        if (socketsBefore[std::size_t(descriptor)] || !IsDisplayServerSocket(descriptor)) {
            return false;
        }
        pollfd connection{descriptor, POLLRDHUP, 0};
        return ::poll(&connection, 1, 0) == 1 && (connection.revents & (POLLRDHUP | POLLHUP)) != 0;
    });
}

constexpr std::string_view kHungUp = "the connection to it closed while Qt was opening it";

// Qt 6.4's X11 plug-in reads replies without checking that they came (QXcbScreen's
// updateColorSpaceAndEdid and setMonitor, as it sets up its screens), so an X server that ends
// just then makes it read through a null pointer. That fault becomes the program's line; any other
// is left to the handling there was before.
struct sigaction segvBefore = {};

// Writes the line for a server that hung up and ends the program, as a signal handler may.
[[noreturn]] void SayHungUpAndExit() {
    for (std::string_view part :
         {DisplayCheck::kDisplayLostStart, kHungUp, std::string_view("\n")}) {
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, part.data(), part.size());
    }
    ::_exit(DisplayCheck::kNoDisplayStatus);
}

void OnSegv(int /*signal*/) {
    if (DisplayServerHungUp()) {
        SayHungUpAndExit();
    }
    // The faulting instruction runs again on return and faults as it would have.
    ::sigaction(SIGSEGV, &segvBefore, nullptr);
}

// Xlib, which Qt's X11 plug-in opens the display with, ends the program with a line of its own
// ("X connection to :1 broken ...") when the server goes away before the plug-in has put in its
// own handler. Xlib takes one handler for the whole program, so this one, put in before Qt
// starts, is used until then.
int OnXlibConnectionBroken(Display* /*display*/) {
    SayHungUpAndExit();
}

// Notes the sockets open before Qt starts and the compositor's socket, and puts in the handlers
// above.
void WatchForDisplayServerGoingAway() {
    AnyDescriptor([](int descriptor) {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        socketsBefore[std::size_t(descriptor)] =
            ::getpeername(descriptor, reinterpret_cast<sockaddr*>(&address), &length) == 0;
        return false;
    });
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    const QByteArray path =
        display.startsWith('/')
            ? display
            : qgetenv("XDG_RUNTIME_DIR") + '/' + (display.isEmpty() ? "wayland-0" : display);
    if (std::size_t(path.size()) < sizeof waylandSocket) {
        std::memcpy(waylandSocket, path.constData(), std::size_t(path.size()) + 1);
    }
    struct sigaction onSegv = {};
    onSegv.sa_handler = OnSegv;
    sigemptyset(&onSegv.sa_mask);
    ::sigaction(SIGSEGV, &onSegv, &segvBefore);
    XSetIOErrorHandler(OnXlibConnectionBroken);
}

// Qt's warning when the connection to the display server breaks. Its X11 and Wayland plug-ins end
// the program right after it with status 1 (exit or _exit), so held messages would be lost, and
// the Xlib that Qt's X11 plug-in also uses would add a line of its own.
bool SaysDisplayServerWentAway(QtMsgType type, const QString& text) {
    return type == QtWarningMsg && (text.startsWith(u"The X11 connection broke") ||
                                    text.startsWith(u"The Wayland connection "));
}

void HoldOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    if (SaysDisplayServerWentAway(type, text)) {
        Explain(DisplayCheck::kDisplayLostStart, OneLine(context.category, text));
    }
    if (type != QtFatalMsg) {
        heldMessages.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // Qt would abort next and leave a core dump. Its fatal message only says that no platform
    // plug-in could be initialised, and suggests reinstalling; the reasons are in the messages
    // before it.
    Explain(
        DisplayCheck::kNoDisplayStart,
        heldMessages.empty() ? OneLine(context.category, text.section(u'\n', 0, 0)) : QString());
}

// Once the application object is made, messages go out as Qt prints them, but for a display
// server that goes away, which gets the program's line: Qt's warning that the connection broke,
// and any message of Qt's that comes once the server has hung up, such as Qt's Wayland plug-in's
// failure to set up EGL for the window, which comes before that warning.
void PassOn(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (SaysDisplayServerWentAway(type, text) || (type != QtDebugMsg && DisplayServerHungUp())) {
        const std::lock_guard lock(heldMutex);
        Explain(DisplayCheck::kDisplayLostStart, OneLine(context.category, text));
    }
    previousHandler(type, context, text);
}

// Qt reads QT_SCALE_FACTOR with QString::toDouble and takes whatever number it gets: at 0, at
// infinity or at not-a-number it shows no window and waits for ever, at a negative factor it makes
// a window of 65,376 pixels. What is no number it ignores.
void RefuseScaleFactorQtCannotUse() {
    static const char kName[] = "QT_SCALE_FACTOR";
    if (qEnvironmentVariableIsEmpty(kName)) {
        return;
    }
    const QString value = qEnvironmentVariable(kName);
    bool isNumber = false;
    const double factor = value.toDouble(&isNumber);
    // Not-a-number fails both comparisons.
    if (isNumber && factor >= DisplayCheck::kLeastScaleFactor &&
        factor <= DisplayCheck::kGreatestScaleFactor) {
        return;
    }
    // The value as given, on one line and not too long to read.
    constexpr qsizetype kShown = 40;
    QString shown = value.left(kShown);
    for (QChar& character : shown) {
        if (!character.isPrint()) {
            character = u'?';
        }
    }
    if (value.size() > kShown) {
        shown += QStringLiteral("...");
    }
    const QString range = QStringLiteral("the window is drawn at factors from %1 to %2")
                              .arg(DisplayCheck::kLeastScaleFactor)
                              .arg(DisplayCheck::kGreatestScaleFactor);
    SayAndExit(Utf8(DisplayCheck::kScaleFactorStart) + shown.toUtf8() +
               " is not a scale factor Qt can use: " +
               (isNumber ? range : QStringLiteral("it is no number; ") + range).toUtf8());
}

}  // namespace

DisplayCheck::DisplayCheck() {
    RefuseScaleFactorQtCannotUse();
    WatchForDisplayServerGoingAway();
    previousHandler = qInstallMessageHandler(HoldOrExplain);
}

DisplayCheck::~DisplayCheck() {
    ::sigaction(SIGSEGV, &segvBefore, nullptr);
    // A server that ended while Qt set up its connection may not have been noticed yet: Qt's
    // Wayland plug-in then goes on with a stand-in screen and only ends once the window is made.
    if (DisplayServerHungUp()) {
        const std::lock_guard lock(heldMutex);
        Explain(DisplayCheck::kDisplayLostStart,
                QString::fromUtf8(kHungUp.data(), qsizetype(kHungUp.size())));
    }
    qInstallMessageHandler(PassOn);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(heldMutex);
        held = std::exchange(heldMessages, {});
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}
