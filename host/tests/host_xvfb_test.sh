#!/usr/bin/env bash
# The whole cycle with the real program: morven-host writes the exchange file, the dialog opens
# on a virtual display, Enter is pressed, and the answer and its SVG must hold the dimension; then
# once with no key, until --timeout ends the program, which answers "hq" as it ends.
#   host_xvfb_test.sh PATH/TO/morven-host PATH/TO/morven
# Exits 77 (skipped) when the program was not built.
set -uo pipefail
host=${1:?usage: host_xvfb_test.sh MORVEN_HOST MORVEN}
program=${2:-}
here=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "$program" ] || [ ! -x "$program" ]; then
  echo "SKIP: the program morven was not built (configure with the Qt dialog to run this test)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A folder of its own, so that no other run shares its JWC_TEMP.TXT.
mkdir "$work/prog"
cp "$program" "$work/prog/morven"

PRESS_ENTER_TIMEOUT=60 "$here/press_enter_headless.sh" "$host" run --program "$work/prog/morven" \
  --points 0,0 1000,0 500,500 --scale 100 --svg "$work/out.svg" >"$work/out" 2>"$work/err"
status=$?
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
[ "$status" -eq 0 ] || fail "morven-host ended with $status: $(cat "$work/err")"
grep -q 'message line (0, 500) to (1000, 500), text "1,000.000" at (-62.5, 550) direction (10, 0)' \
  "$work/out" || fail "the answer lacks the dimension record"
grep -q '^  line (0, 200) to (0, 700) \[z3\]$' "$work/out" || fail "the answer lacks extension line 1"
grep -q '^  mark 1 .* at (1000, 500) scale 1 angle 0 \[z3\]$' "$work/out" || fail "the answer lacks the end mark"
grep -q '<line class="dimension-line" x1="0" y1="500" x2="1000" y2="500"/>' "$work/out.svg" ||
  fail "the SVG lacks the dimension line from (0, 500) to (1000, 500)"
grep -q '>1,000.000</text>' "$work/out.svg" || fail "the SVG text does not read 1,000.000"

# No key: --timeout ends the program by SIGTERM, and says what it left.
PRESS_KEY=shift PRESS_ENTER_TIMEOUT=60 "$here/press_enter_headless.sh" "$host" run \
  --program "$work/prog/morven" --points 0,0 1000,0 500,500 --timeout 3 \
  >"$work/out-timeout" 2>"$work/err-timeout"
status=$?
[ "$status" -eq 1 ] || fail "morven-host with --timeout ended with $status"
grep -q 'it was ended with its children and answered "hq": nothing was drawn$' \
  "$work/err-timeout" || fail "--timeout did not find hq: $(cat "$work/err-timeout")"

if [ "$failures" -ne 0 ]; then
  echo "--- morven-host output" >&2
  cat "$work/out" "$work/err" >&2
  exit 1
fi
echo "real program under Xvfb: the dimension was drawn"
