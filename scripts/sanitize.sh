#!/usr/bin/env bash
# Builds and runs every test with -fsanitize=address,undefined in its own build folder; any
# sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build-sanitize" -DMORVEN_SANITIZE=ON -DMORVEN_BUILD_BENCHMARKS=OFF
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
if [ -f "$root/scripts/lsan.supp" ]; then
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp}
fi
cd "$root/build-sanitize"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
