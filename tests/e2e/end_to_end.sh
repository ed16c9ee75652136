#!/usr/bin/env bash
# The real pairfall on a real X server (Xvfb), driven by real clicks: deal two
# cards, open and close Game Stats, then File > Exit; the settings file must
# then hold the position and the four statistics.  At a display scale of 2
# (QT_SCALE_FACTOR) the dealt cards must show their double-size pictures pixel
# for pixel, and the position is still written in twips of logical pixels.
#   end_to_end.sh <path to pairfall> [scale: 1 or 2]
set -uo pipefail
PAIRFALL="$1"
scale="${2:-1}"
suffix=""
[ "$scale" = 2 ] && suffix="@2x"

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" > /dev/null; then
        echo "FAILED: $tool is not installed (scripts/setup.sh installs xvfb, xdotool and imagemagick)"
        exit 1
    fi
done

source "$(dirname "${BASH_SOURCE[0]}")/x_server.sh"
work="$(mktemp -d)"
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2> /dev/null
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    import -display "$DISPLAY" -window root "$work/failure.png" 2> /dev/null && cp "$work/failure.png" "${TMPDIR:-/tmp}/pairfall-e2e-failure.png" \
        && echo "screen saved to ${TMPDIR:-/tmp}/pairfall-e2e-failure.png"
    exit 1
}
start_x_server 1600x1200 || { echo "FAILED: no X server"; exit 1; }

export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
export QT_SCALE_FACTOR="$scale"
# The designed English window, whatever the machine's language.
export LANGUAGE=C

wait_for_window() { # title -> window id
    for _ in $(seq 200); do
        local id
        id="$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1)"
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.05
    done
    return 1
}
geometry() { # window id -> "X Y W H"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
px() { echo $(($1 * scale)); } # logical pixels -> screen pixels
average_red() { # x y -> mean red (0..255) of the slot-sized area there
    import -window root -crop "$(px 71)x$(px 96)+$1+$2" +repage "$work/area.png"
    convert "$work/area.png" -resize 1x1\! -format '%[fx:int(255*r)]' info:
}
# Runs the check until it holds, for up to ten seconds; fails the test with
# the message otherwise.
await() { # message check...
    local message="$1"
    shift
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    fail "$message"
}
shows_a_card() { # x y -> true when the slot there is mostly white, as a card's face
    [ "$(average_red "$1" "$2")" -gt 150 ]
}
visible_windows() { xdotool search --onlyvisible --name '' 2> /dev/null | wc -l; }
open_file_menu() { # with a click on File; true once its menu shows, a window more
    local before
    before="$(visible_windows)"
    xdotool mousemove $((wx + $(px 15))) $((wy + $(px 8))) click 1
    await "the File menu did not open" test_more_windows_than "$before"
}
test_more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
shows_a_card_picture() { # x y -> true when the slot there shows some card's file pixel for pixel
    import -window root -crop "$(px 71)x$(px 96)+$1+$2" +repage "$work/slot.png"
    for id in $(seq 52); do
        [ "$(compare -metric AE "$work/slot.png" "$(dirname "$PAIRFALL")/pictures/$id$suffix.bmp" null: 2>&1)" = 0 ] && return 0
    done
    return 1
}

"$PAIRFALL" > "$work/pairfall.log" 2>&1 &
game_pid=$!
main_window="$(wait_for_window Pairfall)" || fail "the main window did not appear: $(cat "$work/pairfall.log")"
read -r wx wy ww wh <<< "$(geometry "$main_window")"
# The table fills the client area above the 18-pixel status bar; slot 0 lies
# 24 pixels in from its top left corner, slot 1 88 pixels right of it.
table_top=$((wy + wh - $(px 388)))
slot_x=$((wx + $(px 24)))
slot_y=$((table_top + $(px 24)))
[ "$(average_red "$slot_x" "$slot_y")" -lt 60 ] || fail "slot 0 does not show an empty place at start"

for x in "$slot_x" $((slot_x + $(px 88))); do
    xdotool mousemove $((x + $(px 35))) $((slot_y + $(px 48))) click 1
    await "no card was dealt onto the slot at $x" shows_a_card "$x" "$slot_y"
    shows_a_card_picture "$x" "$slot_y" || fail "the slot at $x does not show a card's $suffix picture pixel for pixel"
done

# File > Game Stats with the mouse: the File menu, then its second item.
open_file_menu
xdotool key g
stats_window="$(wait_for_window 'Game Stats')" || fail "Game Stats did not open"
grep -q '^TotalGames=0$' "$XDG_CONFIG_HOME/Pairfall/Pairfall.conf" || fail "Game Stats did not write the statistics first"
read -r sx sy _ _ <<< "$(geometry "$stats_window")"
xdotool mousemove $((sx + $(px 224))) $((sy + $(px 208))) click 1   # Close
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Game Stats$' > /dev/null 2>&1 || break
    sleep 0.05
done
xdotool search --onlyvisible --name '^Game Stats$' > /dev/null 2>&1 && fail "Close did not close Game Stats"

# File > Exit.
open_file_menu
xdotool key x
for _ in $(seq 100); do kill -0 "$game_pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$game_pid" 2> /dev/null && fail "File > Exit did not end the program"
game_pid=""

conf="$XDG_CONFIG_HOME/Pairfall/Pairfall.conf"
for entry in '^MainLeft=1000$' '^MainTop=1000$' '^TotalGames=0$' '^TotalWins=0$' '^TotalLosses=0$' '^AvgCardsLeft=0$'; do
    grep -q "$entry" "$conf" || { cat "$conf"; fail "the settings file lacks $entry"; }
done
echo "1 passed, 0 failed at scale $scale: dealt two cards as their pictures, opened and closed Game Stats, exited and saved"
