"""The client of bench/listening-storm, run by tests/ui/accessibility/on-accessibility-bus."""

import os
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

PROGRAM = int(os.environ["AFFINE_PROGRAM_PID"])
CLICKS = int(os.environ.get("STORM_CLICKS", "25000"))


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.005)


def rss_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def bus_daemon():
    # The accessibility bus's own dbus-daemon, started by at-spi-bus-launcher.
    found = subprocess.run(["pgrep", "-f", "at-spi/bus"], capture_output=True, text=True)
    pids = [int(p) for p in found.stdout.split()]
    return pids[-1] if pids else None


def main():
    events = [0]

    def hear(_event):
        events[0] += 1

    listener = Atspi.EventListener.new(hear)
    for kind in ("object:", "window:", "focus:", "document:"):
        listener.register(kind)
    keystrokes = Atspi.DeviceListener.new(lambda event: False)
    kinds = (1 << Atspi.EventType.KEY_PRESSED_EVENT) | (1 << Atspi.EventType.KEY_RELEASED_EVENT)
    Atspi.register_keystroke_listener(keystrokes, None, 0, kinds,
                                      Atspi.KeyListenerSyncType.SYNCHRONOUS)
    app = None
    end = time.monotonic() + 20
    while app is None and time.monotonic() < end:
        pump(0.2)
        desktop = Atspi.get_desktop(0)
        for k in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(k)
            if child is not None and child.get_process_id() == PROGRAM \
                    and child.get_child_count() > 0:
                app = child
    window = app.get_child_at_index(0)
    controls = [window.get_child_at_index(k) for k in range(window.get_child_count())]
    line = [c for c in controls if c.get_role() == Atspi.Role.TEXT][0]
    button = [c for c in controls
              if c.get_role() == Atspi.Role.PUSH_BUTTON and c.get_name() == "Криптирай"][0]
    Atspi.EditableText.set_text_contents(line, "AFFINECIPHER" * 3 + "ABCD")
    box = Atspi.Component.get_extents(button, Atspi.CoordType.SCREEN)
    x_window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                               str(PROGRAM)], capture_output=True, text=True, check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window.stdout.split()[0],
                    "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2)],
                   check=True)
    pump(2)
    daemon = bus_daemon()
    start = rss_mb(PROGRAM), rss_mb(daemon) if daemon else 0.0

    sent = time.monotonic()
    clicks = subprocess.Popen(["xdotool", "click", "--repeat", str(CLICKS), "--delay", "1", "1"])
    while clicks.poll() is None:
        pump(0.05)
    sent = time.monotonic() - sent
    # The answer: a round trip to the window through the bus, the client going on reading.
    # A call that times out (libatspi waits 25 s) is asked again until the window answers.
    asked = time.monotonic()
    while True:
        try:
            Atspi.Text.get_text(line, 0, 1)
            break
        except GLib.Error:
            pump(0.01)
    answer = time.monotonic() - asked
    after = rss_mb(PROGRAM), rss_mb(daemon) if daemon else 0.0
    pump(10)
    settled = rss_mb(PROGRAM), rss_mb(daemon) if daemon else 0.0
    print("clicks %d sent in %.1f s, events heard %d" % (CLICKS, sent, events[0]))
    print("answer after the storm  %.3f s" % answer)
    print("program RSS MB   start %.1f  after %.1f  settled %.1f  (+%.1f)"
          % (start[0], after[0], settled[0], settled[0] - start[0]))
    print("bus daemon RSS MB start %.1f  after %.1f  settled %.1f"
          % (start[1], after[1], settled[1]))


main()
