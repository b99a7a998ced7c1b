#!/usr/bin/env bash
# Start-up time and peak memory of the program against a bare Qt window, both offscreen.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]
#
# The program is run to its painted main window and then ended: orvane-drive on the Qt host
# plays "start, tap (the splash closes), click 1 (the disclaimer is accepted), menu 40002 (Exit)"
# against the whole program, with the settings in memory. The bare window program
# (orvane-bare-window) shows a 240 by 320 window, paints it once and quits. Each is run RUNS
# times (default 25), alternating, after one unmeasured run of each. The table gives, for each,
# the least wall time (the run least slowed by other work on the machine), the least processor
# time, and the median peak resident memory, with the ratios program / bare window.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build-bench}"
runs="${2:-41}"
export QT_QPA_PLATFORM=offscreen

find_program() {
    local name
    for name in "$@"; do
        if [ -x "$build/$name" ]; then
            echo "$build/$name"
            return 0
        fi
    done
    return 1
}

drive="$(find_program tools/orvane-drive)" || {
    echo "startup: no tools/orvane-drive in $build" >&2
    exit 1
}
runner="$(find_program bench/orvane-bench-run)" || {
    echo "startup: no bench/orvane-bench-run in $build" >&2
    exit 1
}
bare="$(find_program bench/orvane-bare-window platform/qt/orvane-bare-window)" || {
    echo "startup: no orvane-bare-window in $build (is Qt 6 there?)" >&2
    exit 1
}

# Both programs run with their runtime and temporary folders in memory, as in a desktop session
# (XDG_RUNTIME_DIR is /run/user/ID, a tmpfs): the program keeps its single-instance lock and
# socket there, and on a folder on disk the lock file's flush and the removal of the folder at
# exit would be timed as disk waits that a session does not have.
memory_dir=""
for candidate in "${XDG_RUNTIME_DIR:-}" /dev/shm; do
    if [ -n "$candidate" ] && [ -d "$candidate" ] && [ -w "$candidate" ] &&
        [ "$(stat -f -c %T "$candidate" 2>/dev/null)" = tmpfs ]; then
        memory_dir="$candidate"
        break
    fi
done
if [ -n "$memory_dir" ]; then
    work="$(mktemp -d "$memory_dir/orvane-startup-XXXXXX")"
else
    echo "startup: no folder in memory; the runtime folder is on disk and timed as such" >&2
    work="$(mktemp -d)"
fi
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
mkdir -m 700 "$work/runtime" "$work/tmp"
export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
cat >"$work/start.drive" <<'EOF'
start
tap
click 1
menu 40002
expect exited 0
EOF

if ! "$drive" --host qt "$work/start.drive" >"$work/check.txt" 2>&1; then
    echo "startup: the program did not start and end cleanly on the Qt host:" >&2
    cat "$work/check.txt" >&2
    exit 1
fi

# One run: prints "wall-ms kilobytes cpu-ms", the wall time around the whole process, its peak
# resident set and its processor time, as orvane-bench-run takes them from the kernel.
measure() {
    "$runner" "$@"
}

program=("$drive" --host qt "$work/start.drive")
measure "$bare" >/dev/null
measure "${program[@]}" >/dev/null
: >"$work/bare.txt"
: >"$work/program.txt"
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        measure "$bare" >>"$work/bare.txt"
        measure "${program[@]}" >>"$work/program.txt"
    else
        measure "${program[@]}" >>"$work/program.txt"
        measure "$bare" >>"$work/bare.txt"
    fi
done

least() {  # the least of column $2 of file $1
    sort -g -k "$2,$2" "$1" | awk -v c="$2" 'NR == 1 {print $c}'
}
median() {  # the median of column $2 of file $1
    sort -g -k "$2,$2" "$1" | awk -v c="$2" '{v[NR] = $c} END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

pt=$(least "$work/program.txt" 1)
bt=$(least "$work/bare.txt" 1)
pm=$(median "$work/program.txt" 2)
bm=$(median "$work/bare.txt" 2)
pc=$(least "$work/program.txt" 3)
bc=$(least "$work/bare.txt" 3)

awk -v pt="$pt" -v bt="$bt" -v pm="$pm" -v bm="$bm" -v pc="$pc" -v bc="$bc" -v runs="$runs" '
function line(what, p, b, limit) {
    r = p / b
    if (limit == "")
        printf "%-36s %9.1f %9.1f %6.2f\n", what, p, b, r
    else
        printf "%-36s %9.1f %9.1f %6.2f  %-7s <= %s\n", what, p, b, r,
            (r <= limit ? "met" : "MISSED"), limit
}
BEGIN {
    printf "\n%-36s %9s %9s %6s  %s\n", "start-up (offscreen, " runs " runs each)", "program",
        "bare", "ratio", "target"
    line("  to the painted main window, ms", pt, bt, 1.2)
    line("  processor time, ms", pc, bc, "")
    line("  peak resident memory, MB", pm / 1024, bm / 1024, 1.15)
}'
