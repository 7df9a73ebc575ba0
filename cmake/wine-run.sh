#!/bin/sh
# Runs a Windows program under Wine in a prefix of its own; the Windows build's CTest emulator.
#   cmake/wine-run.sh PREFIX WINE [PROGRAM.exe [ARGS...]]
# Without a program it only makes the prefix.
#
# - The prefix is made once (wineboot -i), under a lock, when it is not ready yet.
# - Wine stays quiet (WINEDEBUG=-all), does not offer to install Mono or Gecko and makes no menu
#   entries (WINEDLLOVERRIDES), so that no run opens a dialog, waits for an answer or writes
#   outside the prefix.
# - A program that Wine ends silently before it starts is started once more (below).
# - The first Wine process of a Wine server starts Wine's own background processes (services.exe,
#   winedevice.exe, explorer.exe), which inherit its output and keep it open until the server
#   ends: a test, or the test listing of gtest_discover_tests, would wait for them. So when no
#   server runs for the prefix, one is started here and those processes are started with their
#   output on /dev/null before the program runs. A caller that keeps one server for a batch
#   (wineserver -p, as scripts/test_windows.sh does) starts them itself the same way.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 PREFIX WINE [PROGRAM [ARGS...]]" >&2; exit 2; }
prefix=$1
wine=$2
shift 2

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wineserver=wineserver
[ -x "$(dirname "$wine")/wineserver" ] && wineserver="$(dirname "$wine")/wineserver"

# Everything Wine starts outlives this script: the lock's descriptor is closed for it.
lock="$prefix/.morven-prefix-lock"
mkdir -p "$prefix"
(
  flock 9
  if [ ! -f "$prefix/.morven-prefix-ready" ]; then
    "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&- || {
      echo "wineboot -i failed in $prefix" >&2
      exit 1
    }
    : >"$prefix/.morven-prefix-ready"
  fi
) 9>"$lock"

[ $# -gt 0 ] || exit 0

(
  flock 9
  # A server of its own (ending 3 seconds after its last program, as Wine's does) unless one runs.
  if "$wineserver" -p3 </dev/null >/dev/null 2>&1 9>&-; then
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$lock"

# Once in many runs beside other Wine servers, Wine ends a program before it starts, at once and
# without a word; a test program always prints its first line. Such a run is made once more. The
# output is kept in files, not a pipe, which a Wine process left behind could hold open.
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
for attempt in 1 2; do
  status=0
  "$wine" "$@" >"$out" 2>"$err" || status=$?
  [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] && [ "$attempt" -eq 1 ] || break
  echo "wine-run.sh: $1 ended with $status before printing anything; started again" >&2
done
cat "$out"
cat "$err" >&2
exit "$status"
