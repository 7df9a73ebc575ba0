#!/usr/bin/env bash
# Runs a command on a virtual display of its own and presses Enter in the dialog it opens, for
# machines without a screen. Exits with the command's exit code.
#   press_enter_headless.sh COMMAND [ARGS...]
# PRESS_ENTER_TIMEOUT (seconds, default 60) bounds the wait for the command to end; PRESS_KEY
# (default Return) names another key to press, such as Escape.
# A Windows program (an argument ending in .exe, as in `morven-host run --program PATH.exe`) runs
# under Wine in the prefix that COMMAND, morven-host, names (`morven-host wine-prefix`); there the
# dialog's font is mapped to an installed Japanese gothic font, and the Wine server ends with the
# display.
set -euo pipefail

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "press_enter_headless: $tool is not installed" >&2
    exit 127
  fi
done

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/virtual_display.sh"
source "$here/../scripts/wine_prefix.sh"
command_pid=""
runtime_dir=""
wine_prefix=""
for arg in "$@"; do
  case "${arg,,}" in
    *.exe)
      if ! wine_prefix=$("$1" wine-prefix); then
        echo "press_enter_headless: $1 did not name the Wine prefix (morven-host wine-prefix)" >&2
        exit 1
      fi
      break
      ;;
  esac
done
cleanup() {
  if [ -n "$command_pid" ]; then kill "$command_pid" 2>/dev/null || true; fi
  stop_wine_prefix
  if [ -n "$runtime_dir" ]; then rm -rf "$runtime_dir"; fi
  stop_virtual_display
}
trap cleanup EXIT

if ! start_virtual_display; then
  echo "press_enter_headless: could not start a virtual display" >&2
  exit 1
fi
# Toolkits expect a private runtime folder, which a bare machine may lack.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  runtime_dir=$(mktemp -d)
  chmod 700 "$runtime_dir"
  export XDG_RUNTIME_DIR=$runtime_dir
fi
if [ -n "$wine_prefix" ] && ! start_wine_prefix "$wine_prefix"; then
  echo "press_enter_headless: cannot prepare the Wine prefix $wine_prefix" >&2
  exit 1
fi

"$@" &
command_pid=$!
deadline=$((SECONDS + ${PRESS_ENTER_TIMEOUT:-60}))
while kill -0 "$command_pid" 2>/dev/null; do
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "press_enter_headless: the command did not end within ${PRESS_ENTER_TIMEOUT:-60} s" >&2
    exit 124
  fi
  # The display is ours alone: any visible window with a name is the dialog.
  window=$(xdotool search --onlyvisible --name '.' 2>/dev/null | head -n 1) || true
  if [ -n "$window" ]; then
    xdotool windowfocus "$window" >/dev/null 2>&1 || true
    xdotool key "${PRESS_KEY:-Return}" >/dev/null 2>&1 || true
  fi
  sleep 0.3
done
status=0
wait "$command_pid" || status=$?
command_pid=""
exit "$status"
