#!/usr/bin/env bash
# Runs the whole cycle once, as the host would, on the bundled sample drawing and shows the
# answer and the drawing:
#   host/run_demo.sh BUILD_DIR
# The program runs from a scratch folder beside the built executable, so the build's own folder
# never holds a stray exchange file.
# With a display the dialog opens for you (Enter draws, Esc cancels); without one it runs on a
# virtual display and Enter is pressed for you.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: host/run_demo.sh BUILD_DIR}" && pwd)
host="$build/host/morven-host"
if [ ! -x "$host" ]; then
  echo "run_demo: $host is not built" >&2
  exit 1
fi

program="$build/tool/morven"
if [ ! -x "$program" ]; then
  echo "run_demo: $program is not built" >&2
  exit 1
fi
scratch="$build/tool/sample-run"
rm -rf "$scratch"
mkdir -p "$scratch" "$build/demo"
cp "$program" "$scratch/morven"
svg="$build/demo/dimension.svg"
png="$build/demo/dimension.png"
rm -f "$svg" "$png"
args=(run --exchange "$here/../tool/samples/JWC_TEMP.TXT" --program "$scratch/morven" --svg "$svg")

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "The dialog opens now: Enter (OK) draws the dimension, Esc cancels."
  "$host" "${args[@]}"
else
  echo "No display: the dialog runs on a virtual display and Enter is pressed for you."
  "$here/press_enter_headless.sh" "$host" "${args[@]}"
fi

if [ -f "$scratch/JWC_TEMP.TXT" ]; then
  echo "The file the program left for the host ($scratch/JWC_TEMP.TXT):"
  iconv -f CP932 -t UTF-8 "$scratch/JWC_TEMP.TXT" | sed 's/\r$//; s/^/  /'
fi
if [ ! -f "$svg" ]; then
  echo "Nothing was drawn, so there is no picture."
  exit 0
fi
echo "SVG: $svg"
if command -v rsvg-convert >/dev/null 2>&1; then
  rsvg-convert -w 640 -b white -o "$png" "$svg"
  echo "PNG: $png"
fi
