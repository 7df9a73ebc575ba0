#!/usr/bin/env bash
# Runs the real program as the host would, under a virtual X server of its own, and drives it
# with key presses: Esc must leave exactly "hq" CR LF, Enter the dimension of the sample drawing.
# The program is copied into a temporary folder with the exchange file and started from another
# working directory, so it must find the file beside its own executable.
#   xvfb_test.sh PATH_TO_MORVEN
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
sample=$here/../../samples/JWC_TEMP.TXT
work=$(mktemp -d)
source "$here/../../../scripts/virtual_display.sh"

cleanup() {
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display
export LC_ALL=C.UTF-8  # "." and "," in the dimension value
unset QT_QPA_PLATFORM

mkdir "$work/app"
cp "$program" "$work/app/morven"

failures=0

# run_case NAME KEY EXPECTED_BYTES_FILE
run_case() {
  local name=$1 key=$2 expected=$3
  cp "$sample" "$work/app/JWC_TEMP.TXT"
  (cd / && exec "$work/app/morven") &
  local pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  if [ -z "$window" ]; then
    echo "FAIL $name: no window"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    failures=$((failures + 1))
    return
  fi
  # The controls are made and the file is read once the window is up; give them a moment.
  sleep 1
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$key"
  local status=0
  local waited=0
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 200 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL $name: the program did not end"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    failures=$((failures + 1))
    return
  fi
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL $name: exit code $status"
    failures=$((failures + 1))
  elif ! cmp -s "$expected" "$work/app/JWC_TEMP.TXT"; then
    echo "FAIL $name: unexpected file"
    od -c "$work/app/JWC_TEMP.TXT" | head -n 40
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
  if [ "$(ls "$work/app" | sort | tr '\n' ' ')" != "JWC_TEMP.TXT morven " ]; then
    echo "FAIL $name: other files in the program folder: $(ls "$work/app")"
    failures=$((failures + 1))
  fi
}

printf 'hq\r\n' >"$work/hq.txt"

run_case "Esc answers hq" Escape "$work/hq.txt"
# The Windows program's test expects the same bytes.
run_case "Enter draws the dimension" Return "$here/../../samples/JWC_TEMP.answer.TXT"

[ "$failures" -eq 0 ]
