# Sourced by the end-to-end scripts that run the Windows program under Wine:
# finds Wine, checks the tools a script names, and gives it a headless X
# server and a Wine prefix of its own, away from the user's.  Sets $work (a
# temporary folder), $wine, $wineserver, WINEPREFIX, DISPLAY and the installed
# game's places ($folder, $program...); all started here ends with the script,
# after the script's own stop_programs, if it has one.  fail() saves the
# screen as $failure_shot, when the script sets it.
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
xvfb_pid=""
cleanup() {
    declare -F stop_programs > /dev/null && stop_programs
    "$wineserver" -k 2> /dev/null
    "$wineserver" -w 2> /dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
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

# A headless X server of that size, with the given options.
start_x_server() { # WIDTHxHEIGHT [Xvfb options...]
    local size="$1"
    shift
    Xvfb -displayfd 3 -screen 0 "${size}x24" "$@" -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || missing "Xvfb did not start ($(cat "$work/xvfb.log"))"
    export DISPLAY=":$(head -1 "$work/display")"
    for _ in $(seq 100); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.05; done
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
