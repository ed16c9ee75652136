#!/usr/bin/env bash
# The Windows installer and uninstaller with the game open, under Wine, on an
# X server of its own, driven by real keys:
#   - an older version (this payload built as 0.9.0) is installed and played,
#     and the statistics and window position it keeps are set;
#   - with that game running, the new installer with /S ends with status 3
#     and changes nothing; without /S it asks the player to close the game
#     (in each of the game's languages for its player), and Cancel changes
#     nothing either;
#   - the uninstaller, with /S and without, leaves the program, its folder
#     and its uninstall entry as they were;
#   - the game closed, Retry goes on to the installer's pages; while they are
#     open a second installer (and the uninstaller) says that one runs and
#     ends with status 4; a game started meanwhile is asked about at Install,
#     and Cancel there leaves the install as it was;
#   - the upgrade with the game closed puts the new program in place and
#     keeps the statistics and the window position: the new game opens where
#     the old one was;
#   - a copy of the game run from another folder holds the installer back
#     too: the installer knows the game's mark, not only its program file;
#   - so does a program that makes no mark (a game from before it) running
#     as pairfall.exe: its program file is in use.
#   windows_setup_running_game.sh INSTALLER PAYLOAD
# PAYLOAD is the folder the installer was made from (scripts/package-windows'
# stage), from which the older version is made with the same script.
set -uo pipefail
installer="${1:-}"
payload="${2:-}"
nsi="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../packaging/windows" && pwd)/pairfall.nsi"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"

[ -n "$installer" ] && [ -f "$installer" ] || missing "no installer at '$installer' (scripts/package-windows makes it)"
[ -n "$payload" ] && [ -f "$payload/pairfall.exe" ] || missing "no payload folder with pairfall.exe at '$payload'"
installer="$(cd "$(dirname "$installer")" && pwd)/$(basename "$installer")"
payload="$(cd "$payload" && pwd)"
need_tools "xvfb, xdotool, imagemagick, nsis and procps" Xvfb xdotool import makensis pgrep
nsis_languages="/usr/share/nsis/Contrib/Language files"
[ -f "$nsis_languages/German.nlf" ] || missing "NSIS's language files are not in $nsis_languages (Debian package nsis)"

failure_shot=pairfall-windows-setup-failure.png
pids=()
stop_programs() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
}

echo "== An older version, 0.9.0, made from the same payload"
makensis -V1 -X"SetCompressor /FINAL zlib" -DVERSION=0.9.0 -DPAYLOAD="$payload" -DOUTFILE="$work/old-setup.exe" "$nsi" > "$work/makensis.log" 2>&1 \
    || { cat "$work/makensis.log"; missing "makensis could not make the older installer"; }

start_x_server 1280x1024 -dpi 96
make_wine_prefix 96

uninstaller='C:\Program Files\Pairfall\uninstall.exe'

# Everything an install is: each file with its checksum, the shortcut, the
# uninstall entry.
install_state() {
    (cd "$folder" 2> /dev/null && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
    [ -f "$shortcut" ] && echo "shortcut"
    "$wine" reg query "$uninstall_key" 2> /dev/null | tr -d '\r' | LC_ALL=C sort
}
unchanged() { # what was done: the install is as it was before
    install_state > "$work/after"
    diff "$work/before" "$work/after" > "$work/changes" || fail "$1 changed the install: $(head -5 "$work/changes")"
}

# Windows without a window manager take the keyboard only when told: a
# message box and the installer's pages by their X focus, the game by a click
# on its status line.
# The title is matched in UTF-8, as Wine gives it in _NET_WM_NAME: its
# WM_NAME, which xdotool searches, has the accents taken off.
wait_for_window() { # title-pattern pid [small|large] -> the id of its visible window
    for _ in $(seq 300); do
        local id
        for id in $(xdotool search --onlyvisible --name . 2> /dev/null); do
            [[ "$(xdotool getwindowname "$id" 2> /dev/null)" =~ ^$1$ ]] || continue
            eval "$(xdotool getwindowgeometry --shell "$id")"
            case "${3:-}" in
            small) [ "$HEIGHT" -lt 200 ] || continue ;; # a message box
            large) [ "$HEIGHT" -ge 200 ] || continue ;; # the installer's pages
            esac
            echo "$id"
            return 0
        done
        kill -0 "$2" 2> /dev/null || return 1
        sleep 0.1
    done
    return 1
}
end_status() { # pid -> status: its exit status once it has ended within 30 s
    status="still running"
    wait_for_end "$1" || return 0
    wait "$1"
    status=$?
}
window_pixels() { # window-id -> a checksum of what it shows
    import -window "$1" rgb:- 2> /dev/null | md5sum
}
settled_pixels() { # window-id -> its checksum once two looks 0.2 s apart agree, within 10 s
    local last now
    last="$(window_pixels "$1")"
    for _ in $(seq 50); do
        sleep 0.2
        now="$(window_pixels "$1")"
        [ "$now" = "$last" ] && break
        last="$now"
    done
    echo "$now"
}
press() { # window-id key...
    xdotool windowfocus --sync "$1" && xdotool key "${@:2}"
}
# The uninstaller goes on from a copy of itself in the temporary folder
# (~nsu*.tmp\Un.exe), and the command itself returns at once.
wait_for_uninstaller_copy() {
    for _ in $(seq 300); do pgrep -f '~nsu.*\.tmp.Un\.exe' > /dev/null || return 0; sleep 0.1; done
    return 1
}

game_pid=""
start_game() { # program -> game_window, game_pid
    "$wine" "$1" > "$work/game.log" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    game_window="$(wait_for_window Pairfall "$game_pid")" || fail "the game $1 did not come up"
}
# File > Exit by its access keys.  The File menu is a window of its own, so a
# second Pairfall window shows that the game has the keyboard; until it has,
# a click on the status line gives it again.
exit_game() {
    local menu=""
    for _ in $(seq 20); do
        eval "$(xdotool getwindowgeometry --shell "$game_window")"
        xdotool mousemove $((X + 100)) $((Y + HEIGHT - 9)) click 1 key alt+f
        for _ in $(seq 10); do
            [ "$(xdotool search --onlyvisible --name '^Pairfall$' 2> /dev/null | wc -l)" -ge 2 ] && { menu=open; break; }
            sleep 0.1
        done
        [ -n "$menu" ] && break
    done
    [ -n "$menu" ] || fail "the game's File menu did not open"
    xdotool key x
    end_status "$game_pid"
    [ "$status" = 0 ] || fail "File > Exit ended the game with status $status"
    game_pid=""
}

"$wine" "$work/old-setup.exe" /S > "$work/old-setup.log" 2>&1 || fail "the older installer ended with status $?"
# The uninstaller runs in place, and returns its status, with _?=FOLDER as
# its last argument, unquoted: Wine quotes an argument with a space, so the
# folder goes by its short name (Wine's own, such as PROG~FBU).
short_folder="$("$wine" winepath -s 'C:\Program Files\Pairfall' 2> /dev/null | tr -d '\r')"
[[ "$short_folder" =~ ^C:\\[^\ ]+\\Pairfall$ ]] || fail "Wine gave no short name for C:\\Program Files\\Pairfall: '$short_folder'"
in_place="_?=$short_folder"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "REG_SZ 0.9.0" ] || fail "the older version is not installed"
start_game "$program"
exit_game
# The statistics of eleven games, and a window moved to 200, 150 pixels.
for entry in 'Stats TotalGames 11' 'Stats TotalWins 4' 'Stats TotalLosses 7' 'Stats AvgCardsLeft 9' 'Settings MainLeft 3000' 'Settings MainTop 2250'; do
    read -r section name value <<< "$entry"
    "$wine" reg add "$settings_key\\$section" /v "$name" /t REG_SZ /d "$value" /f > /dev/null 2>&1 || fail "could not set $section\\$name"
done
reg_export() { "$wine" reg query "$settings_key" /s 2> /dev/null | tr -d '\r'; }
reg_export > "$work/settings-before"
grep -q "TotalGames    REG_SZ    11" "$work/settings-before" || fail "the statistics were not set: $(cat "$work/settings-before")"

echo "== The new installer while the game runs"
start_game "$program"
eval "$(xdotool getwindowgeometry --shell "$game_window")"
# Without a window manager the window lies a title bar lower than its frame.
[ "$X" = 200 ] || fail "the older game opened at $X, $Y, not at the stored 200, 150"
stored_position="$X $Y"
install_state > "$work/before"
"$wine" "$installer" /S > "$work/setup.log" 2>&1
status=$?
[ "$status" = 3 ] || fail "the installer with /S ended with status $status, not 3, while the game runs"
unchanged "the installer with /S"

"$wine" "$installer" > "$work/setup.log" 2>&1 &
setup_pid=$!
pids+=("$setup_pid")
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "the installer asked nothing while the game runs"
press "$box" Escape
end_status "$setup_pid"
[ "$status" = 3 ] || fail "Cancel on the installer's question ended it with status $status, not 3"
unchanged "the installer, cancelled"

# Each of the game's languages asks in its own words, under NSIS's caption
# for that language (from the language files makensis used).
for language in de_DE:German fr_FR:French es_ES:Spanish it_IT:Italian nl_NL:Dutch pl_PL:Polish pt_BR:PortugueseBR sv_SE:Swedish; do
    locale="${language%%:*}"
    nlf="$nsis_languages/${language#*:}.nlf"
    caption="$(sed -n '/^# ^SetupCaption/{n;p}' "$nlf" | tr -d '\r' | sed 's/\$(^Name)/Pairfall/')"
    [ -n "$caption" ] || missing "no setup caption in $nlf"
    LC_ALL="$locale.UTF-8" "$wine" "$installer" > "$work/setup.log" 2>&1 &
    setup_pid=$!
    pids+=("$setup_pid")
    box="$(wait_for_window "$caption" "$setup_pid" small)" || fail "the installer did not ask a $locale player under \"$caption\""
    press "$box" Escape
    end_status "$setup_pid"
    [ "$status" = 3 ] || fail "Cancel on the $locale question ended the installer with status $status, not 3"
done
unchanged "the installer in each language, cancelled"

echo "== The uninstaller while the game runs"
"$wine" "$uninstaller" /S "$in_place" > "$work/uninstall.log" 2>&1
status=$?
[ "$status" = 3 ] || fail "the uninstaller with /S, run in place, ended with status $status, not 3"
unchanged "the uninstaller with /S, run in place"
"$wine" "$uninstaller" /S > "$work/uninstall.log" 2>&1 || fail "the uninstaller with /S did not hand over to its copy"
wait_for_uninstaller_copy || fail "the uninstaller's copy did not end"
unchanged "the uninstaller with /S"
"$wine" "$uninstaller" > "$work/uninstall.log" 2>&1 || fail "the uninstaller did not hand over to its copy"
copy_pid="$(pgrep -f '~nsu.*\.tmp.Un\.exe' | head -1)"
[ -n "$copy_pid" ] || fail "the uninstaller's copy is not running"
box="$(wait_for_window "Pairfall Uninstall" "$copy_pid" small)" || fail "the uninstaller asked nothing while the game runs"
press "$box" Escape
wait_for_uninstaller_copy || fail "Cancel did not end the uninstaller"
unchanged "the uninstaller, cancelled"

echo "== The game closed, Retry goes on; a second installer meanwhile"
"$wine" "$installer" > "$work/setup.log" 2>&1 &
setup_pid=$!
pids+=("$setup_pid")
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "the installer asked nothing while the game runs"
exit_game
press "$box" Return
# The pages' title is the caption and a space.
pages="$(wait_for_window "Pairfall Setup ?" "$setup_pid" large)" || fail "Retry with the game closed did not go on to the installer's pages"
"$wine" "$installer" /S > "$work/second.log" 2>&1
status=$?
[ "$status" = 4 ] || fail "a second installer with /S ended with status $status, not 4"
"$wine" "$installer" > "$work/second.log" 2>&1 &
second_pid=$!
pids+=("$second_pid")
box="$(wait_for_window "Pairfall Setup" "$second_pid" small)" || fail "a second installer did not say that one runs"
press "$box" Return
end_status "$second_pid"
[ "$status" = 4 ] || fail "a second installer ended with status $status, not 4"
"$wine" "$uninstaller" /S "$in_place" > "$work/uninstall.log" 2>&1
status=$?
[ "$status" = 4 ] || fail "the uninstaller during an install ended with status $status, not 4"
unchanged "a second installer and the uninstaller"
# A game started while the pages are open is asked about when Install is
# pressed, before a file is copied.  The buttons by their access keys,
# wherever the focus is on the page: I &Agree, then &Install.
start_game "$program"
# The new game is Wine's foreground window now, and covers the pages' left:
# a click on the right of their header (no control there) brings them
# forward for the keys.
eval "$(xdotool getwindowgeometry --shell "$pages")"
xdotool mousemove $((X + WIDTH - 150)) $((Y + 15)) click 1
page="$(settled_pixels "$pages")"
xdotool key alt+a
for _ in $(seq 100); do
    [ "$(window_pixels "$pages")" != "$page" ] && break
    sleep 0.1
done
[ "$(settled_pixels "$pages")" != "$page" ] || fail "I Agree did not turn the installer's page"
xdotool key alt+i
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "Install asked nothing about the game started meanwhile"
press "$box" Escape
end_status "$setup_pid"
[ "$status" = 3 ] || fail "Cancel on the question at Install ended the installer with status $status, not 3"
unchanged "the installer stopped at Install"
exit_game

echo "== The upgrade"
"$wine" "$installer" /S > "$work/setup.log" 2>&1 || fail "the upgrade with the game closed ended with status $?"
[ "$(registry_value "$uninstall_key" DisplayVersion)" != "REG_SZ 0.9.0" ] || fail "the uninstall entry still names 0.9.0 after the upgrade"
cmp -s "$folder/pairfall.exe" "$payload/pairfall.exe" || fail "the upgrade did not put the new pairfall.exe in place"

echo "== The upgrade kept the statistics and the window position"
reg_export > "$work/settings-after"
diff "$work/settings-before" "$work/settings-after" > "$work/changes" || fail "the upgrade changed the settings: $(cat "$work/changes")"
start_game "$program"
eval "$(xdotool getwindowgeometry --shell "$game_window")"
[ "$X $Y" = "$stored_position" ] || fail "the new game opened at $X, $Y, not where the old one was ($stored_position)"
exit_game
reg_export > "$work/settings-after"
diff "$work/settings-before" "$work/settings-after" > "$work/changes" || fail "the new game did not carry on with the statistics: $(cat "$work/changes")"

echo "== A copy of the game in another folder"
mkdir -p "$drive_c/Elsewhere"
cp -r "$folder" "$drive_c/Elsewhere/Pairfall"
start_game 'C:\Elsewhere\Pairfall\pairfall.exe'
install_state > "$work/before"
"$wine" "$installer" /S > "$work/setup.log" 2>&1
status=$?
[ "$status" = 3 ] || fail "the installer with /S ended with status $status, not 3, while a copy of the game runs from another folder"
unchanged "the installer with /S"
exit_game

echo "== A program from before the mark in the program's place"
# Wine's Notepad run as C:\Program Files\Pairfall\pairfall.exe, as a game
# of a version that made no mark: its program file is in use.
cp "$drive_c/windows/system32/notepad.exe" "$folder/pairfall.exe"
"$wine" "$program" > "$work/notepad.log" 2>&1 &
notepad_pid=$!
pids+=("$notepad_pid")
wait_for_window ".* - Notepad" "$notepad_pid" > /dev/null || fail "Notepad did not come up as pairfall.exe"
install_state > "$work/before"
"$wine" "$installer" /S > "$work/setup.log" 2>&1
status=$?
[ "$status" = 3 ] || fail "the installer with /S ended with status $status, not 3, while an unmarked pairfall.exe runs"
"$wine" "$uninstaller" /S "$in_place" > "$work/uninstall.log" 2>&1
status=$?
[ "$status" = 3 ] || fail "the uninstaller with /S, run in place, ended with status $status, not 3, while an unmarked pairfall.exe runs"
unchanged "the installer and the uninstaller with /S"

echo "1 passed, 0 failed: with the game running the installer (/S: status 3; asked in nine languages and cancelled) and the uninstaller (/S, in place: status 3; asked and cancelled) changed nothing; Retry with the game closed went on, and a game started meanwhile was asked about at Install; a second installer and the uninstaller meanwhile said so (status 4); the upgrade from 0.9.0 kept the statistics and the window position; a copy run from elsewhere, and an unmarked program in pairfall.exe's place, held the installer back"
