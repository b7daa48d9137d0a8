# Sourced by the benchmark scripts: start_xvfb starts an X server of their own on a free display,
# exports DISPLAY and stops the server when the script exits. AFFINE_BENCH_DISPLAY=NUMBER asks for
# that display instead, where other people's X servers may take a free one at any moment.
start_xvfb() {
    local display_file
    display_file=$(mktemp)
    if [[ -n ${AFFINE_BENCH_DISPLAY:-} ]]; then
        local number=${AFFINE_BENCH_DISPLAY#:}
        if [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; then
            rm -f "$display_file"
            echo "display :$number is taken" >&2
            return 1
        fi
        # The server makes its socket before it takes connections; -displayfd then only says so.
        Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>"$display_file" >/dev/null 2>&1 &
    else
        # Xvfb picks a free display itself and writes its number to the descriptor it is given.
        # Without -noreset it would start afresh each time its last client leaves, and a client
        # that connects just then would be refused.
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" \
            >/dev/null 2>&1 &
    fi
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [[ -s $display_file ]] && break
        sleep 0.05
    done
    if [[ ! -s $display_file ]]; then
        rm -f "$display_file"
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$(head -n1 "$display_file")
    rm -f "$display_file"
}
