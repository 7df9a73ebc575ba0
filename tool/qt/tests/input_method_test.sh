#!/usr/bin/env bash
# Types into the real program with fcitx5 and Mozc on, under a virtual X server of its own (see
# scripts/input_method.sh): the prefix and suffix take the input method's conversions, cut to 32
# bytes; the number fields keep it out, so the digits typed there with it on give the answer of
# the same digits typed plainly. Exits 77 (skipped) where the input method cannot run.
#   input_method_test.sh PATH_TO_MORVEN
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/virtual_display.sh"
source "$here/../../../scripts/input_method.sh"
trap 'stop_input_method; stop_virtual_display' EXIT

if ! compgen -G "/usr/lib/*/qt6/plugins/platforminputcontexts/libfcitx5platform*" >/dev/null; then
  echo "skipped: fcitx5's Qt 6 plugin is missing (scripts/setup.sh installs fcitx5-frontend-qt6)"
  exit 77
fi
start_virtual_display
start_input_method "$program" || exit
unset QT_QPA_PLATFORM
ime_run_dialog "$here/../../samples/JWC_TEMP.TXT" "" \
  QT_IM_MODULE=fcitx LC_ALL=C.UTF-8 "$ime_home/app/morven"

pid=$ime_program_pid
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: Return did not press OK (did a number field compose?)"
  kill "$pid"
  exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; exit 1; }
ime_check_answer
