#!/usr/bin/env bash
# scripts/setup.sh against a package manager whose lock another program holds: it waits its turn
# and installs, gives up with a clear message once the wait is over, and does not wait on any
# other failure. apt-get, dpkg-query and sudo are stand-ins that install nothing.
#   setup_test.sh
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

mkdir "$work/bin"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"  # nothing is installed
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
# Fails with the lock's message as often as $work/locked says, then with $work/other's if any.
cat >"$work/bin/apt-get" <<'SCRIPT'
#!/bin/sh
echo "$DEBIAN_FRONTEND $*" >>"$WORK/calls"
left=$(cat "$WORK/locked")
if [ "$left" -gt 0 ]; then
  echo $((left - 1)) >"$WORK/locked"
  echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 42 (apt-get)" >&2
  exit 100
fi
[ -s "$WORK/other" ] && { cat "$WORK/other" >&2; exit 100; }
exit 0
SCRIPT
chmod +x "$work/bin/"*

# run_case NAME LOCKED OTHER_ERROR EXPECTED_STATUS CALLS MESSAGE; CALLS "N+" is at least N.
run_case() {
  local name=$1
  echo "$2" >"$work/locked"
  printf '%s' "$3" >"$work/other"
  rm -f "$work/calls"
  local status=0
  WORK=$work PATH="$work/bin:$PATH" MORVEN_APT_LOCK_WAIT=2 "$here/../setup.sh" >"$work/out" 2>&1 ||
    status=$?
  [ "$status" -eq "$4" ] || fail "$name" "exit code $status, expected $4: $(cat "$work/out")"
  local calls
  calls=$(wc -l <"$work/calls")
  if [ "${5%+}" != "$5" ]; then [ "$calls" -ge "${5%+}" ]; else [ "$calls" -eq "$5" ]; fi ||
    fail "$name" "apt-get ran $calls times"
  grep -q "$6" "$work/out" || fail "$name" "no '$6' in: $(cat "$work/out")"
}

run_case "the lock let go" 2 "" 0 4 "^Waiting for another program"
grep -q '^noninteractive install -y' "$work/calls" || fail "the lock let go" "$(cat "$work/calls")"
run_case "the lock kept" 1000 "" 1 2+ "held the package manager's lock for 2 s"
run_case "another failure" 0 "E: Unable to locate package" 1 1 "^E: Unable to locate package"

[ "$failures" -eq 0 ] && echo "setup: all checks passed"
