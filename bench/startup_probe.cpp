// startup-probe: starts a program, watches the X server for its top-level window and reports how
// long the program took from exec to the first grab of the window as it then stayed, and its peak
// resident memory a while after the window appeared. One line of key=value pairs per run.
//
// usage: startup-probe [options] -- program [arguments...]
//   --label NAME        name printed with the figures (default: the program's file name)
//   --settle MS         how long the picture must stay the same (default 1500)
//   --memory-at MS      when to read the peak resident memory, after the window appeared (1500)
//   --timeout MS        give up when the window has not settled by then, from the start (20000)
//   --interval US       the least time from one grab to the next (default 0: grab back to back)
//   --caret WxH         largest area taken for a blinking caret (4x48; 0x0 for none)
//   --mask X,Y,W,H      an area of the window never compared (repeatable)
//   --env NAME=VALUE    passed to the program besides DISPLAY (repeatable)
//   --log FILE          the program's standard output and error (default /dev/null)
//   --save FILE         the settled picture, as a binary PPM

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/picture_settling.h"

namespace {

struct Settings {
    std::string label;
    std::int64_t settleMs = 1500;
    std::int64_t memoryAtMs = 1500;
    std::int64_t timeoutMs = 20000;
    std::int64_t intervalUs = 0;
    PictureSettling::Options settling;
    std::vector<std::string> environment;
    std::string log = "/dev/null";
    std::string save;
    std::vector<std::string> command;
};

std::int64_t Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double Milliseconds(std::int64_t nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

[[noreturn]] void Fail(const Settings& settings, const char* status, const std::string& detail) {
    std::printf("label=%s status=%s detail=\"%s\"\n", settings.label.c_str(), status,
                detail.c_str());
    std::exit(EXIT_FAILURE);
}

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(
        stderr,
        "startup-probe: %s\nusage: startup-probe [--label NAME] [--settle MS] "
        "[--memory-at MS] [--timeout MS] [--interval US] [--caret WxH] [--mask X,Y,W,H]... "
        "[--env NAME=VALUE]... [--log FILE] [--save FILE] -- program [arguments...]\n",
        problem);
    std::exit(2);
}

std::int64_t Number(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0) {
        Usage("a number was expected");
    }
    return value;
}

Settings ParseArguments(int argc, char* argv[]) {
    Settings settings;
    int i = 1;
    auto value = [&]() -> const char* {
        if (i + 1 >= argc) {
            Usage("an option lacks its value");
        }
        return argv[++i];
    };
    for (; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--") {
            ++i;
            break;
        } else if (option == "--label") {
            settings.label = value();
        } else if (option == "--settle") {
            settings.settleMs = Number(value());
        } else if (option == "--memory-at") {
            settings.memoryAtMs = Number(value());
        } else if (option == "--timeout") {
            settings.timeoutMs = Number(value());
        } else if (option == "--interval") {
            settings.intervalUs = Number(value());
        } else if (option == "--caret") {
            int width = 0;
            int height = 0;
            if (std::sscanf(value(), "%dx%d", &width, &height) != 2 || width < 0 || height < 0) {
                Usage("--caret takes WxH");
            }
            settings.settling.caretMaxWidth = width;
            settings.settling.caretMaxHeight = height;
        } else if (option == "--mask") {
            PictureSettling::Rect mask;
            if (std::sscanf(value(), "%d,%d,%d,%d", &mask.x, &mask.y, &mask.width, &mask.height) !=
                4) {
                Usage("--mask takes X,Y,W,H");
            }
            settings.settling.masks.push_back(mask);
        } else if (option == "--env") {
            settings.environment.emplace_back(value());
        } else if (option == "--log") {
            settings.log = value();
        } else if (option == "--save") {
            settings.save = value();
        } else {
            Usage("unknown option");
        }
    }
    for (; i < argc; ++i) {
        settings.command.emplace_back(argv[i]);
    }
    if (settings.command.empty()) {
        Usage("no program to start");
    }
    if (settings.label.empty()) {
        const std::string& program = settings.command.front();
        settings.label = program.substr(program.find_last_of('/') + 1);
    }
    settings.settling.settleNanoseconds = settings.settleMs * 1'000'000;
    return settings;
}

// The running program. The child writes its clock reading just before exec into a pipe that
// exec closes, so the parent learns both the start time and whether exec worked.
struct Child {
    pid_t pid = -1;
    std::int64_t started = 0;
    bool ended = false;
};

Child Start(const Settings& settings, int xFileDescriptor) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        Fail(settings, "error", "pipe");
    }
    std::vector<std::string> environment = settings.environment;
    if (const char* display = std::getenv("DISPLAY")) {
        environment.insert(environment.begin(), std::string("DISPLAY=") + display);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> command = settings.command;
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        Fail(settings, "error", "fork");
    }
    if (pid == 0) {
        close(pipeEnds[0]);
        close(xFileDescriptor);
        setpgid(0, 0);  // so that whatever it starts ends with it
        const int input = open("/dev/null", O_RDONLY);
        const int output = open(settings.log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (input < 0 || output < 0) {
            _exit(126);
        }
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        const std::int64_t now = Now();
        if (write(pipeEnds[1], &now, sizeof now) != sizeof now) {
            _exit(126);
        }
        execve(argv[0], argv.data(), envp.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &error, sizeof error);
        _exit(127);
    }
    close(pipeEnds[1]);
    Child child{pid, 0};
    int error = 0;
    const bool gotTime = read(pipeEnds[0], &child.started, sizeof child.started) ==
                         static_cast<ssize_t>(sizeof child.started);
    const bool execFailed = read(pipeEnds[0], &error, sizeof error) > 0;
    close(pipeEnds[0]);
    if (!gotTime || execFailed) {
        waitpid(pid, nullptr, 0);
        Fail(settings, "exec-failed", execFailed ? std::strerror(error) : "child failed");
    }
    return child;
}

void Stop(const Child& child) {
    if (child.ended) {
        kill(-child.pid, SIGKILL);  // anything it left behind
        return;
    }
    kill(-child.pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        // The child may have been reaped already, when it ended by itself.
        if (waitpid(child.pid, nullptr, WNOHANG) != 0) {
            kill(-child.pid, SIGKILL);  // anything it left behind
            return;
        }
        usleep(10'000);
    }
    kill(-child.pid, SIGKILL);
    waitpid(child.pid, nullptr, 0);
}

bool Exited(Child& child) {
    if (!child.ended) {
        int status = 0;
        child.ended = waitpid(child.pid, &status, WNOHANG) == child.pid;
    }
    return child.ended;
}

// VmHWM and VmRSS in KiB, from /proc/PID/status.
std::pair<long, long> Memory(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    long peak = -1;
    long resident = -1;
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            peak = std::strtol(line.c_str() + 6, nullptr, 10);
        } else if (line.rfind("VmRSS:", 0) == 0) {
            resident = std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return {peak, resident};
}

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

Event NextEvent(xcb_connection_t* connection) {
    return Event(xcb_poll_for_event(connection), &std::free);
}

// The window the program maps first at the top level, not counting override-redirect ones
// (menus, tooltips). Nothing else maps top-level windows on the probe's own X server.
std::optional<xcb_window_t> WaitForMap(xcb_connection_t* connection, const Settings& settings,
                                       Child& child, std::int64_t deadline) {
    const int descriptor = xcb_get_file_descriptor(connection);
    while (Now() < deadline) {
        while (Event event = NextEvent(connection)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if (!map->override_redirect) {
                    return map->window;
                }
            }
        }
        if (xcb_connection_has_error(connection)) {
            Fail(settings, "error", "X connection lost");
        }
        if (Exited(child)) {
            return std::nullopt;
        }
        pollfd ready{descriptor, POLLIN, 0};
        poll(&ready, 1, 5);
    }
    return std::nullopt;
}

std::optional<PictureSettling::Picture> Grab(xcb_connection_t* connection, xcb_window_t window,
                                             std::uint16_t width, std::uint16_t height) {
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply || height == 0) {
        return std::nullopt;
    }
    const auto length = static_cast<std::size_t>(xcb_get_image_data_length(reply.get()));
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    PictureSettling::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.stride = length / height;
    picture.bytesPerPixel = width == 0 ? 4 : static_cast<int>(picture.stride / width);
    picture.bytes.assign(data, data + length);
    return picture;
}

// Writes a grab of a 24-bit window (bytes blue, green, red, unused) as a binary PPM.
void Save(const std::string& path, const PictureSettling::Picture& picture) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* row =
            picture.bytes.data() + static_cast<std::size_t>(y) * picture.stride;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* pixel = row + static_cast<std::size_t>(x * picture.bytesPerPixel);
            const char rgb[3] = {static_cast<char>(pixel[2]), static_cast<char>(pixel[1]),
                                 static_cast<char>(pixel[0])};
            out.write(rgb, 3);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const Settings settings = ParseArguments(argc, argv);

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        Fail(settings, "error", "cannot connect to the X server");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    // Watch the root before the program starts, so that no map can slip by; the checked request
    // makes sure the server has taken the selection.
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (auto* error =
            xcb_request_check(connection, xcb_change_window_attributes_checked(
                                              connection, root, XCB_CW_EVENT_MASK, &rootEvents))) {
        std::free(error);
        Fail(settings, "error", "cannot watch the root window");
    }

    Child child = Start(settings, xcb_get_file_descriptor(connection));
    const std::int64_t deadline = child.started + settings.timeoutMs * 1'000'000;
    const std::optional<xcb_window_t> window = WaitForMap(connection, settings, child, deadline);
    const std::int64_t mapped = Now();
    if (!window) {
        const bool exited = Exited(child);
        Stop(child);
        Fail(settings, exited ? "exited" : "no-window", "no top-level window was mapped");
    }

    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, *window), nullptr),
        &std::free);
    if (!geometry) {
        Stop(child);
        Fail(settings, "error", "the window went away");
    }
    std::uint16_t width = geometry->width;
    std::uint16_t height = geometry->height;

    PictureSettling settling(settings.settling);
    std::optional<std::pair<long, long>> memory;
    const std::int64_t memoryAt = mapped + settings.memoryAtMs * 1'000'000;
    std::int64_t firstGrab = 0;
    std::int64_t lastGrab = 0;
    std::size_t grabs = 0;
    const char* status = "ok";
    while (!settling.Settled()) {
        if (!memory && Now() >= memoryAt) {
            memory = Memory(child.pid);
        }
        if (Now() >= deadline) {
            status = "unsettled";
            break;
        }
        if (Exited(child)) {
            status = "exited";
            break;
        }
        while (Event event = NextEvent(connection)) {
            if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY) {
                const auto* configure =
                    reinterpret_cast<const xcb_configure_notify_event_t*>(event.get());
                if (configure->window == *window) {
                    width = configure->width;
                    height = configure->height;
                }
            }
        }
        // A grab shows the window as the server held it when the request arrived, so it is
        // timed from just before the request goes out.
        if (grabs > 0 && settings.intervalUs > 0) {
            const std::int64_t due = lastGrab + settings.intervalUs * 1000;
            if (const std::int64_t wait = due - Now(); wait > 0) {
                usleep(static_cast<useconds_t>(wait / 1000));
            }
        }
        const std::int64_t now = Now();
        std::optional<PictureSettling::Picture> picture = Grab(connection, *window, width, height);
        if (!picture) {
            status = "grab-failed";
            break;
        }
        firstGrab = grabs == 0 ? now : firstGrab;
        lastGrab = now;
        ++grabs;
        settling.Add(now, std::move(*picture));
    }
    // The picture settles well after the memory is due, unless the settling period is short.
    if (!memory && std::strcmp(status, "ok") == 0) {
        const std::int64_t wait = memoryAt - Now();
        if (wait > 0) {
            usleep(static_cast<useconds_t>(wait / 1000));
        }
    }
    if (!memory) {
        memory = Memory(child.pid);
    }
    Stop(child);
    xcb_disconnect(connection);

    if (!settings.save.empty() && settling.Pictures() > 0) {
        Save(settings.save, settling.Last());
    }
    std::string caret = "none";
    if (const auto area = settling.Caret()) {
        caret = std::to_string(area->width) + "x" + std::to_string(area->height) + "+" +
                std::to_string(area->x) + "+" + std::to_string(area->y);
    }
    const double grabMs =
        grabs > 1 ? Milliseconds(lastGrab - firstGrab) / static_cast<double>(grabs - 1) : 0.0;
    std::printf(
        "label=%s status=%s frame_ms=%.3f map_ms=%.3f vmhwm_kib=%ld vmrss_kib=%ld grabs=%zu "
        "grab_ms=%.3f pictures=%zu caret=%s width=%u height=%u\n",
        settings.label.c_str(), settling.LostHistory() ? "lost-history" : status,
        Milliseconds(settling.SettledSince() - child.started), Milliseconds(mapped - child.started),
        memory->first, memory->second, grabs, grabMs, settling.Pictures(), caret.c_str(), width,
        height);
    return std::strcmp(status, "ok") == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
