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
#     as pairfall.exe: its program file is in use;
#   - with no game running, a pairfall.exe the account may not change (made
#     read-only) stops the installer and the uninstaller with status 6, and a
#     disk that answers full (ENOSPC, injected by strace into Wine's server)
#     with status 5, each changing nothing; full past the program file, the
#     installer with /S ends with 7, and by Abort on NSIS's question with 2;
#     Cancel on a page ends it with 1.
#   windows_setup_running_game.sh INSTALLER PAYLOAD
# PAYLOAD is the folder the installer was made from (scripts/package-windows'
# stage), from which the older version is made with the same script.
set -uo pipefail
nsi="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../packaging/windows" && pwd)/pairfall.nsi"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"

installer="$(file_argument "${1:-}" scripts/package-windows)" || exit 1
payload="$(dirname "$(file_argument "${2:-}/pairfall.exe" "scripts/package-windows' stage")")" || exit 1
need_tools "xvfb, xdotool, imagemagick, nsis, procps, strace and e2fsprogs" Xvfb xdotool import makensis pgrep strace chattr
nsis_languages="/usr/share/nsis/Contrib/Language files"
[ -f "$nsis_languages/German.nlf" ] || missing "NSIS's language files are not in $nsis_languages (Debian package nsis)"

failure_shot=pairfall-windows-setup-failure.png

echo "== An older version, 0.9.0, made from the same payload"
makensis -V1 -X"SetCompressor /FINAL zlib" -DVERSION=0.9.0 -DPAYLOAD="$payload" -DOUTFILE="$work/old-setup.exe" "$nsi" > "$work/makensis.log" 2>&1 \
    || { cat "$work/makensis.log"; missing "makensis could not make the older installer"; }

open_screen 1280x1024 -dpi 96
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
# An installer started in the background, which asks under that caption:
# its process in $asking_pid, its message box in $box.
installer_asks() { # caption failure [NAME=value...]
    env "${@:3}" "$wine" "$installer" > "$work/asking.log" 2>&1 &
    asking_pid=$!
    pids+=("$asking_pid")
    box="$(wait_for_window "$1" "$asking_pid" small)" || fail "$2"
}
# I Agree, then Install, by their access keys, to the pages that have the
# keyboard; the page must turn between the two.
agree_and_install() { # pages-window-id
    local page
    page="$(settled_pixels "$1")"
    xdotool key alt+a
    for _ in $(seq 100); do
        [ "$(window_pixels "$1")" != "$page" ] && break
        sleep 0.1
    done
    [ "$(settled_pixels "$1")" != "$page" ] || fail "I Agree did not turn the installer's page"
    xdotool key alt+i
}
press() { # window-id key...
    xdotool windowfocus --sync "$1" && xdotool key "${@:2}"
}
# The uninstaller goes on from a copy of itself in the temporary folder
# (~nsu*.tmp\Un.exe), and the command itself returns at once, before the
# copy may even show to pgrep.  The copy holds the command's output, so a
# pipe from it ends once the copy has ended: with its status, the command's.
uninstall_with_copy() { # arguments...
    "$wine" "$uninstaller" "$@" 2>&1 | cat > "$work/uninstall.log"
}

expect_status 0 "the older installer" "$work/old-setup.exe" /S
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
expect_status 3 "the installer with /S, while the game runs," "$installer" /S
unchanged "the installer with /S"

installer_asks "Pairfall Setup" "the installer asked nothing while the game runs"
press "$box" Escape
expect_end_status 3 "the installer, cancelled at its question," "$asking_pid"
unchanged "the installer, cancelled"

# Each of the game's languages asks in its own words, under NSIS's caption
# for that language (from the language files makensis used).
for language in de_DE:German fr_FR:French es_ES:Spanish it_IT:Italian nl_NL:Dutch pl_PL:Polish pt_BR:PortugueseBR sv_SE:Swedish; do
    locale="${language%%:*}"
    nlf="$nsis_languages/${language#*:}.nlf"
    caption="$(sed -n '/^# ^SetupCaption/{n;p}' "$nlf" | tr -d '\r' | sed 's/\$(^Name)/Pairfall/')"
    [ -n "$caption" ] || missing "no setup caption in $nlf"
    installer_asks "$caption" "the installer did not ask a $locale player under \"$caption\"" LC_ALL="$locale.UTF-8"
    press "$box" Escape
    expect_end_status 3 "the installer, cancelled at its $locale question," "$asking_pid"
done
unchanged "the installer in each language, cancelled"

echo "== The uninstaller while the game runs"
expect_status 3 "the uninstaller with /S, run in place," "$uninstaller" /S "$in_place"
unchanged "the uninstaller with /S, run in place"
uninstall_with_copy /S || fail "the uninstaller with /S ended with status $?, not 0, handing over to its copy"
unchanged "the uninstaller with /S"
uninstall_with_copy &
uninstall_pid=$!
pids+=("$uninstall_pid")
box="$(wait_for_window "Pairfall Uninstall" "$uninstall_pid" small)" || fail "the uninstaller asked nothing while the game runs"
press "$box" Escape
expect_end_status 0 "the uninstaller, cancelled, with its copy," "$uninstall_pid"
unchanged "the uninstaller, cancelled"

echo "== The game closed, Retry goes on; a second installer meanwhile"
installer_asks "Pairfall Setup" "the installer asked nothing while the game runs"
setup_pid="$asking_pid"
exit_game
press "$box" Return
# The pages' title is the caption and a space.
pages="$(wait_for_window "Pairfall Setup ?" "$setup_pid" large)" || fail "Retry with the game closed did not go on to the installer's pages"
expect_status 4 "a second installer with /S" "$installer" /S
installer_asks "Pairfall Setup" "a second installer did not say that one runs"
press "$box" Return
expect_end_status 4 "a second installer" "$asking_pid"
expect_status 4 "the uninstaller during an install" "$uninstaller" /S "$in_place"
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
agree_and_install "$pages"
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "Install asked nothing about the game started meanwhile"
press "$box" Escape
expect_end_status 3 "the installer, cancelled at its question at Install," "$setup_pid"
unchanged "the installer stopped at Install"
exit_game

echo "== The upgrade"
expect_status 0 "the upgrade with the game closed" "$installer" /S
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
expect_status 3 "the installer with /S, while a copy of the game runs from another folder," "$installer" /S
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
expect_status 3 "the installer with /S, while an unmarked pairfall.exe runs," "$installer" /S
expect_status 3 "the uninstaller with /S, run in place, while an unmarked pairfall.exe runs," "$uninstaller" /S "$in_place"
unchanged "the installer and the uninstaller with /S"
kill "$notepad_pid"
wait_for_end "$notepad_pid" || fail "Notepad did not end"

echo "== A pairfall.exe this account may not change"
# Read-only; root, whom that does not stop, gets an immutable file instead.
expect_status 0 "the installer with the game closed" "$installer" /S
if [ "$(id -u)" = 0 ]; then
    chattr +i "$folder/pairfall.exe" || fail "could not make pairfall.exe immutable"
    stop_programs() { chattr -i "$folder/pairfall.exe" 2> /dev/null; }
else
    chmod a-w "$folder/pairfall.exe"
fi
install_state > "$work/before"
expect_status 6 "the installer with /S, over a pairfall.exe it may not change," "$installer" /S
expect_status 6 "the uninstaller with /S, run in place, over a pairfall.exe it may not change," "$uninstaller" /S "$in_place"
unchanged "the installer and the uninstaller with /S"
if [ "$(id -u)" = 0 ]; then chattr -i "$folder/pairfall.exe"; else chmod u+w "$folder/pairfall.exe"; fi

echo "== A full disk"
# Wine's server opens the files for every Wine program: started again under
# strace, it is told that the disk is full whenever it opens the given file.
full_disk_for() { # file in the program's folder
    "$wineserver" -k 2> /dev/null
    "$wineserver" -w 2> /dev/null
    strace -o "$work/strace.log" -P "$WINEPREFIX/dosdevices/c:/Program Files/Pairfall/$1" \
        -e trace=openat -e inject=openat:error=ENOSPC "$wineserver" -f -p 2> "$work/strace.err" &
    strace_pid=$!
    pids+=("$strace_pid")
    # Ready once its socket is in the folder it works in.
    for _ in $(seq 100); do
        server_pid="$(pgrep -P "$strace_pid" wineserver)" && [ -S "/proc/$server_pid/cwd/socket" ] && break
        sleep 0.1
    done
    [ -S "/proc/${server_pid:-none}/cwd/socket" ] || fail "Wine's server under strace did not start: $(cat "$work/strace.err")"
}
told_full() { grep -q 'ENOSPC.*(INJECTED)' "$work/strace.log" || fail "strace told Wine of no full disk"; }
full_disk_for pairfall.exe
expect_status 5 "the installer with /S, on a full disk," "$installer" /S
expect_status 5 "the uninstaller with /S, run in place, on a full disk," "$uninstaller" /S "$in_place"
told_full
unchanged "the installer and the uninstaller on a full disk"
# Past the program file a full disk is NSIS's own error, which /S passes
# over: the install is finished, to be uninstalled, but said to have failed.
full_disk_for pictures/1.bmp
expect_status 7 "the installer with /S, on a disk full at pictures\\1.bmp," "$installer" /S
told_full
[ -n "$(registry_value "$uninstall_key" UninstallString)" ] || fail "the install that failed at pictures\\1.bmp left no uninstall entry"
# With its pages NSIS asks Abort, Retry or Ignore; Abort stops it.
"$wine" "$installer" > "$work/setup.log" 2>&1 &
setup_pid=$!
pids+=("$setup_pid")
pages="$(wait_for_window "Pairfall Setup ?" "$setup_pid" large)" || fail "the installer showed no pages"
xdotool windowfocus --sync "$pages"
agree_and_install "$pages"
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "a disk full at pictures\\1.bmp asked nothing"
press "$box" Return # Abort
window_gone "Pairfall Setup" || fail "Abort did not close NSIS's question"
# The page says "Installation Aborted"; its Cancel then ends the installer.
settled_pixels "$pages" > /dev/null
press "$pages" Escape
expect_end_status 2 "the installer, stopped by Abort on a full disk," "$setup_pid"

echo "== Cancelled on a page"
"$wineserver" -k 2> /dev/null
"$wineserver" -w 2> /dev/null
"$wine" "$installer" > "$work/setup.log" 2>&1 &
setup_pid=$!
pids+=("$setup_pid")
pages="$(wait_for_window "Pairfall Setup ?" "$setup_pid" large)" || fail "the installer showed no pages"
# Cancel, then Yes on "Are you sure you want to quit?".
press "$pages" Escape
box="$(wait_for_window "Pairfall Setup" "$setup_pid" small)" || fail "Cancel on the installer's page asked nothing"
press "$box" Return
expect_end_status 1 "the installer, cancelled on its page," "$setup_pid"

echo "1 passed, 0 failed: with the game running the installer (/S: status 3; asked in nine languages and cancelled) and the uninstaller (/S, in place: status 3; asked and cancelled) changed nothing; Retry with the game closed went on, and a game started meanwhile was asked about at Install; a second installer and the uninstaller meanwhile said so (status 4); the upgrade from 0.9.0 kept the statistics and the window position; a copy run from elsewhere, and an unmarked program in pairfall.exe's place, held the installer back; a pairfall.exe the account may not change gave status 6 and a full disk 5, changing nothing; a disk full past the program gave 7 with /S and 2 by Abort, and Cancel on a page 1"
