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
source "$scripts/virtual_display.sh"
source "$scripts/input_method.sh"
stop_wine() {
  [ -z "$ime_home" ] || "${ime_as_user[@]}" WINEPREFIX="$ime_home/prefix" wineserver -k 2>/dev/null || true
}
trap 'stop_wine; stop_input_method; stop_virtual_display' EXIT

start_virtual_display
start_input_method "$program" || exit
app=$ime_home/app
"${ime_as_user[@]}" bash -c 'source "$1" && start_wine_prefix "$2"' _ "$scripts/wine_prefix.sh" \
  "$ime_home/prefix"

# Keys after Ctrl+Space are sometimes lost: a run whose input method did not come on is tried again.
for attempt in 1 2 3; do
  cp "$here/../../samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT"
  chmod a+rw "$app/JWC_TEMP.TXT"
  (cd / && exec "${ime_as_user[@]}" WINEPREFIX="$ime_home/prefix" WINEDEBUG=-all \
    XMODIFIERS=@im=fcitx LC_ALL=C.UTF-8 wine "$app/morven.exe") &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  sleep 1
  [ -n "$window" ] && ime_fill_dialog "$window" Return && break
  echo "the input method did not come on (run $attempt)"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$attempt" -lt 3 ] || exit 1
done

# Wine takes about two seconds to end a windowed program: the answer is awaited first.
for _ in $(seq 150); do
  cmp -s "$here/../../samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT" && kill -0 "$pid" 2>/dev/null ||
    break
  sleep 0.1
done
if cmp -s "$here/../../samples/JWC_TEMP.TXT" "$app/JWC_TEMP.TXT"; then
  echo "FAIL: no answer (were the commits and the Return that presses OK lost?)"
  kill "$pid" 2>/dev/null || true
  exit 1
fi
wait "$pid" || true
if [ "$(sha256sum <"$app/JWC_TEMP.TXT" | cut -d' ' -f1)" != "$ime_expected_sha256" ]; then
  echo "FAIL: not the answer of the same entries typed plainly:"
  iconv -f CP932 -t UTF-8 "$app/JWC_TEMP.TXT" || od -c "$app/JWC_TEMP.TXT"
  exit 1
fi
echo "ok   寸法 in the prefix, 20 kana cut to 16, the numbers as typed plainly"
