#!/usr/bin/env bash
# Start-up benchmark: time from process start until the main window is mapped,
# and resident memory once it is up, for pairfall in English, pairfall for a
# German player (LANGUAGE=de: its translations and Qt's loaded) and a bare
# Qt Widgets window with the same menus, status bar and size that also takes
# a lock file and listens on a local socket, as a one-copy program must (the
# baseline).
#
#   bench/startup.sh [-n RUNS] [-s SETTLE_MS] [-v] [BUILD_DIR]
#
# -v also prints every measurement.
# RUNS defaults to 31 (or $RUNS), SETTLE_MS to 200, BUILD_DIR to "build".
# BUILD_DIR must be a configured build tree of this project; the three
# programs are built there if needed.  Each run gets a fresh XDG_CONFIG_HOME,
# so both programs start as on first use.  The programs take turns, in an order
# that turns from round to round, after one unmeasured warm-up start each, on
# one Xvfb server without a window manager.  The ratios are the medians of each
# round's own ratio, so that a busier moment weighs on both programs alike;
# the odd and the even rounds give two such figures, which must agree
# within 3 % for the result to count as settled (otherwise: more runs, or a quieter
# machine).  The German start must stay within 1.05 of the English one.  Exits
# non-zero only if a measurement fails; a missed target is reported, not an
# error.

set -euo pipefail

runs="${RUNS:-31}"
settle=200
verbose=0
target_ratio=1.10
agreement=0.03
language_ratio=1.05

usage() {
    echo "usage: $0 [-n RUNS] [-s SETTLE_MS] [-v] [BUILD_DIR]" >&2
    exit 2
}
while getopts "n:s:vh" opt; do
    case "$opt" in
        n) runs="$OPTARG" ;;
        s) settle="$OPTARG" ;;
        v) verbose=1 ;;
        *) usage ;;
    esac
done
shift $((OPTIND - 1))
[[ $# -le 1 ]] || usage
build_dir="${1:-build}"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive whole number" >&2; exit 2; }
[[ "$settle" =~ ^[0-9]+$ ]] || { echo "SETTLE_MS must be a whole number" >&2; exit 2; }

# Xvfb runs the X server; libx11-dev is needed to build the map watcher.
missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
[[ -e /usr/include/X11/Xlib.h ]] || missing+=(libx11-dev)
if [[ ${#missing[@]} -gt 0 ]]; then
    if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
        echo "Installing ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" >/dev/null
        if [[ " ${missing[*]} " == *" libx11-dev "* ]]; then
            # The build tree must see the new headers before it can build the watcher.
            cmake "$build_dir" >/dev/null
        fi
    else
        echo "Missing Debian packages: ${missing[*]}; install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    echo "$build_dir is not a configured build folder (run: cmake -S . -B $build_dir)" >&2
    exit 1
fi
cmake --build "$build_dir" --target pairfall bench_bare_window bench_wait_mapped >/dev/null

program_path() { # name, path expected in the build folder
    if [[ -x "$build_dir/$2" ]]; then
        echo "$build_dir/$2"
        return
    fi
    local found
    found=$(find "$build_dir" -path "$build_dir/_CPack_Packages" -prune -o -type f -perm -u+x -name "$1" -print | head -n 1)
    [[ -n "$found" ]] || { echo "cannot find $1 in $build_dir" >&2; exit 1; }
    echo "$found"
}
pairfall=$(program_path pairfall pairfall)
bare=$(program_path bench_bare_window bench/bench_bare_window)
watcher=$(program_path bench_wait_mapped bench/bench_wait_mapped)

work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/x_server.sh"
cleanup() {
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server 1280x1024
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# Prints "map_ms rss_kb" for one start of a program.
measure() {
    local title="$1" program="$2" config out
    config=$(mktemp -d "$work/config.XXXXXX")
    if ! out=$(XDG_CONFIG_HOME="$config" "$watcher" -n "$title" -s "$settle" -l "$work/program.log" -- "$program"); then
        echo "measurement of $program failed; its output:" >&2
        cat "$work/program.log" >&2
        return 1
    fi
    rm -rf "$config"
    [[ "$out" =~ ^map_ms=([0-9.]+)\ rss_kb=([0-9]+)$ ]] || { echo "unexpected output: $out" >&2; return 1; }
    echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# Other work on the machine skews the times: say how busy it was.
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
# English is the C locale's; German the first language a German player lists.
LANGUAGE=C measure Pairfall "$pairfall" >/dev/null
LANGUAGE=de measure Pairfall "$pairfall" >/dev/null
LANGUAGE=C measure "Bare window" "$bare" >/dev/null

: >"$work/pairfall.txt"
: >"$work/german.txt"
: >"$work/bare.txt"
# One start of each, by name.
start() {
    case "$1" in
        pairfall) LANGUAGE=C measure Pairfall "$pairfall" >>"$work/pairfall.txt" ;;
        german) LANGUAGE=de measure Pairfall "$pairfall" >>"$work/german.txt" ;;
        bare) LANGUAGE=C measure "Bare window" "$bare" >>"$work/bare.txt" ;;
    esac
}
# The order turns round by round, so that no program is always the first
# after the pause between rounds or always the one after another's exit.
orders=("pairfall german bare" "german bare pairfall" "bare pairfall german")
for i in $(seq "$runs"); do
    for program in ${orders[$(((i - 1) % 3))]}; do
        start "$program"
    done
    if [[ $verbose -eq 1 ]]; then
        read -r p_ms p_kb <<<"$(tail -n 1 "$work/pairfall.txt")"
        read -r g_ms g_kb <<<"$(tail -n 1 "$work/german.txt")"
        read -r b_ms b_kb <<<"$(tail -n 1 "$work/bare.txt")"
        printf 'run %2d  pairfall %s ms %s KiB   German %s ms %s KiB   bare %s ms %s KiB\n' "$i" "$p_ms" "$p_kb" "$g_ms" "$g_kb" "$b_ms" "$b_kb"
    fi
done

median() { # column file
    awk -v c="$1" '{ print $c }' "$2" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
p_ms=$(median 1 "$work/pairfall.txt")
g_ms=$(median 1 "$work/german.txt")
b_ms=$(median 1 "$work/bare.txt")
p_kb=$(median 2 "$work/pairfall.txt")
g_kb=$(median 2 "$work/german.txt")
b_kb=$(median 2 "$work/bare.txt")

# Each round's ratios, then their medians: all rounds, odd rounds, even rounds.
paste -d' ' "$work/pairfall.txt" "$work/german.txt" "$work/bare.txt" |
    awk '{ printf "%d %.6f %.6f %.6f %.6f\n", NR, $1 / $5, $2 / $6, $3 / $5, $4 / $6 }' > "$work/ratios.txt"
ratio_median() { # column [odd|even]
    awk -v c="$1" -v part="${2:-all}" 'part == "all" || (part == "odd") == ($1 % 2 == 1) { print $c }' "$work/ratios.txt" |
        sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
tr=$(ratio_median 2)
mr=$(ratio_median 3)
gtr=$(ratio_median 4)
gmr=$(ratio_median 5)
tr_odd=$(ratio_median 2 odd)
tr_even=$(ratio_median 2 even)
mr_odd=$(ratio_median 3 odd)
mr_even=$(ratio_median 3 even)

awk -v runs="$runs" -v settle="$settle" -v target="$target_ratio" -v language_target="$language_ratio" \
    -v pm="$p_ms" -v gm="$g_ms" -v bm="$b_ms" -v pk="$p_kb" -v gk="$g_kb" -v bk="$b_kb" \
    -v tr="$tr" -v mr="$mr" -v gtr="$gtr" -v gmr="$gmr" -v agree="$agreement" \
    -v tro="$tr_odd" -v tre="$tr_even" -v mro="$mr_odd" -v mre="$mr_even" 'BEGIN {
    printf "Start-up to first map and VmRSS %d ms after it, median of %d runs (Xvfb, no window manager)\n", settle, runs
    printf "%-14s %12s %12s\n", "", "map (ms)", "VmRSS (KiB)"
    printf "%-14s %12.1f %12d\n", "pairfall", pm, pk
    printf "%-14s %12.1f %12d\n", "pairfall (de)", gm, gk
    printf "%-14s %12.1f %12d\n", "bare window", bm, bk
    lt = gm / pm; lm = gk / pk
    printf "%-14s %12.3f %12.3f   (the median of every round)\n", "ratio", tr, mr
    printf "%-14s %12.3f %12.3f\n", "ratio (de)", gtr, gmr
    printf "%-14s %12.3f %12.3f\n", "odd rounds", tro, mro
    printf "%-14s %12.3f %12.3f\n", "even rounds", tre, mre
    printf "%-14s %12.2f %12.2f\n", "de / English", lt, lm
    ta = (tro > tre ? tro / tre : tre / tro) - 1; ma = (mro > mre ? mro / mre : mre / mro) - 1
    printf "odd and even rounds agree within %.0f %%: time %s (%.1f %%), memory %s (%.1f %%)\n", agree * 100, (ta <= agree ? "yes" : "NO, run more"), ta * 100, (ma <= agree ? "yes" : "NO, run more"), ma * 100
    printf "target ratio <= %.2f: time %s, memory %s; in German: time %s, memory %s\n", target, (tr <= target ? "met" : "NOT met"), (mr <= target ? "met" : "NOT met"), (gtr <= target ? "met" : "NOT met"), (gmr <= target ? "met" : "NOT met")
    printf "German within %.2f of English: time %s, memory %s\n", language_target, (lt <= language_target ? "met" : "NOT met"), (lm <= language_target ? "met" : "NOT met")
}'
