#!/usr/bin/env bash
# What the installed pairfall.exe reads, under Wine (WINEDEBUG=+pid,+file):
#   - pairfall.exe (the installed one and the build's) carries no path of the
#     machine that built it: no home folder, no Qt cache or source folder, no
#     repository or build folder;
#   - a start by a German player from another current folder looks at nothing
#     but the program's folder, Windows' folders and the user's profile (and
#     the files of Wine that stand in for the system's fonts); on failure the
#     paths it looked at elsewhere are listed;
#   - qtlogging.ini files that turn on all debug output, qt.conf files, plugin
#     folders with damaged DLLs and translations (the program's French as its
#     German, a damaged qtbase_de.qm) planted in Qt's build folder on the
#     Wine drive, in the current folder and in the profile's and
#     ProgramData's QtProject folders are never looked at, and the window
#     shows pixel for pixel what it showed without them.
#   windows_own_places.sh INSTALLER QT_FOLDER [BUILD_FOLDER]
# QT_FOLDER is the Qt for Windows the program was built with
# (scripts/build-qt-windows prints it); BUILD_FOLDER holds the build's
# pairfall.exe.
set -uo pipefail
qt_folder="${2:-}"
build_folder="${3:-}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
installer="$(file_argument "${1:-}" scripts/package-windows)" || exit 1
[ -n "$qt_folder" ] && [ -d "$qt_folder" ] || missing "no Qt for Windows folder at '$qt_folder' (scripts/build-qt-windows prints it)"
qt_folder="$(cd "$qt_folder" && pwd)"
need_tools "xvfb, xdotool, imagemagick and binutils" Xvfb xdotool import compare strings
# Nothing of the user's own reaches Qt.
unset QT_PLUGIN_PATH QT_LOGGING_RULES QT_LOGGING_CONF
open_screen 1280x1024 -dpi 96
make_wine_prefix 96
"$wine" "$installer" /S > "$work/setup.log" 2>&1 || fail "the installer ended with status $? (its output: $(cat "$work/setup.log"))"
[ -f "$folder/pairfall.exe" ] || fail "pairfall.exe is not in C:\\Program Files\\Pairfall"
profile="$("$wine" cmd /c 'echo %USERPROFILE%' 2> /dev/null | tr -d '\r')"
[[ "$profile" =~ ^C:\\users\\[^\\]+$ ]] || fail "Wine names the user's profile '$profile'"

echo "== No path of this machine in pairfall.exe"
# Qt's cache folder is in the Qt folder's name and in that of its build folder.
paths=("$HOME/" "$(dirname "$qt_folder")" "$qt_folder" "qt6-base-" "$root")
[ -n "$build_folder" ] && paths+=("$(cd "$build_folder" && pwd)")
for exe in "$folder/pairfall.exe" ${build_folder:+"$build_folder/pairfall.exe"}; do
    [ -f "$exe" ] || fail "there is no $exe"
    found="$({ strings -a "$exe"; strings -a -el "$exe"; } | grep -F "${paths[@]/#/-e}" | sort -u)"
    [ -z "$found" ] || fail "$exe carries paths of this machine:"$'\n'"$found"
    # A Qt that is not relocatable carries its install folder here.
    prefix_path="$(strings -a "$exe" | grep '^qt_prfxpath=.')"
    [ -z "$prefix_path" ] || fail "$exe carries Qt's install folder: $prefix_path"
done
echo "none in the installed and the built pairfall.exe"

# Every file name the program looked up, as a Windows path (lower case, '..'
# resolved), from the lines of the file trace that resolve a name to the
# host's file: a name found is given with the host's path, one not found with
# the folder it was missed in.  A host path off Wine's drives stays as it is.
# The program's process is the one that traces first; Wine's own services,
# which it may start, are others.
looked_at() { # trace
    local pid
    pid="$(grep -m1 -E '^[0-9a-f]+:[0-9a-f]+:' "$1" | cut -d: -f1)"
    grep "^$pid:" "$1" | cut -d: -f2- \
        | sed -n -e 's/^[0-9a-f]*:trace:file:nt_to_unix_file_name_no_root L".*" -> "\(.*\)"$/\1/p' \
            -e 's/^[0-9a-f]*:trace:file:nt_to_unix_file_name_no_root L"\(.*\)" not found in "\(.*\)"$/\2\/\1/p' \
        | sed -e 's/\\\\/\\/g' -e "s|^$WINEPREFIX/dosdevices/||" -e 's|/|\\|g' \
        | awk '{
            n = split(tolower($0), part, "\\"); depth = 0
            for (i = 1; i <= n; i++) {
                if (part[i] == "..") { if (depth > 1) depth-- }
                else if (part[i] != "" && part[i] != ".") kept[++depth] = part[i]
            }
            out = kept[1]; for (i = 2; i <= depth; i++) out = out "\\" kept[i]; print out
        }' | sort -u
}
# What may be looked at: the program's folder, Windows' folders, the user's
# profile, the files Wine keeps for the system's fonts, the folders on the
# way to these (the program's own path is made canonical), and the current
# folder itself (Wine opens it to start the process), none of its files.
outside_own_places() { # looked-at list, current folder
    # Through the environment: awk would read the backslashes of -v values as escapes.
    CURRENT="$2" PROFILE="$profile" awk '
        BEGIN {
            split("c:|c:\\program files|c:\\users|" tolower(ENVIRON["CURRENT"]), way, "|")
            for (i in way) exact[way[i]] = 1
            split("c:\\program files\\pairfall|c:\\windows|" tolower(ENVIRON["PROFILE"]) "|z:\\usr\\share\\fonts", own, "|")
        }
        {
            if ($0 in exact) next
            for (i in own) if ($0 == own[i] || index($0, own[i] "\\") == 1) next
            print
        }' "$1"
}

# Starts the installed program as a German player from the current folder
# C:\Elsewhere under a file trace, waits until its window stays the same,
# saves the window's pixels and ends it through the session's end.
run_traced() { # name
    mkdir -p "$drive_c/Elsewhere"
    (cd "$drive_c/Elsewhere" && LC_ALL=de_DE.UTF-8 WINEDEBUG=+pid,+file exec "$wine" 'C:\Program Files\Pairfall\pairfall.exe') \
        > "$work/$1.out" 2> "$work/$1.trace" &
    game_pid=$!
    pids+=("$game_pid")
    local window previous=""
    window="$(wait_for_window Pairfall "$game_pid")" || fail "$1: no Pairfall window"
    for attempt in $(seq 50); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/$1.png" || fail "$1: no screenshot"
        [ -n "$previous" ] && [ "$(compare -metric AE "$work/$1.png" "$previous" null: 2>&1)" = 0 ] && break
        [ "$attempt" = 50 ] && fail "$1: the window kept changing for ten seconds"
        cp "$work/$1.png" "$work/$1-previous.png"
        previous="$work/$1-previous.png"
        sleep 0.2
    done
    # Without a window manager the window has the keyboard once clicked: on
    # the status line, which the game does not heed.
    xdotool mousemove $((X + 100)) $((Y + HEIGHT - 9)) click 1 key alt+F4
    for _ in $(seq 200); do kill -0 "$game_pid" 2> /dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2> /dev/null && fail "$1: Alt+F4 did not end the program"
    wait "$game_pid"
    echo "$?" > "$work/$1.status"
    game_pid=""
    looked_at "$work/$1.trace" > "$work/$1.looked-at"
    grep -q -x -F 'c:\program files\pairfall\pairfall.exe' "$work/$1.looked-at" \
        || fail "$1: the file trace does not name pairfall.exe: was it the program's, with WINEDEBUG=+pid,+file?"
    local outside
    outside="$(outside_own_places "$work/$1.looked-at" 'c:\elsewhere')"
    [ -z "$outside" ] || fail "$1: the program looked at files outside its own places:"$'\n'"$outside"
}

echo "== A start looks at its own places only"
run_traced clean
echo "$(wc -l < "$work/clean.looked-at") paths looked at, all in the program's folder, Windows', the profile or Wine's fonts"

echo "== Files planted elsewhere change nothing"
windows_path() { # Windows path -> the file in the prefix
    local path="${1//\\//}"
    echo "$WINEPREFIX/dosdevices/$(echo "${path:0:2}" | tr '[:upper:]' '[:lower:]')${path:2}"
}
planted=()
plant() { # Windows path, file to copy there
    local file
    file="$(windows_path "$1")"
    mkdir -p "$(dirname "$file")"
    cp "$2" "$file"
    planted+=("$1")
}
damaged="$work/damaged"
printf 'MZ not a program\n' > "$damaged"
all_debug="$work/qtlogging.ini"
printf '[Rules]\n*.debug=true\n' > "$all_debug"
qt_on_c="C:${qt_folder//\//\\}"
for place in "$qt_on_c" 'C:\Elsewhere'; do
    plant "$place\\qtlogging.ini" "$all_debug"
    printf '[Paths]\nPrefix=%s\n' "${place//\\//}" > "$work/qt.conf"
    plant "$place\\qt.conf" "$work/qt.conf"
    for plugin in 'plugins\platforms\qwindows.dll' 'plugins\imageformats\qplanted.dll' 'platforms\qwindows.dll' 'styles\qplanted.dll'; do
        plant "$place\\$plugin" "$damaged"
    done
    plant "$place\\translations\\pairfall_de.qm" "$folder/translations/pairfall_fr.qm"
    plant "$place\\translations\\qtbase_de.qm" "$damaged"
    plant "$place\\qtbase_de.qm" "$damaged"
done
for place in "$profile\\AppData\\Local" "$profile\\AppData\\Roaming" 'C:\ProgramData'; do
    plant "$place\\QtProject\\qtlogging.ini" "$all_debug"
done
run_traced planted
touched="$(printf '%s\n' "${planted[@]}" | tr '[:upper:]' '[:lower:]' | grep -x -F -f "$work/planted.looked-at")"
[ -z "$touched" ] || fail "the program looked at planted files:"$'\n'"$touched"
differing="$(compare -metric AE "$work/planted.png" "$work/clean.png" null: 2>&1)"
[ "$differing" = 0 ] || fail "with the planted files the window differs in $differing pixels"
cmp -s "$work/clean.status" "$work/planted.status" \
    || fail "the program ended with status $(cat "$work/planted.status") with the planted files, $(cat "$work/clean.status") without"
echo "1 passed, 0 failed: no path of this machine in pairfall.exe; a start looks at its own places only; ${#planted[@]} planted files never looked at, the window the same"
