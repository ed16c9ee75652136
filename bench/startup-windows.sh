#!/usr/bin/env bash
# Start-up benchmark of the Windows build under Wine: time from process start
# until the main window is mapped, for pairfall.exe and for the bare Qt
# window built the same way (the baseline), taking turns on one Xvfb server
# and one Wine prefix, after one unmeasured warm-up start each.
#
#   bench/startup-windows.sh [-n RUNS] WINDOWS_BUILD_DIR HOST_BUILD_DIR
#
# WINDOWS_BUILD_DIR is a cross build (scripts/test-windows makes one in
# build-windows); HOST_BUILD_DIR a native build that has bench_wait_mapped,
# the map watcher.  Each run gets an empty settings key (the registry of a
# fresh prefix is kept, the program's key removed).  A missed target is
# reported, not an error.
set -euo pipefail

runs=7
target_ratio=1.3
while getopts "n:h" opt; do
    case "$opt" in
        n) runs="$OPTARG" ;;
        *) echo "usage: $0 [-n RUNS] WINDOWS_BUILD_DIR HOST_BUILD_DIR" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[[ $# -eq 2 ]] || { echo "usage: $0 [-n RUNS] WINDOWS_BUILD_DIR HOST_BUILD_DIR" >&2; exit 2; }
windows_build="$1"
host_build="$2"
pairfall="$windows_build/pairfall.exe"
bare="$windows_build/bench_bare_window.exe"
watcher="$host_build/bench/bench_wait_mapped"
for file in "$pairfall" "$bare" "$watcher"; do
    [[ -x "$file" ]] || { echo "missing: $file (build it first)" >&2; exit 1; }
done
wine=/usr/lib/wine/wine64
[[ -x "$wine" ]] || wine="$(command -v wine64 || command -v wine)"
wineserver=/usr/lib/wine/wineserver
[[ -x "$wineserver" ]] || wineserver="$(command -v wineserver)"

work="$(mktemp -d)"
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/x_server.sh"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    "$wineserver" -k 2> /dev/null || true
    "$wineserver" -w 2> /dev/null || true
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server 1280x1024
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init > "$work/wineboot.log" 2>&1

measure() { # title program: prints "map_ms"
    local out
    "$wine" reg delete 'HKCU\Software\Pairfall' /f > /dev/null 2>&1 || true
    out="$("$watcher" -n "$1" -l "$work/program.log" -- "$wine" "$2")" || { cat "$work/program.log" >&2; return 1; }
    [[ "$out" =~ ^map_ms=([0-9.]+) ]] || { echo "unexpected output: $out" >&2; return 1; }
    echo "${BASH_REMATCH[1]}"
    # The watcher ends the loader; let Wine finish the process before the next start.
    sleep 0.5
}

echo "load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
measure Pairfall "$pairfall" > /dev/null
measure "Bare window" "$bare" > /dev/null
: > "$work/pairfall.txt"
: > "$work/bare.txt"
for _ in $(seq "$runs"); do
    measure Pairfall "$pairfall" >> "$work/pairfall.txt"
    measure "Bare window" "$bare" >> "$work/bare.txt"
done
median() { sort -g "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
awk -v runs="$runs" -v target="$target_ratio" -v pm="$(median "$work/pairfall.txt")" -v bm="$(median "$work/bare.txt")" 'BEGIN {
    printf "Start-up under Wine to the first map, median of %d runs (Xvfb, no window manager)\n", runs
    printf "pairfall.exe      %8.1f ms\nbare window .exe  %8.1f ms\nratio             %8.2f (target <= %.1f: %s)\n", pm, bm, pm / bm, target, (pm / bm <= target ? "met" : "NOT met")
}'
