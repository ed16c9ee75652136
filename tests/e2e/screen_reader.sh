#!/usr/bin/env bash
# The real pairfall read by the real screen reader, Orca, as a blind player
# hears it: one whole game in English, then a short visit in German, each
# with Orca started after the game (screen_reader.py holds Orca's words to
# the table).  Under Xvfb, with a private D-Bus session bus and its own
# accessibility bus; Orca's speech is read from its debug output, so no
# speech synthesizer is started.
#   screen_reader.sh <path to pairfall>
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
PAIRFALL="$1"
source "$HERE/desktop_session.sh"

missing=()
for command in Xvfb xdotool dbus-daemon orca unshare; do
    command -v "$command" > /dev/null || missing+=("$command")
done
[ -x "$LAUNCHER" ] || missing+=(at-spi-bus-launcher)
"$PYTHON" -c 'import pyatspi' 2> /dev/null || missing+=(pyatspi)
[ ${#missing[@]} -eq 0 ] || fail "the screen reader test cannot run without: ${missing[*]} (scripts/setup.sh installs them)"

start_desktop
start_accessibility_bus

# Orca as installed, but with no speech server: what it would say is in its
# debug output, and a speech server that does not start cannot hold it up.
settings() { # folder
    mkdir -p "$1"
    cat > "$1/user-settings.conf" << 'SETTINGS'
{"general": {"speechServerFactory": "", "enableSpeech": true, "firstStart": false,
             "activeProfile": ["Default", "default"], "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}
SETTINGS
    # Orca's own place for a user's code: its debug output is written line by
    # line, so each word is there to read as soon as it is said.
    cat > "$1/orca-customizations.py" << 'CUSTOMIZATIONS'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
CUSTOMIZATIONS
}

run() { # LANGUAGE ts-file plan
    local language="$1" ts="$2" plan="$3"
    settings "$work/orca-$language"
    LANGUAGE="$language" "$PAIRFALL" > "$work/pairfall-$language.log" 2>&1 &
    local game=$!
    pids+=("$game")
    local window
    window="$(main_window_of "$game")" || fail "the main window did not appear for LANGUAGE=$language"
    PYTHONPATH="$HERE" "$PYTHON" "$HERE/screen_reader.py" "$window" "$work/orca-$language" "$ts" "$plan" \
        || { cp "$work/orca-$language/orca.log" "$work/orca-$language.log" 2> /dev/null; fail "LANGUAGE=$language"; }
    kill "$game"
    wait "$game" || fail "kill did not end pairfall with status 0 for LANGUAGE=$language"
    # Qt's bridge waits 100 ms for the screen reader to pass each key on, then
    # gives the key to the program anyway and says so; a reader that is just
    # starting again is that slow.  Its answer may still come after, which the
    # bridge also says, once for a key it gave up on.  Anything else the
    # program prints is a fault.
    local log="$work/pairfall-$language.log" given_up late
    given_up="$(grep -c '^QSpiApplication::keyEventError ' "$log" || true)"
    late="$(grep -c '^QSpiApplication::notifyKeyboardListenerCallback with no queued key called$' "$log" || true)"
    [ "$late" -le "$given_up" ] || fail "pairfall heard $late late answers to keys for LANGUAGE=$language, but gave up on $given_up"
    grep -v -e '^QSpiApplication::keyEventError ' -e '^QSpiApplication::notifyKeyboardListenerCallback with no queued key called$' \
        "$log" > "$work/pairfall-$language-warnings.log"
    [ -s "$work/pairfall-$language-warnings.log" ] && fail "pairfall printed warnings for LANGUAGE=$language"
    rm -rf "$XDG_CONFIG_HOME"
}

run C - whole
run de "$HERE/../../translations/pairfall_de.ts" short
exit 0
