# Sourced by every script that wants a headless X server of its own: the
# end-to-end tests, scripts/test-windows and the start-up benchmarks.
# Xvfb picks a free display itself, so that two scripts side by side never
# share one; -noreset keeps it from restarting, and refusing connections for
# a moment, each time its last client leaves.
x_server_pid=""
start_x_server() { # WIDTHxHEIGHT [Xvfb options...] -> DISPLAY; false, saying why, if it did not come up
    local size="$1" display_file
    shift
    display_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset "$@" 3> "$display_file" 2> "$display_file.log" &
    x_server_pid=$!
    for _ in $(seq 200); do
        [ -s "$display_file" ] && break
        kill -0 "$x_server_pid" 2> /dev/null || break
        sleep 0.05
    done
    if ! [ -s "$display_file" ]; then
        echo "Xvfb did not start within ten seconds: $(cat "$display_file.log")" >&2
        rm -f "$display_file" "$display_file.log"
        return 1
    fi
    export DISPLAY=":$(head -1 "$display_file")"
    rm -f "$display_file" "$display_file.log"
}
# Waited for, so that its socket is gone before another server takes the number.
stop_x_server() {
    if [ -n "$x_server_pid" ] && kill "$x_server_pid" 2> /dev/null; then
        wait "$x_server_pid" 2> /dev/null || true
    fi
    x_server_pid=""
}
