#!/usr/bin/env bash
# How long the dialog takes to appear: wall time from starting the program to the X server mapping
# its window, for `morven` with a 3-point exchange file and with a 300,000-element one, against a
# minimal Qt 6 dialog. Runs alternate between the three; the medians are compared.
#   startup_bench.sh BUILD_DIR [RUNS]     (BUILD_DIR configured with -DMORVEN_BUILD_BENCHMARKS=ON)
# Goals: the 3-point ratio at most 1.15, the 300,000-element ratio at most 2.5.
set -euo pipefail

build=$(cd "$1" && pwd)
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
timer=$build/tool/bench/morven_map_timer
minimal=$build/tool/qt/bench/morven_minimal_window
morven=$build/tool/morven
for f in "$timer" "$minimal" "$morven"; do
  [ -x "$f" ] || { echo "missing $f: build the targets morven, morven_map_timer, morven_minimal_window"; exit 1; }
done

work=$(mktemp -d)
source "$here/../../../scripts/virtual_display.sh"
cleanup() {
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display
unset QT_QPA_PLATFORM

mkdir "$work/small" "$work/large"
cp "$morven" "$work/small/morven"
cp "$morven" "$work/large/morven"
cp "$here/../../samples/JWC_TEMP.TXT" "$work/small/JWC_TEMP.TXT"
"$here/../../bench/large_exchange_file.sh" "$work/large/JWC_TEMP.TXT"

measure() { "$timer" --timeout 20 "$@" 2>/dev/null || echo "nan"; }

: >"$work/minimal.txt"
: >"$work/small.txt"
: >"$work/large.txt"
for i in $(seq 1 "$runs"); do
  measure "$minimal" >>"$work/minimal.txt"
  measure "$work/small/morven" >>"$work/small.txt"
  measure "$work/large/morven" >>"$work/large.txt"
done

source "$here/../../bench/startup_timing.sh"
m_min=$(median "$work/minimal.txt")
m_small=$(median "$work/small.txt")
m_large=$(median "$work/large.txt")

echo "runs: $runs each, alternating; milliseconds from start to the window's MapNotify (median)"
echo "minimal Qt 6 dialog:                 $m_min"
echo "morven, 3-point exchange file:       $m_small"
echo "morven, 300,000-element file:        $m_large ($(wc -c <"$work/large/JWC_TEMP.TXT") bytes)"
awk -v a="$m_small" -v b="$m_min" 'BEGIN { printf "ratio: %.3f  (morven 3-point / minimal Qt dialog, goal <= 1.15)\n", a / b }'
awk -v a="$m_large" -v b="$m_small" 'BEGIN { printf "ratio: %.3f  (morven 300,000 elements / morven 3-point, goal <= 2.5)\n", a / b }'
