#!/usr/bin/env bash
# Runs a command on a virtual display of its own and presses Enter in the dialog it opens, for
# machines without a screen. Exits with the command's exit code.
#   press_enter_headless.sh COMMAND [ARGS...]
# PRESS_ENTER_TIMEOUT (seconds, default 60) bounds the wait for the command to end; PRESS_KEY
# (default Return) names another key to press, such as Escape.
set -uo pipefail

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "press_enter_headless: $tool is not installed" >&2
    exit 127
  fi
done

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/virtual_display.sh"
command_pid=""
runtime_dir=""
cleanup() {
  [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
  [ -n "$runtime_dir" ] && rm -rf "$runtime_dir"
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

"$@" &
command_pid=$!
deadline=$((SECONDS + ${PRESS_ENTER_TIMEOUT:-60}))
while kill -0 "$command_pid" 2>/dev/null; do
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "press_enter_headless: the command did not end within ${PRESS_ENTER_TIMEOUT:-60} s" >&2
    exit 124
  fi
  # The display is ours alone: any visible window with a name is the dialog.
  window=$(xdotool search --onlyvisible --name '.' 2>/dev/null | head -n 1)
  if [ -n "$window" ]; then
    xdotool windowfocus "$window" >/dev/null 2>&1
    xdotool key "${PRESS_KEY:-Return}" >/dev/null 2>&1
  fi
  sleep 0.3
done
status=0
wait "$command_pid" || status=$?
command_pid=""
exit "$status"
