#!/usr/bin/env bash
# Cross-builds the Windows executables with MinGW-w64 into their own build folder:
#   scripts/build_windows.sh [BUILD_DIR] [extra cmake args...]      (default: build-windows/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
shift || true
"$root/scripts/build.sh" "$build" --toolchain "$root/cmake/mingw-w64-x86_64.toolchain.cmake" "$@"
