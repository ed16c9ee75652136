#!/usr/bin/env bash
# The Windows installer under Wine, on an X server of its own (Xvfb, 96 dpi),
# driven by real clicks and keys:
#   - a silent install puts pairfall.exe, its pictures and licences into
#     C:\Program Files\Pairfall, with a Start-menu shortcut and an uninstall entry;
#   - the installed program's table (the green, the twelve places, the blue
#     outline) is pixel for pixel the Linux window's at 100 %; a click deals a
#     card, shown as its picture;
#   - File > Exit, by its access keys, ends it with status 0 and the registry
#     holds the position and the statistics as text, in the forms Linux writes;
#   - a run ended by the session's end saves the position it was moved to, and
#     a start right after it comes up;
#   - a German player's start shows Game Stats under its German title and
#     exits by the German access keys;
#   - a silent uninstall takes the program away and leaves the statistics.
#   windows_end_to_end.sh INSTALLER [LINUX_PAIRFALL]
# PAIRFALL_TESTED_PROGRAM, if set, names the pairfall.exe the installed one
# must be byte for byte (scripts/test-windows: the tested build's, stripped).
# With the Linux pairfall given, its table is the reference; without it, each
# place is compared with pictures/69.bmp and the green around them is checked.
set -uo pipefail
linux_pairfall="${2:-}"
pictures="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../pictures" && pwd)"
translations="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../translations" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
installer="$(file_argument "${1:-}" scripts/package-windows)" || exit 1
need_tools "xvfb, xdotool and imagemagick" Xvfb xdotool import convert compare
failure_shot=pairfall-windows-e2e-failure.png
open_screen 1280x1024 -dpi 96
# 96 dpi, 100 %: Qt's scale 1.
make_wine_prefix 96

# The table is the one area of the table green (0, 128, 0) in the window: the
# bounding box of those pixels, 385 x 370 at 100 %.  Prints "X Y" on the screen
# and writes the table's pixels to OUT.
capture_table() { # window-id out.png
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png" || return 1
    local box
    box="$(convert "$work/window.png" -alpha off -fill black +opaque 'rgb(0,128,0)' \
        -bordercolor black -border 1 -format '%@' info:)"
    [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    local w="${BASH_REMATCH[1]}" h="${BASH_REMATCH[2]}" x=$((BASH_REMATCH[3] - 1)) y=$((BASH_REMATCH[4] - 1))
    [ "$w" = 385 ] && [ "$h" = 370 ] || { echo "table of ${w}x${h}"; return 1; }
    convert "$work/window.png" -crop "385x370+$x+$y" +repage "$2"
    echo "$((X + x)) $((Y + y))"
}
# The same once the window shows its table, within ten seconds.
await_table() { # window-id out.png
    local position
    for _ in $(seq 50); do
        position="$(capture_table "$1" "$2")" && break
        sleep 0.2
    done
    echo "$position"
    [[ "$position" =~ ^[0-9]+\ [0-9]+$ ]]
}
place_x() { echo $((24 + ($1 % 4) * 88)); }
place_y() { echo $((24 + ($1 / 4) * 112)); }
place_of() { # table.png index out.png: the place's 71 x 96 pixels
    convert "$1" -crop "71x96+$(place_x "$2")+$(place_y "$2")" +repage "$3"
}
differing() { # a.png b.png -> the number of pixels that differ
    compare -metric AE "$1" "$2" null: 2>&1
}
card_shown() { # place.png -> the id (1..52) of the card picture it is pixel for pixel, or nothing
    for id in $(seq 52); do
        [ "$(differing "$1" "$pictures/$id.bmp")" = 0 ] && { echo "$id"; return 0; }
    done
    return 1
}
# Every click on a place here changes the table (a card dealt or selected):
# awaited, within five seconds.
click_place() { # window-id table-x table-y index
    capture_table "$1" "$work/unclicked.png" > /dev/null || return 1
    xdotool mousemove $(($2 + $(place_x "$4") + 35)) $(($3 + $(place_y "$4") + 48)) click 1
    for _ in $(seq 50); do
        capture_table "$1" "$work/clicked.png" > /dev/null && [ "$(differing "$work/unclicked.png" "$work/clicked.png")" != 0 ] && return 0
        sleep 0.1
    done
    return 1
}
# Deals onto place 0 and selects the card, dealing again over a ten (a click
# on a ten deals): the table then shows the card and its outline.
deal_and_select() { # window-id table-x table-y out.png -> the card's id
    local id=""
    click_place "$1" "$2" "$3" 0 || return 1
    for _ in 1 2 3 4 5 6; do
        capture_table "$1" "$4" > /dev/null || return 1
        place_of "$4" 0 "$work/place.png"
        id="$(card_shown "$work/place.png")" || return 1
        case "$id" in 10 | 23 | 36 | 49) click_place "$1" "$2" "$3" 0 || return 1 ;; *) break ;; esac
    done
    click_place "$1" "$2" "$3" 0 || return 1
    capture_table "$1" "$4" > /dev/null || return 1
    echo "$id"
}
place_rectangle() { # index -> ImageMagick's rectangle over the place
    echo "rectangle $(place_x "$1"),$(place_y "$1") $(($(place_x "$1") + 70)),$(($(place_y "$1") + 95))"
}
hide_card() { # table.png out.png: the table with place 0's card painted over
    convert "$1" -fill magenta -draw "$(place_rectangle 0)" "$2"
}

echo "== Silent install"
"$wine" "$installer" /S > "$work/setup.log" 2>&1 || fail "the installer ended with status $? (its output: $(cat "$work/setup.log"))"
[ -f "$folder/pairfall.exe" ] || fail "pairfall.exe is not in C:\\Program Files\\Pairfall"
count="$(find "$folder/pictures" -name '*.bmp' | wc -l)"
expected="$(find "$pictures" -name '*.bmp' | wc -l)"
[ "$count" = "$expected" ] || fail "$count pictures in C:\\Program Files\\Pairfall\\pictures, not $expected"
for id in 69 $(seq 52); do
    cmp -s "$folder/pictures/$id.bmp" "$pictures/$id.bmp" && cmp -s "$folder/pictures/$id@2x.bmp" "$pictures/$id@2x.bmp" \
        || fail "pictures\\$id.bmp or $id@2x.bmp is not the repository's"
done
if [ -n "${PAIRFALL_TESTED_PROGRAM:-}" ]; then
    cmp -s "$folder/pairfall.exe" "$PAIRFALL_TESTED_PROGRAM" || fail "the installed pairfall.exe is not the tested one, $PAIRFALL_TESTED_PROGRAM"
fi
[ -f "$folder/licenses/Pairfall.txt" ] || fail "the licence is not in C:\\Program Files\\Pairfall\\licenses"
[ -f "$shortcut" ] || fail "there is no Start-menu shortcut Pairfall"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString InstallLocation; do
    [ -n "$(registry_value "$uninstall_key" "$value")" ] || fail "the uninstall entry has no $value"
done
[ "$(registry_value "$uninstall_key" DisplayName)" = "REG_SZ Pairfall" ] || fail "the uninstall entry's name is $(registry_value "$uninstall_key" DisplayName)"

if [ -n "$linux_pairfall" ]; then
    echo "== The Linux window at 100 %, for reference"
    XDG_CONFIG_HOME="$work/linux-config" QT_QPA_PLATFORM=xcb "$linux_pairfall" > "$work/linux.log" 2>&1 &
    linux_pid=$!
    pids+=("$linux_pid")
    linux_window="$(wait_for_window Pairfall "$linux_pid")" || fail "the Linux window did not appear"
    position="$(await_table "$linux_window" "$work/linux-empty.png")" || fail "no table of 385 x 370 pixels in the Linux window: $position"
    read -r lx ly <<< "$position"
    deal_and_select "$linux_window" "$lx" "$ly" "$work/linux-selected.png" > /dev/null || fail "the Linux window dealt no card"
    hide_card "$work/linux-selected.png" "$work/linux-outline.png"
    kill "$linux_pid"
    wait_for_end "$linux_pid" || fail "the Linux window did not end"
fi

echo "== First start"
start_game "$program"
window="$game_window"
position="$(await_table "$window" "$work/empty.png")" || fail "no table of 385 x 370 pixels in the window: $position"
read -r tx ty <<< "$position"
for index in $(seq 0 11); do
    place_of "$work/empty.png" "$index" "$work/place.png"
    [ "$(differing "$work/place.png" "$pictures/69.bmp")" = 0 ] || fail "place $index is not pictures\\69.bmp pixel for pixel"
done
if [ -n "$linux_pairfall" ]; then
    n="$(differing "$work/empty.png" "$work/linux-empty.png")"
    [ "$n" = 0 ] || fail "the table at start differs from the Linux one in $n pixels"
else
    # Outside the places the table is all green.
    covered=()
    for index in $(seq 0 11); do covered+=(-draw "$(place_rectangle "$index")"); done
    convert "$work/empty.png" -fill 'rgb(0,128,0)' "${covered[@]}" "$work/covered.png"
    convert -size 385x370 xc:'rgb(0,128,0)' "$work/green.png"
    n="$(differing "$work/covered.png" "$work/green.png")"
    [ "$n" = 0 ] || fail "$n pixels of the table outside the places are not its green"
fi

card="$(deal_and_select "$window" "$tx" "$ty" "$work/selected.png")" || fail "a click on place 0 dealt no card picture pixel for pixel"
if [ -n "$linux_pairfall" ]; then
    hide_card "$work/selected.png" "$work/outline.png"
    n="$(differing "$work/outline.png" "$work/linux-outline.png")"
    [ "$n" = 0 ] || fail "the table with a selected card differs from the Linux one in $n pixels (card aside)"
fi
echo "dealt and selected card $card"

exit_game

echo "== The registry after File > Exit"
for entry in 'Settings MainLeft 1000' 'Settings MainTop 1000' 'Stats TotalGames 0' 'Stats TotalWins 0' 'Stats TotalLosses 0' 'Stats AvgCardsLeft 0'; do
    read -r section name value <<< "$entry"
    found="$(registry_value "$settings_key\\$section" "$name")"
    [ "$found" = "REG_SZ $value" ] || fail "$settings_key\\$section\\$name is '$found', not the text $value"
done

echo "== Second start, ended by the session's end"
start_game "$program"
at() { # window-id x [y]: true once the window is there, within ten seconds
    for _ in $(seq 100); do
        eval "$(xdotool getwindowgeometry --shell "$1")"
        [ "$X" = "$2" ] && [ "${3:-$Y}" = "$Y" ] && return 0
        sleep 0.1
    done
    return 1
}
# It opens at 1000 twips, 67 pixels; 150 right and 90 down is 217, 157 pixels.
# (Without a window manager its top lies a title bar lower than its frame's.)
at "$game_window" 67 || fail "the second start opened at $X, not at the stored 67"
target=($((X + 150)) $((Y + 90)))
xdotool windowmove "$game_window" "${target[@]}"
at "$game_window" "${target[@]}" || fail "the window did not move to ${target[*]}: it is at $X, $Y"
"$wine" wineboot --end-session > "$work/end-session.log" 2>&1
wait_for_end "$game_pid" || fail "the session's end did not end the program"
game_pid=""
for entry in "MainLeft $((217 * 15))" "MainTop $((157 * 15))"; do
    read -r name value <<< "$entry"
    found="$(registry_value "$settings_key\\Settings" "$name")"
    [ "$found" = "REG_SZ $value" ] || fail "after the session's end $name is '$found', not the text $value"
done

echo "== Third start, right after the session's end"
start_game "$program"
await_table "$game_window" "$work/third.png" > /dev/null || fail "the start after the session's end shows no table (a message instead?)"
exit_game

echo "== A German player"
# Wine gives Windows the display language of its locale.
for language in de fr es it nl pl pt_BR sv; do
    [ -f "$folder/translations/pairfall_$language.qm" ] || fail "translations\\pairfall_$language.qm is not installed"
done
[ -f "$folder/translations/qtbase_de.qm" ] || fail "Qt's own German, translations\\qtbase_de.qm, is not installed"
german() { # English source -> its German translation, as the .ts file has it
    python3 -c 'import sys, xml.etree.ElementTree as T
print(next(m.findtext("translation") for m in T.parse(sys.argv[1]).iter("message") if m.findtext("source") == sys.argv[2]))' \
        "$translations/pairfall_de.ts" "$1"
}
access_key() { # caption with & -> its key, lower case
    local caption="${1#*&}"
    echo "${caption:0:1}" | tr '[:upper:]' '[:lower:]'
}
start_game "$program" LC_ALL=de_DE.UTF-8
file_key="$(access_key "$(german "&File")")"
open_menu "$file_key"
xdotool key "$(access_key "$(german "&Game Stats")")"
stats_title="$(german "Game Stats")"
wait_for_window "$stats_title" "$game_pid" > /dev/null || fail "Game Stats did not open as \"$stats_title\" for a German player"
xdotool key Escape
window_gone "$stats_title" || fail "Escape did not close Game Stats"
exit_game "$file_key" "$(access_key "$(german "E&xit")")"

echo "== Silent uninstall"
quiet="$(registry_value "$uninstall_key" QuietUninstallString)"
quiet="${quiet#REG_SZ }"
[[ "$quiet" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "the quiet uninstall command is '$quiet'"
"$wine" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} > "$work/uninstall.log" 2>&1 || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself in the temporary folder.
for _ in $(seq 200); do [ -e "$folder" ] || break; sleep 0.1; done
[ -e "$folder" ] && fail "C:\\Program Files\\Pairfall is still there: $(find "$folder" | head -5)"
[ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
"$wine" reg query "$uninstall_key" > /dev/null 2>&1 && fail "the uninstall entry is still there"
for entry in 'Settings MainLeft 3255' 'Stats TotalGames 0'; do
    read -r section name value <<< "$entry"
    [ "$(registry_value "$settings_key\\$section" "$name")" = "REG_SZ $value" ] || fail "the uninstall took $section\\$name"
done
reference="the empty places and the green as designed"
[ -n "$linux_pairfall" ] && reference="the table as on Linux"
echo "1 passed, 0 failed: installed silently, $reference, dealt card $card, exited with 0, saved at exit and at the session's end, started again, uninstalled and kept the statistics"
