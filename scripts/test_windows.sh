#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows executables and runs their tests under Wine,
# in the build's own Wine prefix: scripts/test_windows.sh [BUILD_DIR]   (default: build-windows/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
"$root/scripts/setup.sh"
"$root/scripts/build_windows.sh" "$build"

prefix=$(sed -n 's/^MORVEN_WINE_PREFIX:PATH=//p' "$build/CMakeCache.txt")
export WINEPREFIX=${prefix:-$build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# One Wine server for the whole batch, ended (with everything Wine started in this prefix) at the
# end; a server that building left behind goes first. The first program on the new server starts
# Wine's background processes, here with their output on /dev/null (see cmake/wine-run.sh).
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wineserver -k >/dev/null 2>&1 || true
"$root/cmake/wine-run.sh" "$WINEPREFIX" wine  # makes the prefix if building did not
wineserver -p
"$root/cmake/wine-run.sh" "$WINEPREFIX" wine cmd /c exit </dev/null >/dev/null 2>&1

cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
