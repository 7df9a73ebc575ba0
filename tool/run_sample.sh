#!/usr/bin/env bash
# Tries the dialog on the bundled sample drawing, the way the host runs it: the sample exchange
# file and a copy of the program go into a scratch folder beside the built executable, the dialog
# opens, and when it closes the rewritten exchange file is shown in UTF-8.
#   run_sample.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?usage: run_sample.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
program=$build/tool/morven
[ -x "$program" ] || { echo "no $program: build the target morven first"; exit 1; }
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the dialog on: run this from a desktop session."
  exit 1
fi

scratch=$build/tool/sample-run
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$program" "$scratch/morven"
cp "$here/samples/JWC_TEMP.TXT" "$scratch/JWC_TEMP.TXT"

echo "The host's exchange file ($scratch/JWC_TEMP.TXT):"
iconv -f CP932 -t UTF-8 "$scratch/JWC_TEMP.TXT" | sed 's/\r$//; s/^/  /'
echo "Opening the dialog: OK (Enter) draws the dimension, Cancel (Esc) draws nothing."
"$scratch/morven"
echo "The answer for the host ($scratch/JWC_TEMP.TXT):"
iconv -f CP932 -t UTF-8 "$scratch/JWC_TEMP.TXT" | sed 's/\r$//; s/^/  /'
