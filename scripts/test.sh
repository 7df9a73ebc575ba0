#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux build in build/, then the
# Windows build in build-windows/ under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure --timeout 300 -j "$(nproc)")
"$root/scripts/test_windows.sh" "$root/build-windows"
