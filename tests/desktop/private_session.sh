#!/usr/bin/env bash
# usage: private_session.sh [--xvfb WIDTHxHEIGHT] COMMAND [ARGUMENT...]
# Runs COMMAND in namespaces of its own, where the X servers and Wayland compositors that it
# starts take display numbers and sockets that no other program sees (its own /tmp and network
# namespace), and all of them end when it ends (its own process namespace). With --xvfb, an
# Xvfb of that screen size is started first and named in DISPLAY. Needs root, or user namespaces.
set -euo pipefail

if [[ ${AFFINE_PRIVATE_SESSION:-} != 1 ]]; then
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(--map-root-user)
    exec unshare "${as_root[@]}" --mount --net --pid --fork --mount-proc --propagation private \
        env AFFINE_PRIVATE_SESSION=1 "$0" "$@"
fi

mount -t tmpfs -o mode=1777 tmpfs /tmp
mkdir -m 1777 /tmp/.X11-unix
export XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

if [[ ${1:-} == --xvfb ]]; then
    Xvfb :40 -screen 0 "${2}x24" -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X40 ]] && break; sleep 0.05; done
    export DISPLAY=:40
    shift 2
fi
"$@"
