#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Figures of the Windows build, taken side by side in one run (a built
# build/windows is needed; run under an X server, or it starts Xvfb itself):
#   - the size of language-ranking.exe;
#   - start-up under Wine as a ratio of medians to two floors, the empty
#     window (bench/win32/floor_window.cpp) of the same size and that window
#     with the eleven standard controls (the same source): from exec to
#     the window mapped on the X server (time_to_map.py), and from exec to
#     the end of a run that closes after the first paint;
#   - the wall time of the Windows test run (ctest -L windows).
#   bench/win32/measure.sh [RUNS]   (default 15 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh python3-xlib xvfb xauth
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$0" "$@"
fi

runs=${1:-15}
build=build/windows
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
program=$build/bin/language-ranking.exe
floor=$build/bin/empty_window.exe
controls=$build/bin/controls_window.exe

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
milliseconds() {
    local start end
    start=$(date +%s%N)
    LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT=1 wine "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    # Let Wine's desktop process settle the same way after every run.
    sleep 0.3
    echo $(((end - start) / 1000000))
}

test_start=$(date +%s%N)
ctest --test-dir "$build" -L windows -j2 >/dev/null
test_seconds=$(awk -v ns=$(($(date +%s%N) - test_start)) 'BEGIN { printf "%.1f", ns / 1e9 }')

# One wineserver for all runs, and a first run of each to warm the caches.
wineserver -p
milliseconds "$program" >/dev/null
milliseconds "$floor" >/dev/null
milliseconds "$controls" >/dev/null
program_times=()
floor_times=()
controls_times=()
for _ in $(seq "$runs"); do
    program_times+=("$(milliseconds "$program")")
    floor_times+=("$(milliseconds "$floor")")
    controls_times+=("$(milliseconds "$controls")")
done
echo "start-up, exec to window mapped, $runs runs each:"
bench/win32/time_to_map.py "$runs" "$program" "$floor" "$controls" | sed 's/^/    /'
wineserver -k

program_median=$(printf '%s\n' "${program_times[@]}" | median)
floor_median=$(printf '%s\n' "${floor_times[@]}" | median)
controls_median=$(printf '%s\n' "${controls_times[@]}" | median)
program_best=$(printf '%s\n' "${program_times[@]}" | sort -n | head -1)
floor_best=$(printf '%s\n' "${floor_times[@]}" | sort -n | head -1)
ratio() { awk -v p="$1" -v f="$2" 'BEGIN { printf "%.2f", p / f }'; }
echo "language-ranking.exe size:    $(stat -c %s "$program") bytes"
echo "start-up, exec to first paint and exit, median of $runs:     program ${program_median} ms, empty window ${floor_median} ms," \
    "ratio $(ratio "$program_median" "$floor_median")"
echo "start-up, exec to first paint and exit, median of $runs:     program ${program_median} ms, window with the controls ${controls_median} ms," \
    "ratio $(ratio "$program_median" "$controls_median")"
echo "start-up, exec to first paint and exit, best of $runs: program ${program_best} ms, empty window ${floor_best} ms," \
    "ratio $(ratio "$program_best" "$floor_best") (the least disturbed by other load)"
echo "program runs (ms):            ${program_times[*]}"
echo "empty window runs (ms):       ${floor_times[*]}"
echo "controls window runs (ms):    ${controls_times[*]}"
echo "Windows test run (ctest -L windows, -j2): ${test_seconds} s"
