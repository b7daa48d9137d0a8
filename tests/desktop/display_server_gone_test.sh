#!/usr/bin/env bash
# usage: private_session.sh display_server_gone_test.sh PROGRAM
# affine-cipher started on a display server that goes away while Qt connects to it: weston that
# stops answering and is then killed, and an X server (Xvfb behind x_relay_that_ends.py) that
# closes the connection as Xlib opens it or as Qt reads its screens. Each time the program ends
# with status 1 and one line that says so: not without a word, not in Xlib's words, not with a
# crash.
set -uo pipefail
program=$1
relay=$(dirname "$0")/x_relay_that_ends.py
failures=0
log=/tmp/program.log
# No session bus, so that no dbus-launch connects to the X server beside the program.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/tmp/no-session-bus
ulimit -c 0

eventually() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# check DESCRIPTION STATUS: the program's status and standard error as they should be.
check() {
    local lines
    lines=$(wc -l <"$log")
    if [[ $2 -eq 1 && $lines -eq 1 ]] &&
        grep -q '^affine-cipher: the display server went away: ' "$log"; then
        echo "ok: $1"
    else
        echo "FAIL: $1: status $2, $lines lines on standard error:"
        sed 's/^/  | /' "$log"
        failures=$((failures + 1))
    fi
}

echo "== weston stops answering as the program connects, then ends"
weston --socket=wayland-gone --backend=headless-backend.so --use-pixman --idle-time=0 \
    >/tmp/weston.log 2>&1 &
weston_pid=$!
eventually test -e "$XDG_RUNTIME_DIR/wayland-gone"
kill -STOP "$weston_pid"
WAYLAND_DISPLAY=wayland-gone QT_QPA_PLATFORM=wayland "$program" 2>"$log" &
program_pid=$!
# The program has connected and sent its first requests, which weston leaves unread (ss -x:
# kind, bytes received, bytes sent and not yet read, ...).
sent_to_weston() { ss -xHp state established | grep "pid=$program_pid," | awk '$3 > 0' | grep -q .; }
eventually sent_to_weston || echo "the program sent weston nothing"
kill -KILL "$weston_pid"
wait "$program_pid"
check "weston went away" $?

echo "== the X server closes the connection as Xlib opens it, and as Qt reads its screens"
Xvfb :60 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
eventually env DISPLAY=:60 xdotool getdisplaygeometry >/dev/null 2>&1
number=61
for moment in first-request icc-profile; do
    exec 3< <(python3 "$relay" $number 60 $moment)
    read -r -t 10 _ <&3
    DISPLAY=:$number "$program" 2>"$log"
    check "the X server went away at the $moment" $?
    number=$((number + 1))
done

echo "$failures failed"
[[ $failures -eq 0 ]]
