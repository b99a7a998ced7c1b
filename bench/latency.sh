#!/usr/bin/env bash
# How quickly the program answers on the Qt host (offscreen), with real events and real paints.
#
#   bench/latency.sh [BUILD_DIR] [RUNS] [TAPS]
#
# orvane-bench-latency is run RUNS times (default 7), each a new process: the program starts,
# the splash and the disclaimer are passed, 16 calculators are opened from the menu in turn (each
# timed from the menu command to its dialog painted), and in the first two, Calculate is tapped
# TAPS times (default 100; each tap timed from the mouse press to its result field painted).
# The table gives the median and the 99th percentile of the taps, the median of the first
# calculator opened in each run, and the median of every later one; each in wall time (what the
# targets hold) and in the program's processor time (the same figure less any wait for a
# processor that other programs had).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build-bench}"
runs="${2:-7}"
taps="${3:-100}"
export QT_QPA_PLATFORM=offscreen

program="$build/bench/orvane-bench-latency"
if [ ! -x "$program" ]; then
    echo "latency: no bench/orvane-bench-latency in $build (is Qt 6 there?)" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

"$program" --opens 2 --taps 2 >/dev/null  # one unmeasured run
: >"$work/all.txt"
for ((i = 0; i < runs; i++)); do
    "$program" --opens 16 --taps "$taps" >>"$work/all.txt"
done

# The value at fraction q of the sorted figures of one kind (nearest rank); column 2 is the wall
# time, column 3 the processor time.
quantile() {
    awk -v kind="$1" -v column="${3:-2}" '$1 == kind {print $column}' "$work/all.txt" | sort -g |
        awk -v q="$2" '{v[NR] = $1} END {
            if (NR == 0) { print "nan"; exit }
            r = int(q * NR + 0.999999); if (r < 1) r = 1; if (r > NR) r = NR; print v[r] }'
}

tap_count=$(awk '$1 == "tap"' "$work/all.txt" | wc -l)
awk -v tm="$(quantile tap 0.5)" -v tmc="$(quantile tap 0.5 3)" \
    -v tp="$(quantile tap 0.99)" -v tpc="$(quantile tap 0.99 3)" \
    -v fo="$(quantile first-open 0.5)" -v foc="$(quantile first-open 0.5 3)" \
    -v lo="$(quantile open 0.5)" -v loc="$(quantile open 0.5 3)" \
    -v runs="$runs" -v taps="$tap_count" '
function line(what, v, cpu, limit) {
    printf "%-44s %9.2f %9.2f  %-7s <= %s\n", what, v, cpu, (v <= limit ? "met" : "MISSED"), limit
}
BEGIN {
    printf "\n%-44s %9s %9s  %s\n", "response on the Qt host (offscreen, " runs " runs)", "ms",
        "cpu ms", "target"
    line("  Calculate tap to result painted, median", tm, tmc, 2)
    line("  Calculate tap, 99th percentile (" taps " taps)", tp, tpc, 4)
    line("  menu to calculator painted, first, median", fo, foc, 8)
    line("  menu to calculator painted, later, median", lo, loc, 4)
}'
