#!/usr/bin/env bash
# The spoken results on Windows, proven under Wine: pairfall.exe itself, played
# from the keyboard, must raise each result as a UI Automation notification
# with the words Orca says on Linux, on the main window's own handle.  Wine's
# uiautomationcore.dll says that no screen reader listens, so nothing would be
# raised; this script's own prefix, and only it, gets a stand-in
# (tests/uia_standin) in its system folder, loaded instead of Wine's own
# (WINEDLLOVERRIDES), which records each notification to a file that
# windows_speech.py holds against the rule of speech_rules.py.
#   windows_speech.sh PROGRAM_FOLDER STANDIN_DLL
# PROGRAM_FOLDER holds pairfall.exe and its pictures (the packed stage).
# Like the other Wine scripts, no -e: wine_session.sh's clean-up must run whole.
set -uo pipefail
program_folder="${1:-}"
standin="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# No skip: without its pieces the test fails, and says which.
[ -n "$program_folder" ] && [ -f "$program_folder/pairfall.exe" ] || {
    echo "FAILED: no pairfall.exe in '$program_folder' (scripts/package-windows stages it)"
    exit 1
}
[ -n "$standin" ] && [ -f "$standin" ] || {
    echo "FAILED: no stand-in uiautomationcore.dll at '$standin' (the Windows build's target uia_standin)"
    exit 1
}
# The stand-in is the test's alone: the program as packed never carries it.
[ -e "$program_folder/uiautomationcore.dll" ] && {
    echo "FAILED: $program_folder holds a uiautomationcore.dll; the packed program must not"
    exit 1
}
source "$here/wine_session.sh"
need_tools "xvfb, xdotool and imagemagick" Xvfb xdotool import
PYTHON=/usr/bin/python3 # Debian's
[ -x "$PYTHON" ] || missing "$PYTHON is not installed (scripts/setup.sh installs python3)"
failure_shot=pairfall-windows-speech-failure.png
fail() {
    echo "FAILED: $*"
    [ -s "$work/notifications.txt" ] && { echo "-- recorded:"; cat "$work/notifications.txt"; }
    [ -s "$work/game.log" ] && { echo "-- the game's output:"; cat "$work/game.log"; }
    import -window root "${TMPDIR:-/tmp}/$failure_shot" 2> /dev/null && echo "screen saved to ${TMPDIR:-/tmp}/$failure_shot"
    exit 1
}
open_screen 1280x1024 -dpi 96
make_wine_prefix 96

echo "== The stand-in uiautomationcore.dll, in this prefix only"
system32="$WINEPREFIX/drive_c/windows/system32"
cp "$standin" "$system32/uiautomationcore.dll" || fail "could not put the stand-in into $system32"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uiautomationcore=n"
# The stand-in writes here, by the Windows name of the same file.
record="$work/notifications.txt"
PAIRFALL_UIA_RECORD="$("$wine" winepath -w "$record" 2> /dev/null | tr -d '\r')"
[ -n "$PAIRFALL_UIA_RECORD" ] || fail "winepath gave no Windows name for $record"
export PAIRFALL_UIA_RECORD

echo "== Play pairfall.exe"
mkdir -p "$folder" && cp -r "$program_folder/." "$folder/" || fail "could not copy the program into $folder"
start_game "$program"
# Without a window manager the window has the keys once it is clicked: on the
# status line, which the game does not act on.
eval "$(xdotool getwindowgeometry --shell "$game_window")"
xdotool mousemove $((X + 100)) $((Y + HEIGHT - 9)) click 1 && xdotool windowfocus --sync "$game_window" || fail "could not give the main window the keys"
"$PYTHON" "$here/windows_speech.py" "$record" "$game_window" || fail "windows_speech.py: see above"
kill "$game_pid" 2> /dev/null
wait_for_end "$game_pid" || fail "pairfall.exe did not end"
game_pid=""
