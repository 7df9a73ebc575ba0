#!/usr/bin/env bash
# The morven-host executable: exit codes and one-line errors on bad input, and one host cycle
# with a fake program that answers a fixed dimension.
#   host_cli_test.sh PATH/TO/morven-host
set -uo pipefail
host=${1:?usage: host_cli_test.sh MORVEN_HOST}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# The fake programs open no window, but run starts none without a display.
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || export DISPLAY=:0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect CODE ARGS...: runs morven-host, checks the exit code and that stderr is one line.
expect() {
  local code=$1
  shift
  "$host" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$code" ] || fail "morven-host $*: exit $got, expected $code"
  if [ "$code" -ne 0 ]; then
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "morven-host $*: stderr is not one line: $(cat "$work/err")"
    grep -q '^morven-host: ' "$work/err" || fail "morven-host $*: stderr lacks the prefix"
  fi
}

expect 0 --help
grep -q '^usage: morven-host inspect FILE \[--json\]$' "$work/out" || fail "--help shows no usage"
expect 0 run --help
grep -q '^usage: morven-host run --points' "$work/out" || fail "run --help: $(head -n 1 "$work/out")"
expect 2 run --angle x
# The one place that chooses the Wine prefix; press_enter_headless.sh asks it.
WINEPREFIX= XDG_CACHE_HOME=relative HOME=/home/u expect 0 wine-prefix
[ "$(cat "$work/out")" = /home/u/.cache/morven/wine-prefix ] || fail "wine-prefix: $(cat "$work/out")"
expect 2 wine-prefix now
expect 1 inspect "$work/missing.txt"

mkdir "$work/prog"
cat >"$work/prog/morven" <<'SCRIPT'
#!/bin/sh
dir=$(dirname "$0")
printf 'lg0\r\nz3\r\n0 200 0 700\r\nmsg\r\n0 500 1000 500\r\ncs -62.5 550 10 0 "1,000.000\r\nz3\r\npt 0 500 1 180 1\r\n' >"$dir/JWC_TEMP.TXT"
SCRIPT
chmod +x "$work/prog/morven"
DISPLAY= WAYLAND_DISPLAY= expect 1 run --program "$work/prog/morven" --points 0,0 1000,0 500,500
grep -q 'needs a display.* host/press_enter_headless.sh morven-host run' "$work/err" ||
  fail "no display: $(cat "$work/err")"
[ ! -e "$work/prog/JWC_TEMP.TXT" ] || fail "no display: the program was handed a file all the same"
expect 0 run --program "$work/prog/morven" --points 0,0 1000,0 500,500 --scale 100 \
  --svg "$work/out.svg"
grep -q 'message line (0, 500) to (1000, 500), text "1,000.000"' "$work/out" ||
  fail "run does not show the dimension: $(cat "$work/out")"
grep -q '<line class="dimension-line" x1="0" y1="500" x2="1000" y2="500"/>' "$work/out.svg" ||
  fail "the SVG lacks the dimension line"

# Picked points, and a path holding a control character, a quote, a backslash and non-ASCII text.
odd="$work/odd"$'\001"\\\xe5\x9b\xb3'
mkdir "$odd"
cp "$work/prog/morven" "$odd/"
expect 0 run --program "$odd/morven" --points 0,0 1000,0 500,500 --scale 100 --json
if command -v python3 >/dev/null 2>&1; then
  ODD=$(cd "$odd" && pwd -P) python3 -c 'import json,os,sys; d=json.loads(sys.stdin.buffer.read())
assert d["file"] == os.environb[b"ODD"].decode() + "/JWC_TEMP.TXT", d["file"]
assert [(p["x"], p["y"]) for p in d["points"]] == [(0, 0), (1000, 0), (500, 500)], d["points"]
assert d["host"]["layerGroupScales"][0] == 100 and d["contents"] == "answer"
assert [s["text"] for s in d["drawing"] if "text" in s] == ["1,000.000"]
assert d["drawing"][-1]["element"] == "pointEx"' \
    <"$work/out" || fail "run --json is not the expected JSON document: $(cat "$work/out")"
fi
expect 0 inspect "$work/prog/JWC_TEMP.TXT" --json
if command -v python3 >/dev/null 2>&1; then
  python3 -c 'import json,sys; json.load(sys.stdin)' <"$work/out" || fail "inspect --json is not JSON"
fi

# A program that hangs, with a child: --timeout ends both and fails with one line.
mkdir "$work/hang"
cat >"$work/hang/morven" <<'SCRIPT'
#!/bin/sh
dir=$(dirname "$0")
sleep 30 &
echo $! >"$dir/child.pid"
echo $$ >"$dir/program.pid"
sleep 30
SCRIPT
chmod +x "$work/hang/morven"

# ended PIDFILE: the process is gone, or a zombie nobody reaped, within two seconds.
ended() {
  local pid
  pid=$(cat "$1" 2>/dev/null) || return 1
  for _ in $(seq 200); do
    [ -e "/proc/$pid" ] || return 0
    [ "$(sed 's/.*) \(.\).*/\1/' "/proc/$pid/stat" 2>/dev/null)" = Z ] && return 0
    sleep 0.01
  done
  return 1
}

expect 1 run --program "$work/hang/morven" --points 0,0 1,0 1,1 --timeout 0.3
grep -q 'still running after 0.3 s (--timeout)' "$work/err" || fail "--timeout: $(cat "$work/err")"
ended "$work/hang/program.pid" || fail "--timeout left the program running"
ended "$work/hang/child.pid" || fail "--timeout left the program's child running"

# SIGTERM to the host: the program and its child end first, then the host, by the signal.
rm -f "$work/hang/"*.pid
"$host" run --program "$work/hang/morven" --points 0,0 1,0 1,1 --timeout 20 \
  >"$work/out" 2>"$work/err" &
host_pid=$!
for _ in $(seq 500); do
  [ -s "$work/hang/program.pid" ] && [ -s "$work/hang/child.pid" ] && break
  sleep 0.01
done
kill -TERM "$host_pid"
status=0
wait "$host_pid" || status=$?
[ "$status" -eq 143 ] || fail "SIGTERM: the host ended with $status, expected 143 (by SIGTERM)"
grep -q '^morven-host: interrupted by SIGTERM; the program was ended$' "$work/err" ||
  fail "SIGTERM: $(cat "$work/err")"
ended "$work/hang/program.pid" || fail "SIGTERM left the program running"
ended "$work/hang/child.pid" || fail "SIGTERM left the program's child running"

# The host ends by the signal itself, not by an exit code that only looks so to a shell.
mkdir "$work/term"
printf '#!/bin/sh\nkill -TERM $PPID\nexec sleep 30\n' >"$work/term/morven"
chmod +x "$work/term/morven"
if command -v python3 >/dev/null 2>&1; then
  python3 -c 'import subprocess as s,sys; sys.exit(s.run(sys.argv[1:], stderr=s.DEVNULL).returncode != -15)' \
    "$host" run --program "$work/term/morven" --points 0,0 1,0 1,1 || fail "SIGTERM: not ended by it"
fi

[ "$failures" -eq 0 ] || exit 1
echo "host cli: all checks passed"
