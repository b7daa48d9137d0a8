#!/usr/bin/env bash
# usage: private_session.sh display_servers_test.sh PROGRAM
# affine-cipher started as a desktop starts it, against real display servers: weston with
# Xwayland (a Wayland session that also offers X), weston alone, Xvfb of several sizes, and no
# display at all. It tells where the window went from the servers' side: the Wayland requests
# the program made (WAYLAND_DEBUG) and the windows the X server holds (xwininfo).
set -uo pipefail
program=$1
failures=0

# check DESCRIPTION COMMAND...: runs the command and reports the check passed or failed.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
# Polls a command until it succeeds, for up to $deadline seconds, or until the program started
# last has ended, as nothing it was to do can come after that. The deadline is long enough for a
# sanitizer build on cores busy with other work; a passing run never waits for it.
deadline=90
eventually() {
    local end=$((SECONDS + deadline))
    until "$@"; do
        if ((SECONDS >= end)) || { [[ -n ${program_pid:-} ]] && ! alive; }; then
            return 1
        fi
        sleep 0.1
    done
}

source "$(dirname "$0")/../../scripts/with-xvfb"
start_weston() { # socket log weston-option...
    local socket=$1 log=$2
    shift 2
    weston --socket="$socket" --use-pixman --idle-time=0 "$@" >"$log" 2>&1 &
    eventually test -e "$XDG_RUNTIME_DIR/$socket" ||
        { echo "weston made no socket in $deadline s:"; sed 's/^/  | /' "$log"; }
}

# The program, started in the background with the environment given; its standard error, with
# the Wayland requests it made, in $run_log.
run_log=/tmp/program.log
start_program() { # VAR=value... -- argument...
    local environment=()
    while [[ $1 != -- ]]; do
        environment+=("$1")
        shift
    done
    shift
    env "${environment[@]}" WAYLAND_DEBUG=1 "$program" "$@" >"$run_log" 2>&1 &
    program_pid=$!
}
stop_program() {
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    program_pid=
}
on_wayland() { grep -q 'xdg_toplevel@[0-9]*\.set_title' "$run_log"; }
x_window() { # display: the id of the window whose title ends in "Affine cipher"
    DISPLAY=$1 xdotool search --name 'Affine cipher$' 2>/dev/null | head -n 1
}
on_x() { [[ -n $(x_window "$1") ]]; }
# The window of the case before may still be on the X server for a moment after its program
# ended, so the absence of the other window system is polled for too.
only_x() { on_x "$1" && ! on_wayland; }
only_wayland() { on_wayland && ! on_x "$1"; }
through_x() { eventually only_x "$1"; }
natively() { eventually only_wayland "$1"; }
alive() { kill -0 "$program_pid" 2>/dev/null; }
position() { # display: "x,y" of the window's top-left corner on the screen, or "no window"
    local window
    window=$(x_window "$1")
    # Without an id xwininfo would wait for a click on some window.
    [[ -n $window ]] || { echo "no window"; return; }
    DISPLAY=$1 xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x "," y}'
}

echo "== the window system on a Wayland session"
start_weston wayland-1 /tmp/weston-headless.log --backend=headless-backend.so --xwayland
eventually grep -q 'xserver listening on display' /tmp/weston-headless.log ||
    { echo "weston offered no X display in $deadline s:"; sed 's/^/  | /' /tmp/weston-headless.log; }
xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' /tmp/weston-headless.log)
session=(XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-1)
for choice in "with X offered" "QT_QPA_PLATFORM=wayland" "-platform wayland" "without X"; do
    case $choice in
        "with X offered") start_program "${session[@]}" "DISPLAY=$xwayland" -- ;;
        QT_QPA_PLATFORM=*) start_program "${session[@]}" "DISPLAY=$xwayland" "$choice" -- ;;
        -platform*) start_program "${session[@]}" "DISPLAY=$xwayland" -- -platform wayland ;;
        "without X") start_program "${session[@]}" -- ;;
    esac
    if [[ $choice == "with X offered" ]]; then
        check "$choice: through Xwayland" through_x "$xwayland"
    else
        check "$choice: native Wayland" natively "$xwayland"
    fi
    stop_program
done

echo "== maximised and full screen by weston on Wayland alone"
# weston on an X server, so that xdotool can press its shortcuts: Super+Shift+M maximises the
# focused window, Super+Shift+F makes it full screen. Each key is pressed once what the one before
# brought about has reached the program: the size weston asked for, or the key typed.
start_xvfb
weston_x=$xvfb_display
DISPLAY=$weston_x start_weston wayland-2 /tmp/weston-x11.log --backend=x11-backend.so \
    --width=1000 --height=800
start_program XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-2 --
eventually grep -q 'xdg_surface@[0-9]*\.ack_configure' "$run_log"
configured='^[^>]*xdg_toplevel@[0-9]+\.configure\('
typed='^[^>]*wl_keyboard@[0-9]+\.key\('
lines() { grep -Ec "$1" "$run_log"; }
more_than() { (($(lines "$1") > $2)); }
press() { # key, and what the program receives for it (an extended regular expression)
    local before
    before=$(lines "$2")
    DISPLAY=$weston_x xdotool key "$1"
    eventually more_than "$2" "$before" || echo "nothing came of $1 in $deadline s"
}
sized() { grep -Eq "xdg_toplevel@[0-9]+\.configure\($1" "$run_log"; }
DISPLAY=$weston_x xdotool mousemove 500 400
press super+shift+m "$configured"
check "weston maximised the window" eventually sized '1000, [0-9]+'
press a "$typed"
press super+shift+m "$configured"
press super+shift+f "$configured"
check "weston made the window full screen" eventually sized '1000, 800'
press b "$typed"
press super+shift+f "$configured"
# A buffer that does not fit the size weston asked for makes weston end the program with a
# protocol error. Once the program has answered the last size and a key typed after that still
# reaches it, weston has taken its answer. Sizes that come together are answered by the last one.
last_serial() { grep -Eo "$1" "$run_log" | tail -n 1 | grep -Eo '[0-9]+$'; }
acked() {
    local asked
    asked=$(last_serial '^[^>]*xdg_surface@[0-9]+\.configure\([0-9]+')
    [[ -n $asked && $asked == "$(last_serial 'xdg_surface@[0-9]+\.ack_configure\([0-9]+')" ]]
}
eventually acked || echo "the last size weston asked for was not answered in $deadline s"
press c "$typed"
unharmed() { alive && ! grep -m 1 'error' "$run_log"; }
check "the window lives on after maximise, full screen and typing" unharmed
stop_program

echo "== start-ups that Qt can carry"
# Qt says when it draws the window, on whichever platform it took.
start_program "QT_QPA_PLATFORM=xcb;offscreen" "QT_LOGGING_RULES=qt.widgets.painting.info=true" --
drawn() { grep -q '^qt\.widgets\.painting: Drawing' "$run_log"; }
eventually drawn
started() { alive && drawn && ! grep '^affine-cipher:' "$run_log"; }
check "xcb;offscreen falls back to offscreen" started
stop_program
start_program -- -display "$weston_x"
check "-display $weston_x with DISPLAY unset" eventually on_x "$weston_x"
stop_program

echo "== placement on screens smaller than the window"
# The window is 503 x 439 at 96 dots per inch. Centred on a large screen; on a smaller one its
# top-left corner, and with it the title bar that a window manager puts above, stays on screen.
# The program places the window before it shows it, so it is in place once it is mapped.
mapped() { # display
    local window
    window=$(x_window "$1")
    [[ -n $window ]] && DISPLAY=$1 xwininfo -id "$window" | grep -q 'Map State: IsViewable'
}
for case in "1280x1024 1 388,292" "640x400 1 68,0" "1024x768 2 8,0" "1366x768 2 180,0"; do
    read -r size scale expected <<<"$case"
    start_xvfb --screen "$size"
    start_program "DISPLAY=$xvfb_display" "QT_SCALE_FACTOR=$scale" --
    if ! eventually mapped "$xvfb_display"; then
        echo "no window shown on $xvfb_display after $deadline s;" \
            "program $(alive && echo running || echo ended):"
        sed 's/^/  | /' "$run_log" | head -n 20
    fi
    where=$(position "$xvfb_display")
    check "$size at scale $scale: at $where, expected $expected" test "$where" = "$expected"
    stop_program
done

echo "$failures failed"
[[ $failures -eq 0 ]]
