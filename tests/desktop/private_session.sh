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
    # The mounts made inside are kept from the rest of the system by private propagation. In a
    # chroot the root is no mount point, so its propagation cannot be changed; there it is kept
    # as it is, which is as private where no mount is shared with another namespace.
    propagation=private
    if ! unshare "${as_root[@]}" --mount --propagation private true 2>/dev/null; then
        if grep -q ' shared:' /proc/self/mountinfo; then
            echo "private_session.sh: no mount namespace of its own can be made here" >&2
            exit 1
        fi
        propagation=unchanged
    fi
    exec unshare "${as_root[@]}" --mount --net --pid --fork --mount-proc \
        --propagation "$propagation" env AFFINE_PRIVATE_SESSION=1 "$0" "$@"
fi

mount -t tmpfs -o mode=1777 tmpfs /tmp
mkdir -m 1777 /tmp/.X11-unix
export XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

if [[ ${1:-} == --xvfb ]]; then
    Xvfb :40 -screen 0 "${2}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    # Until the server takes connections, which is a moment after its socket appears; -noreset
    # keeps it from resetting as that first client leaves.
    for _ in $(seq 100); do
        DISPLAY=:40 xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    export DISPLAY=:40
    shift 2
fi
"$@"
