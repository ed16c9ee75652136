# Sourced by the end-to-end scripts that run the Windows program under Wine:
# finds Wine, checks the tools a script names, and gives it a headless X
# server and a Wine prefix of its own, away from the user's.  Sets $work (a
# temporary folder), $wine, $wineserver, WINEPREFIX, DISPLAY and the installed
# game's places ($folder, $program...); all started here, and every program in
# $pids, ends with the script, after the script's own stop_programs, if it has
# one.  fail() saves the screen as $failure_shot, when the script sets it.
source "$(dirname "${BASH_SOURCE[0]}")/x_server.sh"
missing() {
    echo "FAILED: $*"
    exit 1
}
wine_tool() { # name: Debian's /usr/lib/wine/NAME (--no-install-recommends), or NAME on PATH
    if [ -x "/usr/lib/wine/$1" ]; then echo "/usr/lib/wine/$1"; else command -v "$1"; fi
}
wine="$(wine_tool wine64)" || missing "Wine is not installed (Debian package wine64; scripts/setup.sh installs it)"
wineserver="$(wine_tool wineserver)" || missing "Wine's wineserver is not installed (Debian package wine64; scripts/setup.sh installs it)"
wine_run="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine-run"
# Each tool, or a failure naming the packages scripts/setup.sh installs for them.
need_tools() { # "packages" tool...
    local packages="$1"
    shift
    for tool in "$@"; do
        command -v "$tool" > /dev/null || missing "$tool is not installed (scripts/setup.sh installs $packages)"
    done
}

work="$(mktemp -d)"
pids=()
cleanup() {
    declare -F stop_programs > /dev/null && stop_programs
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    "$wineserver" -k 2> /dev/null
    "$wineserver" -w 2> /dev/null
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT
failure_shot=""
fail() {
    echo "FAILED: $*"
    if [ -n "$failure_shot" ]; then
        local saved="${TMPDIR:-/tmp}/$failure_shot"
        import -window root "$saved" 2> /dev/null && echo "screen saved to $saved"
    fi
    exit 1
}

export WINEPREFIX="$work/prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
# No Mono or Gecko installer, no menu entries written into the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR

# Where the installer puts the game, its shortcut and its uninstall entry, and
# where the game keeps its settings.
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Pairfall"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pairfall.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pairfall'
settings_key='HKCU\Software\Pairfall\Pairfall'
program='C:\Program Files\Pairfall\pairfall.exe'

# What reg query says of one value: "REG_SZ 1000", or nothing.
registry_value() { # key name
    "$wine" reg query "$1" /v "$2" 2> /dev/null | tr -d '\r' | sed -n "s/^    $2    \(REG_[A-Z_]*\)    \(.*\)\$/\1 \2/p"
}

wait_for_end() { # pid: true once it has ended, within 30 s
    for _ in $(seq 300); do kill -0 "$1" 2> /dev/null || return 0; sleep 0.1; done
    return 1
}

# The file a script was given, as an absolute path; fails, naming what makes
# it, where there is none.
file_argument() { # path what-makes-it -> the absolute path
    [ -n "$1" ] && [ -f "$1" ] || missing "no file at '$1' ($2 makes it)"
    echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
}

# A command of the set-up under Wine, started again only where Wine itself
# failed to start it (scripts/wine-run, which says so); its output is kept in
# $work/NAME.log, and a retry is told here.
wine_setup() { # NAME command...
    local log="$work/$1.log"
    shift
    "$wine_run" "$wine" "$@" > "$log" 2>&1
    local status=$?
    grep '^RETRIED' "$log"
    return "$status"
}

# The prefix, its screen at the given dpi.
make_wine_prefix() { # DPI
    mkdir -p "$WINEPREFIX"
    wine_setup wineboot wineboot --init || {
        cat "$work/wineboot.log"
        fail "Wine could not make its prefix"
    }
    wine_setup dpi reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f || {
        cat "$work/dpi.log"
        fail "could not set Wine's dpi"
    }
}

# The screen, its dpi given (Wine's own is set by make_wine_prefix).
open_screen() { # WIDTHxHEIGHT [Xvfb options...]
    start_x_server "$@" || missing "no X server for Wine's windows"
}

# Windows without a window manager take the keyboard only when told: a
# message box and the installer's pages by their X focus, the game by a click
# on its status line.  Titles are matched in UTF-8, as Wine gives them in
# _NET_WM_NAME: its WM_NAME, which xdotool searches, has the accents taken off.
visible_window() { # title-pattern [small|large] -> the id of a visible window with that title now
    local id
    for id in $(xdotool search --onlyvisible --name . 2> /dev/null); do
        [[ "$(xdotool getwindowname "$id" 2> /dev/null)" =~ ^$1$ ]] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        case "${2:-}" in
        small) [ "$HEIGHT" -lt 200 ] || continue ;; # a message box
        large) [ "$HEIGHT" -ge 200 ] || continue ;; # the installer's pages
        esac
        echo "$id"
        return 0
    done
    return 1
}
wait_for_window() { # title-pattern [pid] [small|large] -> the id of its visible window, within 30 s
    for _ in $(seq 300); do
        visible_window "$1" "${3:-}" && return 0
        [ -n "${2:-}" ] && ! kill -0 "$2" 2> /dev/null && return 1
        sleep 0.1
    done
    return 1
}
window_gone() { # title-pattern: true once no visible window has it, within ten seconds
    for _ in $(seq 100); do
        visible_window "$1" > /dev/null || return 0
        sleep 0.1
    done
    return 1
}
end_status() { # pid -> $status: its exit status once it has ended within 30 s, or "still running"
    status="still running"
    wait_for_end "$1" || return 0
    wait "$1"
    status=$?
}
# A program run under Wine to its end, or one started earlier once it has
# ended: either fails the script unless its status is the one expected.
expect_status() { # status what program [arguments...]
    local expected="$1" what="$2"
    shift 2
    "$wine" "$@" > "$work/run.log" 2>&1
    status=$?
    [ "$status" = "$expected" ] || fail "$what ended with status $status, not $expected"
}
expect_end_status() { # status what pid
    end_status "$3"
    [ "$status" = "$1" ] || fail "$2 ended with status $status, not $1"
}

game_pid=""
start_game() { # program [NAME=value...] -> game_window, game_pid; the game's environment with those
    env "${@:2}" "$wine" "$1" > "$work/game.log" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    game_window="$(wait_for_window Pairfall "$game_pid")" || fail "the game $1 did not come up"
}
visible_windows() { xdotool search --onlyvisible --name . 2> /dev/null | wc -l; }
# A menu of the game by its access key.  The menu is a window of its own, so
# a window more shows that the game has the keyboard; until it has, a click
# on the status line gives it again.
open_menu() { # key
    local before
    before="$(visible_windows)"
    for _ in $(seq 20); do
        eval "$(xdotool getwindowgeometry --shell "$game_window")"
        xdotool mousemove $((X + 100)) $((Y + HEIGHT - 9)) click 1 key "alt+$1"
        for _ in $(seq 10); do
            [ "$(visible_windows)" -gt "$before" ] && return 0
            sleep 0.1
        done
    done
    fail "the game's menu did not open by Alt+$1"
}
# File > Exit by its access keys (English unless given); fails unless the
# game ends with status 0.
exit_game() { # [file-key exit-key]
    open_menu "${1:-f}"
    xdotool key "${2:-x}"
    expect_end_status 0 "File > Exit" "$game_pid"
    game_pid=""
}
