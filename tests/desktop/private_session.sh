#!/usr/bin/env bash
# usage: private_session.sh [--xvfb WIDTHxHEIGHT] COMMAND [ARGUMENT...]
# Runs COMMAND in namespaces of its own, where the X servers and Wayland compositors that it
# starts take display numbers and sockets that no other program sees (its own /tmp and network
# namespace, the latter for the abstract sockets of X), and all of them end when it ends (its own
# process namespace). With --xvfb, an Xvfb of that screen size (scripts/with-xvfb) is started
# first and named in DISPLAY. Needs root, or user namespaces.
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

# The X servers and compositors keep their lock files and sockets in /tmp, so the session has a
# /tmp of its own. Where the command works under /tmp (a project cloned into /tmp, with its build
# tree), the folders of the real /tmp that hold its working folder, this script and the paths
# among its arguments are bound into the new /tmp again; the rest of the real /tmp stays out of
# sight, other X servers' sockets and lock files with it.
exec {real_tmp}</tmp
mount -t tmpfs -o mode=1777 tmpfs /tmp
for path in "$PWD" "$0" "$@"; do
    [[ $path == /tmp/?* ]] || continue
    entry=${path#/tmp/}
    entry=${entry%%/*}
    [[ -e /tmp/$entry || ! -e /proc/self/fd/$real_tmp/$entry ]] && continue
    if [[ -d /proc/self/fd/$real_tmp/$entry ]]; then
        mkdir "/tmp/$entry"
    else
        touch "/tmp/$entry"
    fi
    # Not canonicalised: the path leads through the descriptor to the real /tmp, while its
    # canonical form would name the new one.
    mount --no-canonicalize --bind "/proc/self/fd/$real_tmp/$entry" "/tmp/$entry"
done
exec {real_tmp}<&-
mkdir -m 1777 /tmp/.X11-unix
XDG_RUNTIME_DIR=$(mktemp -d /tmp/runtime.XXXXXX)
export XDG_RUNTIME_DIR
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

if [[ ${1:-} == --xvfb ]]; then
    exec "$(dirname "$0")/../../scripts/with-xvfb" --screen "$2" "${@:3}"
fi
"$@"
