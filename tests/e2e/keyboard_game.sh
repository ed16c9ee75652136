#!/usr/bin/env bash
# The real pairfall, one whole game played from the keyboard alone and read
# only through the accessibility tree, as with a screen reader: under Xvfb,
# with a private D-Bus session bus and its own accessibility (AT-SPI) bus.
# First the program runs without any bus and must take keys without a word;
# last it starts for a player of each of its languages and must speak it.
#   keyboard_game.sh <path to pairfall>
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

PAIRFALL="$1"
source "$HERE/desktop_session.sh"

missing=()
command -v Xvfb > /dev/null || missing+=(xvfb)
command -v xdotool > /dev/null || missing+=(xdotool)
command -v import > /dev/null || missing+=(imagemagick)
command -v dbus-daemon > /dev/null || missing+=(dbus-daemon)
[ -x "$LAUNCHER" ] || missing+=(at-spi2-core)
"$PYTHON" -c 'import pyatspi' 2> /dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAILED: the keyboard game needs these Debian packages: ${missing[*]} (scripts/setup.sh installs them)"
    exit 1
fi

start_desktop
# The game is read by its English names, whatever the machine's language;
# the last part starts it in each of its other languages.
export LANGUAGE=C

# No accessibility bus at all, the usual case: keys play, nothing is printed,
# and kill closes the game as Exit does.
DBUS_SESSION_BUS_ADDRESS= "$PAIRFALL" > "$work/no-bus.log" 2>&1 &
game=$!
window="$(main_window_of "$game")" || fail "the main window did not appear without a bus"
xdotool key space Right Return Down KP_Enter End space
# The last key deals onto the last place, whose face then shows white: the
# keys before it have been taken.  The table lies above the 18-pixel status
# bar, the last place 288 pixels right and 248 down of its corner.
last_place_red() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "71x96+$((X + 288))+$((Y + HEIGHT - 388 + 248))" +repage "$work/place.png" \
        && convert "$work/place.png" -resize 1x1\! -format '%[fx:int(255*r)]' info:
}
for _ in $(seq 100); do
    [ "$(last_place_red)" -gt 150 ] 2> /dev/null && break
    sleep 0.1
done
[ "$(last_place_red)" -gt 150 ] 2> /dev/null || fail "the keys dealt no card onto the last place without an accessibility bus"
kill -0 "$game" 2> /dev/null || fail "pairfall ended while played without an accessibility bus"
kill "$game"
wait "$game" || fail "kill did not end pairfall with status 0"
grep -q '^MainLeft=' "$XDG_CONFIG_HOME/Pairfall/Pairfall.conf" || fail "kill did not save the window's position"
[ -s "$work/no-bus.log" ] && { cat "$work/no-bus.log"; fail "pairfall printed something without an accessibility bus"; }
rm -rf "$XDG_CONFIG_HOME"

start_accessibility_bus

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
