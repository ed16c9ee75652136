# Sourced by the end-to-end scripts that read the program as a screen reader
# does: a headless X server, a private D-Bus session bus and its own
# accessibility (AT-SPI) bus, away from the user's.  Sets $work (a temporary
# folder), DISPLAY, DBUS_SESSION_BUS_ADDRESS and the XDG folders; fail()
# prints every log of $work; all started here ends with the script.
LAUNCHER=/usr/libexec/at-spi-bus-launcher
source "$(dirname "${BASH_SOURCE[0]}")/x_server.sh"
PYTHON=/usr/bin/python3 # Debian's, which has pyatspi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    stop_x_server
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- $log"; tail -200 "$log"; }; done
    exit 1
}

# The X server and the user's folders, all the session's own.
start_desktop() {
    start_x_server 800x600 || fail "no X server"
    export XDG_CONFIG_HOME="$work/config"
    export XDG_RUNTIME_DIR="$work/runtime"
    export XDG_DATA_HOME="$work/data"
    export XDG_CACHE_HOME="$work/cache"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    # The launcher and the screen reader read settings; kept in memory, away from the user's.
    export GSETTINGS_BACKEND=memory
}

# A private session bus, then the accessibility bus, switched on as a screen
# reader would.
start_accessibility_bus() {
    dbus-daemon --session --nofork --print-address=3 3> "$work/bus-address" > "$work/bus.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/bus-address" ] && break; sleep 0.05; done
    DBUS_SESSION_BUS_ADDRESS="$(head -1 "$work/bus-address")"
    [ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS
    "$LAUNCHER" --launch-immediately > "$work/launcher.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress > /dev/null 2>&1 && break
        sleep 0.05
    done
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true > /dev/null || fail "the accessibility bus did not start"
}

main_window_of() { # pid -> the X window of its main window, given the focus as a window manager would
    local id=""
    for _ in $(seq 200); do
        id="$(xdotool search --onlyvisible --pid "$1" --name '^Pairfall$' 2> /dev/null | head -1)"
        [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || return 1
    timeout 10 xdotool windowfocus --sync "$id" && echo "$id"
}

# In a sanitizer build, leaks of Qt's own bridge and D-Bus threads are not
# the program's: full stacks let the suppressions name them exactly.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "${BASH_SOURCE[0]}")/qt_accessibility_leaks.supp:print_suppressions=0"
