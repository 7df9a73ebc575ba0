#!/usr/bin/env bash
# Types into morven.exe under Wine with fcitx5 and Mozc on, under a virtual X server of its own
# (see scripts/input_method.sh): the prefix and suffix take the input method's conversions, cut to
# 32 bytes, and the digits typed into the number fields with it on give the answer of the same
# digits typed plainly. Wine's bridge to the input method composes in the number fields too, so
# each number is committed with Return. Exits 77 (skipped) where the input method cannot run.
#   input_method_test.sh PATH_TO_MORVEN_EXE
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../../scripts
sample=$here/../../samples/JWC_TEMP.TXT
source "$scripts/virtual_display.sh"
source "$scripts/input_method.sh"
stop_wine() {
  [ -z "$ime_home" ] || "${ime_as_user[@]}" WINEPREFIX="$ime_home/prefix" wineserver -k 2>/dev/null || true
}
trap 'stop_wine; stop_input_method; stop_virtual_display' EXIT

start_virtual_display
start_input_method "$program" || exit
"${ime_as_user[@]}" bash -c 'source "$1" && start_wine_prefix "$2"' _ "$scripts/wine_prefix.sh" \
  "$ime_home/prefix"
ime_run_dialog "$sample" Return WINEPREFIX="$ime_home/prefix" WINEDEBUG=-all \
  XMODIFIERS=@im=fcitx LC_ALL=C.UTF-8 wine "$ime_home/app/morven.exe"

# Wine takes about two seconds to end a windowed program: the answer is awaited first.
pid=$ime_program_pid
for _ in $(seq 150); do
  cmp -s "$sample" "$ime_home/app/JWC_TEMP.TXT" && kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if cmp -s "$sample" "$ime_home/app/JWC_TEMP.TXT"; then
  echo "FAIL: no answer (OK refused an entry, or the keys were lost)"
  kill "$pid" 2>/dev/null || true
  exit 1
fi
wait "$pid" || true
ime_check_answer
