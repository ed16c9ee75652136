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
missing() {
    echo "FAILED: $*"
    exit 1
}
[ -n "$zip" ] && [ -f "$zip" ] || skip "no zip at '$zip' (scripts/package-windows makes it)"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64)" || missing "Wine is not installed (Debian package wine64; scripts/setup.sh installs it)"
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver="$(command -v wineserver)" || missing "Wine's wineserver is not installed (scripts/setup.sh installs it)"
for tool in Xvfb xdotool import convert compare; do
    command -v "$tool" > /dev/null || missing "$tool is not installed (scripts/setup.sh installs xvfb, xdotool and imagemagick)"
done
command -v unzip > /dev/null || missing "unzip is not installed (scripts/setup.sh installs it)"

work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2> /dev/null
    "$wineserver" -k 2> /dev/null
    "$wineserver" -w 2> /dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    local saved="${TMPDIR:-/tmp}/pairfall-windows-scaled-failure.png"
    import -window root "$saved" 2> /dev/null && echo "screen saved to $saved"
    exit 1
}

export WINEPREFIX="$work/prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"

mkdir -p "$WINEPREFIX"
"$wine" wineboot --init > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; fail "Wine could not make its prefix"; }
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f > /dev/null 2>&1 || fail "could not set Wine's dpi"
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
