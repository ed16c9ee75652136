#!/usr/bin/env bash
# The single-copy guard against another local account, with two real
# accounts made for the test and removed at its end.  The player's copy,
# started as su, cron or a bare ssh session start it (no XDG_RUNTIME_DIR),
# makes nothing of its own where every user may write; the other account
# can neither connect to its socket nor, by what it makes and listens on
# first, keep a later start from being handed over to the real copy.
# Needs root, to make the accounts.
#   other_account.sh <pairfall>
set -euo pipefail
program="$(realpath "$1")"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: making two accounts needs root (CI runs as root)"
    exit 77
fi
PYTHON=/usr/bin/python3 # Debian's, which every account may run
shared=(/tmp /var/tmp /dev/shm)

player="pfplayer$$"
other="pfother$$"
work="$(mktemp -d)"
first=""
cleanup() {
    [ -n "$first" ] && kill "$first" 2> /dev/null
    for account in "$player" "$other"; do
        pkill -KILL -u "$account" 2> /dev/null || true
        find "${shared[@]}" -xdev -user "$account" -delete 2> /dev/null || true
        userdel -r "$account" 2> /dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- $log"; tail -50 "$log"; }; done
    exit 1
}

useradd --create-home --shell /bin/sh "$player"
useradd --create-home --shell /bin/sh "$other"
home="$(getent passwd "$player" | cut -d: -f6)"
# The worst a player may have: folders that every account may pass through,
# so that only the socket's own permission keeps the other account out.
chmod 755 "$home"
socket="$home/.config/Pairfall/Pairfall.socket"

# The program and its pictures where both accounts may read them.
chmod 755 "$work"
cp "$program" "$work/pairfall"
cp -r "$(dirname "$program")/pictures" "$work/pictures"
chmod -R a+rX "$work"

# Runs a command as an account, in an environment as bare as cron's.
as() { # account command...
    local account="$1"
    shift
    runuser -u "$account" -- env -i HOME="$(getent passwd "$account" | cut -d: -f6)" PATH=/usr/bin:/bin \
        QT_QPA_PLATFORM=offscreen ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} "$@"
}
owned_in_shared_folders() {
    find "${shared[@]}" -xdev -user "$player" 2> /dev/null | grep -v "^/tmp/runtime-$player\(/\|$\)" || true
}

# The other account first: a listener that answers every question as the
# running copy would, where the guard once put its socket without a runtime
# folder, and files where a guard might put its own.
old_place="/tmp/pairfall-$(printf '%s' "$home/.config/Pairfall" | sha1sum | cut -c1-16)"
as "$other" "$PYTHON" -c '
import os, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
os.chmod(sys.argv[1], 0o777)
server.listen()
with open(sys.argv[2], "a") as log:
    print("listening", file=log, flush=True)
    while True:
        connection, _ = server.accept()
        print("connected", file=log, flush=True)
        connection.sendall(b"activated\n")
        connection.close()
' "$old_place" "/tmp/$other.listener" > "$work/listener.log" 2>&1 &
for _ in $(seq 200); do grep -qs listening "/tmp/$other.listener" && break; sleep 0.05; done
grep -qs listening "/tmp/$other.listener" || fail "the other account's listener did not start"
as "$other" touch /tmp/Pairfall.socket /tmp/Pairfall.lock /var/tmp/Pairfall.socket /dev/shm/Pairfall.socket
[ -z "$(owned_in_shared_folders)" ] || fail "the player owns files in shared folders before the test: $(owned_in_shared_folders)"

# The player's first copy.
as "$player" "$work/pairfall" > "$work/first.log" 2>&1 &
first=$!
for _ in $(seq 600); do [ -S "$socket" ] && break; sleep 0.05; done
[ -S "$socket" ] || fail "the player's copy made no socket at $socket"
made="$(owned_in_shared_folders)"
[ -z "$made" ] || fail "the player's copy made this where every user may write: $made"
echo "the player's copy listens at $socket ($(stat -c %A "$socket")); nothing of it in ${shared[*]}"

# The other account cannot connect to it, nor make a file beside it.
if as "$other" "$PYTHON" -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' "$socket" 2> "$work/connect.log"; then
    fail "the other account connected to the player's socket"
fi
grep -q PermissionError "$work/connect.log" || fail "the other account's connection failed for another reason: $(cat "$work/connect.log")"
if as "$other" touch "$(dirname "$socket")/planted" 2> /dev/null; then
    fail "the other account made a file beside the player's socket"
fi
echo "the other account may neither connect nor make a file there"

# Later starts, without a runtime folder and with one, hand over to the real copy.
as "$player" mkdir -m 700 "$home/runtime"
for runtime in "" "$home/runtime"; do
    status=0
    as "$player" ${runtime:+XDG_RUNTIME_DIR="$runtime"} timeout 60 "$work/pairfall" > "$work/later.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "a later start ${runtime:+with XDG_RUNTIME_DIR }ended with status $status"
    copies="$(pgrep -c -u "$player" -x pairfall || true)"
    [ "$copies" -eq 1 ] || fail "the player runs $copies copies"
done
grep -q connected "/tmp/$other.listener" && fail "a start of the player's asked the other account's listener"
echo "a later start without a runtime folder and one with it were handed over; one copy runs"

# runuser waits for the game and ends with its status.
pkill -TERM -u "$player" -x pairfall
status=0
wait "$first" || status=$?
first=""
[ "$status" -eq 0 ] || fail "the player's copy ended with status $status on SIGTERM"
[ -e "$socket" ] && fail "the socket outlived the copy"
echo "PASSED"
