#!/usr/bin/env bash
# Runs the real program as the host would, under a virtual X server of its own, and ends it in
# every way it can be ended from outside the code: Esc must leave exactly "hq" CR LF (Enter's
# answer is checked by xvfb_places_test.sh). SIGTERM, SIGHUP and SIGINT answer "hq" with the dialog
# open and OK's dimension while the answer's box is up, and the program then ends by that signal; a
# display that goes away leaves "hq" too.
# The program is copied into a temporary folder with the exchange file and started from another
# working directory, so it must find the file beside its own executable. Every wait is for an
# event (a window, the file opened, the process gone) with a deadline.
#   xvfb_test.sh PATH_TO_MORVEN
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
samples=$here/../../samples
work=$(mktemp -d)
source "$here/../../../scripts/virtual_display.sh"

pid=""
cleanup() {
  [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display
export LC_ALL=C.UTF-8  # "." and "," in the dimension value
unset QT_QPA_PLATFORM

app=$work/app
mkdir "$app"
cp "$program" "$app/morven"
printf 'hq\r\n' >"$work/hq.txt"

# Root's override of file modes is dropped for the program, so that a file's mode applies to it as
# it does to a user.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --bounding-set -dac_override,-dac_read_search --)
"${as_user[@]}" true 2>/dev/null || as_user=(unavailable)

failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

# start NAME: starts the program on the sample and waits for its window and for it to open the
# file (a key that comes while it reads waits its turn); sets pid and window. Returns 1 after reporting a
# failure.
start() {
  cp "$samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT"
  local watch line
  exec {watch}< <(exec python3 "$here/../../../scripts/await_file_open.py" "$app/JWC_TEMP.TXT" 30)
  read -r -t 10 -u "$watch" line || true
  (cd / && exec "${as_user[@]}" "$app/morven") &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  read -r -t 30 -u "$watch" line || line=""
  exec {watch}<&-
  if [ -z "$window" ] || [ "$line" != opened ]; then
    fail "$1" "no window, or the file was never opened"
    return 1
  fi
  xdotool windowfocus --sync "$window"
}

# ended NAME STATUS EXPECTED_FILE: the program ends within 10 s with STATUS, leaving the file.
ended() {
  local name=$1 want=$2 expected=$3 status=0
  local deadline=$((SECONDS + 10))
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.02; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$name" "the program did not end"
    kill -9 "$pid" 2>/dev/null || true
  fi
  wait "$pid" || status=$?
  pid=""
  if [ "$status" -ne "$want" ]; then
    fail "$name" "exit code $status, expected $want"
  elif ! cmp -s "$expected" "$app/JWC_TEMP.TXT"; then
    fail "$name" "unexpected file"
    od -c "$app/JWC_TEMP.TXT" 2>&1 | head -n 40 || true
  elif [ "$(ls "$app" | sort | tr '\n' ' ')" != "JWC_TEMP.TXT morven " ]; then
    fail "$name" "other files in the program folder: $(ls "$app")"
  else
    echo "ok   $name"
  fi
}

if start "Esc answers hq"; then
  # The window's class, by which a desktop groups it, is the application's title.
  xprop -id "$window" -f WM_CLASS 8u WM_CLASS | grep -q '"Morven－水平寸法の作図"$' ||
    fail "the window's class" "$(xprop -id "$window" WM_CLASS)"
  xdotool key --clearmodifiers Escape
  ended "Esc answers hq" 0 "$work/hq.txt"
fi

for signal in TERM HUP INT; do
  number=$(kill -l "$signal")
  name="SIG$signal with the dialog open answers hq"
  if start "$name"; then
    kill -"$signal" "$pid"
    ended "$name" $((128 + number)) "$work/hq.txt"
  fi
  # The file refused to the program after it was read: the answer's box comes, the name is gone,
  # and the end's answer, made anew, is the one that OK meant.
  name="SIG$signal with the answer's box up writes OK's dimension"
  if [ "${as_user[0]:-}" = unavailable ]; then
    echo "skip $name: root's override of file modes cannot be dropped here"
  elif start "$name"; then
    chmod 0 "$app/JWC_TEMP.TXT"
    xdotool key --clearmodifiers Return
    if timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Morven' >/dev/null; then
      kill -"$signal" "$pid"
    else
      fail "$name" "no box"
    fi
    ended "$name" $((128 + number)) "$samples/JWC_TEMP.answer.TXT"
  fi
done

name="the display gone answers hq"
if start "$name"; then
  stop_virtual_display
  ended "$name" 1 "$work/hq.txt"
  start_virtual_display
fi

[ "$failures" -eq 0 ]
