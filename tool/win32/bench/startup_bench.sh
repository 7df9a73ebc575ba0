#!/usr/bin/env bash
# How long the Windows dialog takes to appear under Wine: wall time from starting morven.exe, with a
# 3-point and with a 300,000-element exchange file, to the X server mapping its window, against a
# minimal Win32 window program of the same build. One Wine server runs throughout; runs alternate
# between the three and the medians are compared. Also prints the size of morven.exe.
#   startup_bench.sh WINDOWS_BUILD_DIR [RUNS]   (after scripts/build_windows.sh)
# Goals: the 3-point ratio at most 1.15; the 300,000-element file adds no more than on Linux (goal
# there: at most 2.5 times the 3-point case); morven.exe at most 2 MB. The map timer is the one
# both views share (tool/bench/), compiled here with the host's compiler (needs libx11-dev).
set -euo pipefail

build=$(cd "$1" && pwd)
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
morven=$build/tool/win32/morven.exe
minimal=$build/tool/win32/morven_minimal_win32_window.exe
for f in "$morven" "$minimal"; do
  [ -f "$f" ] || { echo "missing $f: build the targets morven and morven_minimal_win32_window"; exit 1; }
done

source "$here/../../../scripts/virtual_display.sh"
source "$here/../../../scripts/wine_prefix.sh"
start_wine_on_virtual_display
c++ -std=c++20 -O2 -o "$work/map_timer" "$here/../../bench/map_timer.cpp" -lX11

mkdir "$work/small" "$work/large"
cp "$morven" "$work/small/morven.exe"
cp "$morven" "$work/large/morven.exe"
cp "$here/../../samples/JWC_TEMP.TXT" "$work/small/JWC_TEMP.TXT"
"$here/../../bench/large_exchange_file.sh" "$work/large/JWC_TEMP.TXT"
cp "$minimal" "$work/minimal.exe"

# The timer ends the program once its window is mapped; the exchange file stays as it was.
measure() { "$work/map_timer" --timeout 20 wine "$1" 2>/dev/null || echo "nan"; }

measure "$work/minimal.exe" >/dev/null  # the first start of a program loads Wine's libraries
measure "$work/small/morven.exe" >/dev/null
: >"$work/minimal.txt"
: >"$work/small.txt"
: >"$work/large.txt"
for _ in $(seq 1 "$runs"); do
  measure "$work/minimal.exe" >>"$work/minimal.txt"
  measure "$work/small/morven.exe" >>"$work/small.txt"
  measure "$work/large/morven.exe" >>"$work/large.txt"
done

source "$here/../../bench/startup_timing.sh"
m_min=$(median "$work/minimal.txt")
m_small=$(median "$work/small.txt")
m_large=$(median "$work/large.txt")
size=$(stat -c %s "$morven")

echo "runs: $runs each, alternating; milliseconds from starting under wine to the window's MapNotify (median)"
echo "minimal Win32 window:               $m_min"
echo "morven.exe, 3-point file:           $m_small"
echo "morven.exe, 300,000-element file:   $m_large ($(wc -c <"$work/large/JWC_TEMP.TXT") bytes)"
awk -v a="$m_small" -v b="$m_min" 'BEGIN { printf "ratio: %.3f  (morven.exe 3-point / minimal Win32 window, goal <= 1.15)\n", a / b }'
awk -v a="$m_large" -v b="$m_small" 'BEGIN { printf "300,000 elements / 3-point: %.3f  (Linux goal <= 2.5)\n", a / b }'
awk -v s="$size" 'BEGIN { printf "morven.exe: %d bytes (%.2f MB, goal <= 2 MB)\n", s, s / 1048576 }'
