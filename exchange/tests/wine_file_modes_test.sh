#!/usr/bin/env bash
# Runs the Windows tests of a read-only exchange file and of a full disk under Wine as a user
# meets them, in a Wine prefix of their own:
#   wine_file_modes_test.sh EXCHANGE_TESTS_EXE PREFIX
# - Wine's server opens the files, so it runs, as every Wine program here, without root's
#   permission override: a file's mode then acts as its read-only attribute.
# - A small tmpfs, filled to its last block, is the full disk. Where none can be mounted, that
#   case is skipped with a message.
set -euo pipefail

tests=$1
prefix=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "$(id -u)" != 0 ]; then
  export MORVEN_TEST_NO_OVERRIDE=1
elif [ -z "${MORVEN_TEST_NO_OVERRIDE:-}" ]; then
  drop=(--bounding-set=-dac_override,-dac_read_search --inh-caps=-dac_override,-dac_read_search)
  if setpriv "${drop[@]}" true 2>/dev/null; then
    export MORVEN_TEST_NO_OVERRIDE=1
    exec setpriv "${drop[@]}" "$0" "$@"
  fi
  echo "root's permission override cannot be dropped here: the read-only case is skipped"
fi

export WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
work=$(mktemp -d)
full=$work/full
mounted=""

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$mounted" ]; then umount "$full" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A server that was started with the override would open the files for this run.
mkdir -p "$prefix"
wineserver -k >/dev/null 2>&1 || true
wineserver -p
"$root/cmake/wine-run.sh" "$prefix" wine  # makes the prefix, the first time
# Wine's background processes, with their output on /dev/null (see cmake/wine-run.sh).
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

mkdir "$full"
if mount -t tmpfs -o size=64k,mode=0777 morven-full "$full" 2>/dev/null; then
  mounted=1
  dd if=/dev/zero of="$full/filler" bs=4096 >/dev/null 2>&1 || true
  export MORVEN_TEST_FULL_FOLDER=$full
else
  echo "no tmpfs can be mounted here: the full-disk case is skipped"
fi

wine "$tests" --gtest_filter='WindowsFile.AReadOnly*:WindowsFile.AFullDisk*'
