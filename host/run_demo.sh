#!/usr/bin/env bash
# Runs the whole cycle once, as the host would, on sample points and shows the drawing:
#   host/run_demo.sh BUILD_DIR
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

mkdir -p "$build/demo"
svg="$build/demo/dimension.svg"
png="$build/demo/dimension.png"
rm -f "$svg" "$png"
args=(run --points 0,0 1000,0 500,500 --scale 100 --svg "$svg")

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "The dialog opens now: Enter (OK) draws the dimension, Esc cancels."
  "$host" "${args[@]}"
else
  echo "No display: the dialog runs on a virtual display and Enter is pressed for you."
  "$here/press_enter_headless.sh" "$host" "${args[@]}"
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
