#!/usr/bin/env bash
# The Windows zip under Wine at 192 dpi (Wine's LogPixels, Qt's scale 2),
# unpacked into a folder with non-ASCII letters: the program finds its
# pictures there, and a card dealt by a real click shows its double-size
# picture pixel for pixel.
#   windows_scaled.sh ZIP
set -uo pipefail
zip="${1:-}"
pictures="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../pictures" && pwd)"

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ -n "$zip" ] && [ -f "$zip" ] || skip "no zip at '$zip' (scripts/package-windows makes it)"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
need_tools "xvfb, xdotool and imagemagick" Xvfb xdotool import convert compare
need_tools unzip unzip
failure_shot=pairfall-windows-scaled-failure.png
game_pid=""
stop_programs() {
    [ -n "$game_pid" ] && kill "$game_pid" 2> /dev/null
}
start_x_server 1600x1200
make_wine_prefix 192
# The new dpi is read when Wine starts again.
"$wineserver" -k 2> /dev/null
"$wineserver" -w 2> /dev/null

folder="$WINEPREFIX/drive_c/Spiele/Kartenspiel für Zwei"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder" || fail "could not unpack $zip"
"$wine" "C:\\Spiele\\Kartenspiel für Zwei\\Pairfall\\pairfall.exe" > "$work/game.log" 2>&1 &
game_pid=$!
window=""
for _ in $(seq 300); do
    window="$(xdotool search --onlyvisible --name '^Pairfall$' 2> /dev/null | head -1)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no Pairfall window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# Twice the designed 385 pixels of width.
[ "$WIDTH" = 770 ] || fail "the window is $WIDTH pixels wide at 192 dpi, not 770"

# The first place lies 24 pixels right of and below the table's corner at
# 100 %, under a menu bar of 17: at 200 % its 142 x 192 pixels start at 48, 82.
xdotool mousemove $((X + 48 + 71)) $((Y + 82 + 96)) click 1
sleep 1.5
# A few pixels to spare around it, for a menu bar of another height.
import -window root -crop "150x200+$((X + 44))+$((Y + 78))" +repage "$work/place.png" || fail "no screenshot"
dealt=""
for id in $(seq 1 52); do
    differing="$(compare -metric AE -subimage-search "$work/place.png" "$pictures/$id@2x.bmp" null: 2>&1 | cut -d' ' -f1)"
    if [ "$differing" = 0 ]; then
        dealt="$id"
        break
    fi
done
[ -n "$dealt" ] || fail "no dealt card shows its double-size picture pixel for pixel"
echo "1 passed, 0 failed: at 192 dpi in 'C:\\Spiele\\Kartenspiel für Zwei' card $dealt shows ${dealt}@2x.bmp exactly"
