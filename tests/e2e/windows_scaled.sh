#!/usr/bin/env bash
# The Windows zip under Wine at 192 dpi (Wine's LogPixels, Qt's scale 2),
# unpacked into a folder with non-ASCII letters: the program finds its
# pictures there, and a card dealt by a real click shows its double-size
# picture pixel for pixel.
#   windows_scaled.sh ZIP
set -uo pipefail
pictures="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../pictures" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
zip="$(file_argument "${1:-}" scripts/package-windows)" || exit 1
need_tools "xvfb, xdotool and imagemagick" Xvfb xdotool import convert compare
need_tools unzip unzip
failure_shot=pairfall-windows-scaled-failure.png
open_screen 1600x1200
make_wine_prefix 192
# The new dpi is read when Wine starts again.
"$wineserver" -k 2> /dev/null
"$wineserver" -w 2> /dev/null

folder="$WINEPREFIX/drive_c/Spiele/Kartenspiel für Zwei"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder" || fail "could not unpack $zip"
start_game "C:\\Spiele\\Kartenspiel für Zwei\\Pairfall\\pairfall.exe"
# Twice the designed 385 pixels of width, once the window has its size.
for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$game_window")"
    [ "$WIDTH" = 770 ] && break
    sleep 0.1
done
[ "$WIDTH" = 770 ] || fail "the window is $WIDTH pixels wide at 192 dpi, not 770"

# The first place lies 24 pixels right of and below the table's corner at
# 100 %, under a menu bar of 17: at 200 % its 142 x 192 pixels start at 48, 82.
# A few pixels to spare around it, for a menu bar of another height; the
# card is awaited as the place's pixels changed and then the same twice.
place() { import -window root -crop "150x200+$((X + 44))+$((Y + 78))" +repage "$1" || fail "no screenshot"; }
place "$work/empty.png"
xdotool mousemove $((X + 48 + 71)) $((Y + 82 + 96)) click 1
place "$work/previous.png"
for _ in $(seq 50); do
    sleep 0.1
    place "$work/place.png"
    [ "$(compare -metric AE "$work/place.png" "$work/empty.png" null: 2>&1)" != 0 ] \
        && [ "$(compare -metric AE "$work/place.png" "$work/previous.png" null: 2>&1)" = 0 ] && break
    cp "$work/place.png" "$work/previous.png"
done
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
