#!/usr/bin/env bash
# The real pairfall, one whole game played from the keyboard alone and read
# only through the accessibility tree, as with a screen reader: under Xvfb,
# with a private D-Bus session bus and its own accessibility (AT-SPI) bus.
# First the program runs without any bus and must take keys without a word;
# last it starts for a player of each of its languages and must speak it.
#   keyboard_game.sh <path to pairfall>
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
LAUNCHER=/usr/libexec/at-spi-bus-launcher
PYTHON=/usr/bin/python3 # Debian's, which has pyatspi

PAIRFALL="$1"

missing=()
command -v Xvfb > /dev/null || missing+=(xvfb)
command -v xdotool > /dev/null || missing+=(xdotool)
command -v dbus-daemon > /dev/null || missing+=(dbus-daemon)
[ -x "$LAUNCHER" ] || missing+=(at-spi2-core)
"$PYTHON" -c 'import pyatspi' 2> /dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: the keyboard game needs these Debian packages: ${missing[*]} (scripts/setup.sh installs them)"
    exit 77
fi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- $log"; cat "$log"; }; done
    exit 1
}

# Xvfb picks a free display itself; -noreset keeps it from restarting (and
# refusing connections for a moment) each time its last client leaves.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"

export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# The game is read by its English names, whatever the machine's language;
# the last part starts it in each of its other languages.
export LANGUAGE=C
# The launcher reads one setting; kept in memory, away from the user's.
export GSETTINGS_BACKEND=memory

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
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/qt_accessibility_leaks.supp:print_suppressions=0"

# No accessibility bus at all, the usual case: keys play, nothing is printed,
# and kill closes the game as Exit does.
DBUS_SESSION_BUS_ADDRESS= "$PAIRFALL" > "$work/no-bus.log" 2>&1 &
game=$!
window="$(main_window_of "$game")" || fail "the main window did not appear without a bus"
xdotool key space Right Return Down KP_Enter End space
sleep 0.5
kill -0 "$game" 2> /dev/null || fail "pairfall ended while played without an accessibility bus"
kill "$game"
wait "$game" || fail "kill did not end pairfall with status 0"
grep -q '^MainLeft=' "$XDG_CONFIG_HOME/Pairfall/Pairfall.conf" || fail "kill did not save the window's position"
[ -s "$work/no-bus.log" ] && { cat "$work/no-bus.log"; fail "pairfall printed something without an accessibility bus"; }
rm -rf "$XDG_CONFIG_HOME"

# A private session bus, then the accessibility bus, switched on as a screen
# reader would.
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

"$PAIRFALL" > "$work/pairfall.log" 2>&1 &
game=$!
pids+=("$game")
window="$(main_window_of "$game")" || fail "the main window did not appear"
"$PYTHON" "$HERE/keyboard_game.py" "$window" || exit 1
for _ in $(seq 100); do kill -0 "$game" 2> /dev/null || break; sleep 0.05; done
kill -0 "$game" 2> /dev/null && fail "File > Exit did not end the program"
[ -s "$work/pairfall.log" ] && { cat "$work/pairfall.log"; fail "pairfall printed warnings"; }
grep -q '^TotalGames=1$' "$XDG_CONFIG_HOME/Pairfall/Pairfall.conf" || fail "the finished game was not counted"

# The same program for a player of each language it has a translation for.
for ts in "$HERE"/../../translations/pairfall_*.ts; do
    language="$(basename "$ts" .ts)"
    language="${language#pairfall_}"
    LANGUAGE="$language" "$PAIRFALL" > "$work/$language.log" 2>&1 &
    game=$!
    pids+=("$game")
    main_window_of "$game" > /dev/null || fail "the main window did not appear for LANGUAGE=$language"
    "$PYTHON" "$HERE/language.py" "$ts" || fail "LANGUAGE=$language"
    kill "$game"
    wait "$game" || fail "kill did not end pairfall with status 0 for LANGUAGE=$language"
    [ -s "$work/$language.log" ] && { cat "$work/$language.log"; fail "pairfall printed warnings for LANGUAGE=$language"; }
done
exit 0
