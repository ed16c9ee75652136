#!/usr/bin/env bash
# The real pairfall on a real X server (Xvfb), driven by real clicks: deal a
# card, open and close Game Stats, then File > Exit; the settings file must
# then hold the position and the four statistics.
#   end_to_end.sh <path to pairfall>
set -uo pipefail
PAIRFALL="$1"

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup.sh installs xvfb, xdotool and imagemagick)"
        exit 77
    fi
done

work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2> /dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    import -display "$DISPLAY" -window root "$work/failure.png" 2> /dev/null && cp "$work/failure.png" "${TMPDIR:-/tmp}/pairfall-e2e-failure.png" \
        && echo "screen saved to ${TMPDIR:-/tmp}/pairfall-e2e-failure.png"
    exit 1
}

# A display number nobody uses.
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.05; done

export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
"$PAIRFALL" > "$work/pairfall.log" 2>&1 &
game_pid=$!

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
average_red() { # x y -> mean red (0..255) of the 71 x 96 area there
    import -window root -crop "71x96+$1+$2" +repage "$work/area.png"
    convert "$work/area.png" -resize 1x1\! -format '%[fx:int(255*r)]' info:
}

main_window="$(wait_for_window Pairfall)" || fail "the main window did not appear"
read -r wx wy ww wh <<< "$(geometry "$main_window")"
# The table fills the client area above the 18-pixel status bar; slot 0 lies
# 24 pixels in from its top left corner.
table_top=$((wy + wh - 388))
slot_x=$((wx + 24))
slot_y=$((table_top + 24))
[ "$(average_red "$slot_x" "$slot_y")" -lt 60 ] || fail "slot 0 does not show an empty place at start"

xdotool mousemove $((slot_x + 35)) $((slot_y + 48)) click 1
sleep 0.5
[ "$(average_red "$slot_x" "$slot_y")" -gt 150 ] || fail "no card was dealt onto slot 0"

# File > Game Stats with the mouse: the File menu, then its second item.
xdotool mousemove $((wx + 15)) $((wy + 8)) click 1
sleep 0.4
xdotool key g
stats_window="$(wait_for_window 'Game Stats')" || fail "Game Stats did not open"
grep -q '^TotalGames=0$' "$XDG_CONFIG_HOME/Pairfall/Pairfall.conf" || fail "Game Stats did not write the statistics first"
read -r sx sy _ _ <<< "$(geometry "$stats_window")"
xdotool mousemove $((sx + 176 + 48)) $((sy + 192 + 16)) click 1   # Close
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Game Stats$' > /dev/null 2>&1 || break
    sleep 0.05
done
xdotool search --onlyvisible --name '^Game Stats$' > /dev/null 2>&1 && fail "Close did not close Game Stats"

# File > Exit.
xdotool mousemove $((wx + 15)) $((wy + 8)) click 1
sleep 0.4
xdotool key x
for _ in $(seq 100); do kill -0 "$game_pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$game_pid" 2> /dev/null && fail "File > Exit did not end the program"
game_pid=""

conf="$XDG_CONFIG_HOME/Pairfall/Pairfall.conf"
for entry in '^MainLeft=1000$' '^MainTop=1000$' '^TotalGames=0$' '^TotalWins=0$' '^TotalLosses=0$' '^AvgCardsLeft=0$'; do
    grep -q "$entry" "$conf" || { cat "$conf"; fail "the settings file lacks $entry"; }
done
echo "1 passed, 0 failed: dealt a card, opened and closed Game Stats, exited and saved"
