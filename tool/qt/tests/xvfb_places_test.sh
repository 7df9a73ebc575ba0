#!/usr/bin/env bash
# The real program under a virtual X server of its own, in places a host or a hostile user can
# make: a program folder whose name is Shift_JIS bytes (not UTF-8), and an exchange file that is a
# FIFO or a link to a device that never ends. Each run must end promptly on its key press, answer
# in the program's own folder only, and leave no JWC_TEMP.TXT anywhere else.
#   xvfb_places_test.sh PATH_TO_MORVEN
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
sample=$here/../../samples/JWC_TEMP.TXT
answer=$here/../../samples/JWC_TEMP.answer.TXT  # the Windows program's test expects it too
work=$(mktemp -d)
source "$here/../../../scripts/virtual_display.sh"

pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

# What is at / under the name now, to see afterwards that the program has not been there.
root_file_before=$(stat -c '%i %s %y' /JWC_TEMP.TXT 2>/dev/null || echo none)
elsewhere=$work/elsewhere  # the working directory the program is started from
mkdir "$elsewhere"

# run_case NAME FOLDER KEY: starts FOLDER/morven from $elsewhere, waits for its window, presses KEY
# in it and waits at most 10 seconds for it to end with exit code 0. A regular JWC_TEMP.TXT is
# awaited until the program opens it; what is not one is never opened, and Return, which does
# nothing until the dialog is open and reads first, is pressed until the program ends. Returns 1
# after reporting a failure.
run_case() {
  local name=$1 folder=$2 key=$3
  local watch="" line=opened
  if [ -f "$folder/JWC_TEMP.TXT" ]; then
    exec {watch}< <(exec python3 "$here/../../../scripts/await_file_open.py" "$folder/JWC_TEMP.TXT" 30)
    read -r -t 10 -u "$watch" line || true
  fi
  (cd "$elsewhere" && exec "$folder/morven") &
  pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  if [ -n "$watch" ]; then
    read -r -t 30 -u "$watch" line || line=""
    exec {watch}<&-
  fi
  if [ -z "$window" ] || [ "$line" != opened ]; then
    fail "$name" "no window, or the file was never opened"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
    return 1
  fi
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers "$key"
  local deadline=$((SECONDS + 10))
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    [ -n "$watch" ] || xdotool key --clearmodifiers "$key" 2>/dev/null || true
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$name" "the program did not end within 10 s of $key"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
    return 1
  fi
  local status=0
  wait "$pid" || status=$?
  pid=""
  if [ "$status" -ne 0 ]; then
    fail "$name" "exit code $status"
    return 1
  fi
}

# check_nothing_elsewhere NAME: no JWC_TEMP.TXT in the working directory, and / as it was.
check_nothing_elsewhere() {
  local name=$1
  if [ -n "$(ls -A "$elsewhere")" ]; then
    fail "$name" "files in the working directory: $(ls -A "$elsewhere")"
  fi
  if [ "$(stat -c '%i %s %y' /JWC_TEMP.TXT 2>/dev/null || echo none)" != "$root_file_before" ]; then
    fail "$name" "/JWC_TEMP.TXT was written"
  fi
}

# check_folder NAME FOLDER ENTRIES...: the program folder holds exactly these names.
check_folder() {
  local name=$1 folder=$2
  shift 2
  local want got
  want=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
  got=$(ls -A "$folder" | sort | tr '\n' ' ')
  [ "$got" = "$want" ] || fail "$name" "the program folder holds '$got', expected '$want'"
}

# 1. A folder named with the Shift_JIS bytes of "ソ表" (0x83 0x5C 0x95 0x5C): not UTF-8 text. The
# sample is read there and the answer written there.
sjis=$work/$(printf '\x83\x5c\x95\x5c')
mkdir "$sjis"
cp "$program" "$sjis/morven"
name="Shift_JIS folder, Return"
cp "$sample" "$sjis/JWC_TEMP.TXT"
if run_case "$name" "$sjis" Return; then
  if cmp -s "$answer" "$sjis/JWC_TEMP.TXT"; then
    echo "ok   $name"
  else
    fail "$name" "unexpected answer in the program folder"
    od -c "$sjis/JWC_TEMP.TXT" | head -n 20
  fi
fi
check_folder "$name" "$sjis" JWC_TEMP.TXT morven
check_nothing_elsewhere "$name"

# 2. JWC_TEMP.TXT that is not a regular file: the dialog opens with the start values and Enter
# ends it. The FIFO is neither read nor written and stays; a link to a device is not written,
# and the link, not the device, may go.
app=$work/app
mkdir "$app"
cp "$program" "$app/morven"

name="FIFO"
mkfifo "$app/JWC_TEMP.TXT"
if run_case "$name" "$app" Return; then
  if [ -p "$app/JWC_TEMP.TXT" ]; then echo "ok   $name"; else fail "$name" "the FIFO is gone"; fi
fi
check_folder "$name" "$app" JWC_TEMP.TXT morven
check_nothing_elsewhere "$name"
rm -f "$app/JWC_TEMP.TXT"

name="link to /dev/zero"
ln -s /dev/zero "$app/JWC_TEMP.TXT"
if run_case "$name" "$app" Return; then
  if [ -c /dev/zero ]; then echo "ok   $name"; else fail "$name" "/dev/zero is gone"; fi
fi
check_folder "$name" "$app" morven
check_nothing_elsewhere "$name"

[ "$failures" -eq 0 ]
