#!/usr/bin/env bash
# Fuzzes the exchange-file reader for SECONDS seconds (default 60) in its own clang build folder,
# seeded from exchange/fuzz/corpus. Exits non-zero on any finding.
#   exchange/fuzz/run_fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVEN_BUILD_FUZZERS=ON -DMORVEN_SANITIZE=ON -DMORVEN_BUILD_TOOL=OFF \
  -DMORVEN_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_reader

# New inputs go to a scratch folder; the checked-in seeds stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/exchange/fuzz_reader" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 "$work" "$root/exchange/fuzz/corpus"
