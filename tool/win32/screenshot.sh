#!/usr/bin/env bash
# Takes the picture of the Windows dialog for the docs: morven.exe on the sample drawing under
# Wine's own desktop (which draws the caption), on a virtual X server, cropped to the window.
#   screenshot.sh PATH_TO_MORVEN_EXE OUT.png      (needs imagemagick and fonts-wine)
set -euo pipefail

program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
# Neither is installed by scripts/setup.sh: only this script needs them.
missing=""
command -v import >/dev/null && [ -x /usr/bin/convert ] || missing="$missing imagemagick"
[ -f /usr/share/wine/fonts/marlett.ttf ] || missing="$missing fonts-wine"
if [ -n "$missing" ]; then
  echo "screenshot.sh needs the Debian packages$missing: apt-get install$missing" >&2
  exit 1
fi
source "$here/../../scripts/virtual_display.sh"
source "$here/../../scripts/wine_prefix.sh"
start_wine_on_virtual_display
# The caption buttons' symbol font, as on a Windows system.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

mkdir "$work/app"
cp "$program" "$work/app/morven.exe"
cp "$here/../samples/JWC_TEMP.TXT" "$work/app/JWC_TEMP.TXT"
# The dialog opens centred under the pointer, 4 pixels below its top edge.
xdotool mousemove 240 40
(cd / && exec wine explorer /desktop=shot,480x320 "$work/app/morven.exe") &
pid=$!
sleep 4
import -window root "$work/screen.png"
xdotool key Escape
sleep 1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
# 318 x 242 outside: the 312 x 217 client area in Wine's frame and caption.
/usr/bin/convert "$work/screen.png" -crop 318x242+81+36 +repage "$out"
