#!/usr/bin/env bash
# The time from a key press to Orca's speech of its result, both as Orca's own
# debug output stamps them: the screen reader test played RUNS times (each a
# whole game in English and a short German visit), every deal, completed play
# and selection gathered, and their medians printed.
#   bench/speech_latency.sh [-n RUNS] [BUILD_DIR]     (defaults: 5 runs, build)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=5
if [ "${1:-}" = "-n" ]; then
    runs="$2"
    shift 2
fi
build="${1:-$ROOT/build}"
cmake --build "$build" --target pairfall > /dev/null
times="$(mktemp)"
trap 'rm -f "$times"' EXIT
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for run in $(seq "$runs"); do
    PAIRFALL_SPEECH_TIMES="$times" bash "$ROOT/tests/e2e/screen_reader.sh" "$build/pairfall" | grep '^Orca heard' || {
        echo "run $run failed"
        exit 1
    }
done
python3 - "$times" << 'REPORT'
import statistics, sys
samples = {}
for line in open(sys.argv[1]):
    kind, ms = line.split()
    samples.setdefault(kind, []).append(float(ms))
for kind in ("deal", "play", "select"):
    values = sorted(samples.get(kind, []))
    if values:
        q = statistics.quantiles(values, n=4) if len(values) > 1 else [values[0]] * 3
        print(f"{kind:6} {len(values):4} presses: median {statistics.median(values):6.1f} ms, "
              f"quartiles {q[0]:.1f} and {q[2]:.1f} ms, slowest {values[-1]:.1f} ms")
REPORT
