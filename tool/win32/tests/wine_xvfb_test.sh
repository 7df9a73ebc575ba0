#!/usr/bin/env bash
# Runs morven.exe as the host would, under Wine on a virtual X server of its own, from a folder
# whose path holds Japanese characters and under a locale whose code page has none of them, and
# drives it with key presses and clicks. Enter must leave the same answer as the Linux program;
# Alt+F4, a click on the close box and a refused OK followed by Alt+N exactly "hq" CR LF; Enter
# the same answer also from a folder whose path is over 260 characters. The program must end with
# exit code 0 each time. Keys go in once the program has opened its file; the answer file is
# awaited, then the end of the process: Wine takes about two seconds to end a windowed program.
#   wine_xvfb_test.sh PATH_TO_MORVEN_EXE
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
samples=$here/../../samples
source "$here/../../../scripts/virtual_display.sh"
source "$here/../../../scripts/wine_prefix.sh"
start_wine_on_virtual_display
# There is no window manager: Wine draws the frame and caption itself, in the X window, so that
# the close box can be clicked.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1

app="$work/図面/ツール"
mkdir -p "$app"
cp "$program" "$app/morven.exe"
printf 'hq\r\n' >"$work/hq.txt"

failures=0
fail() {
  echo "FAIL $1"
  failures=$((failures + 1))
}

# Ends the program when a case gave up on it.
stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Clicks the centre of the close box: the caption's last square, inside the frame around the
# 312 x 217 client area.
click_close_box() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local frame=$(((WIDTH - 312) / 2))
  local caption=$((HEIGHT - 217 - 2 * frame))
  xdotool mousemove $((X + WIDTH - frame - caption / 2)) $((Y + frame + caption / 2)) click 1
}

# run_case NAME EXPECTED_FILE KEY... ; the key "close-box" clicks the close box.
run_case() {
  local name=$1 expected=$2
  shift 2
  cp "$samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT"
  local watch line
  exec {watch}< <(exec python3 "$here/../../../scripts/await_file_open.py" "$app/JWC_TEMP.TXT" 120)
  read -r -t 10 -u "$watch" line || true
  (cd / && exec wine "$app/morven.exe") &
  local pid=$!
  # Wine's first window in a new prefix can take a minute on a busy machine.
  local window
  window=$(timeout 120 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  read -r -t 120 -u "$watch" line || line=""
  exec {watch}<&-
  if [ -z "$window" ] || [ "$line" != opened ]; then
    fail "$name: window '${window}', the file ${line:-not} opened"
    stop_program "$pid"
    return
  fi
  xdotool windowfocus --sync "$window"
  local key
  for key in "$@"; do
    if [ "$key" = close-box ]; then
      click_close_box "$window"
    else
      xdotool key --clearmodifiers "$key"
    fi
  done
  local waited=0
  while cmp -s "$samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT" && [ "$waited" -lt 100 ]; do
    sleep 0.05
    waited=$((waited + 1))
  done
  waited=0
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 150 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$name: the program did not end"
    stop_program "$pid"
    return
  fi
  local status=0
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    fail "$name: exit code $status"
  elif ! cmp -s "$expected" "$app/JWC_TEMP.TXT"; then
    fail "$name: unexpected file"
    od -c "$app/JWC_TEMP.TXT" | head -n 40
  else
    echo "ok   $name"
  fi
  if [ "$(ls "$app" | sort | tr '\n' ' ')" != "JWC_TEMP.TXT morven.exe " ]; then
    fail "$name: other files in the program folder: $(ls "$app")"
  fi
}

run_case "Enter draws the dimension" "$samples/JWC_TEMP.answer.TXT" Return
run_case "Alt+F4 answers hq" "$work/hq.txt" alt+F4
run_case "the close box answers hq" "$work/hq.txt" close-box
run_case "a mark scale of 0 is refused, then Alt+N answers hq" "$work/hq.txt" \
  Tab Tab 0 Return alt+n

# The same from a folder whose full path, Z:\ and all, is over 260 characters.
app="$work/$(printf '%0100d' 1)/$(printf '%0100d' 2)/$(printf '%060d' 3)"
mkdir -p "$app" && cp "$program" "$app/morven.exe"
run_case "Enter draws from a folder path over 260 characters" "$samples/JWC_TEMP.answer.TXT" Return

[ "$failures" -eq 0 ]
