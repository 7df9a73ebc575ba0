#!/usr/bin/env bash
# Takes a picture of the Windows dialog for the docs: morven.exe on the sample drawing under
# Wine's own desktop (which draws the caption), on a virtual X server, cropped to the window.
#   screenshot.sh [--dpi N] [--box] PATH_TO_MORVEN_EXE OUT.png   (needs imagemagick, fonts-wine)
# --dpi lays the screen out at N DPI (96 by default); --box takes the error box that asks to read
# the exchange file again, which the program shows when it may not read the file.
set -euo pipefail

dpi=96
box=""
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=$2; shift 2 ;;
    --box) box=1; shift ;;
    *) break ;;
  esac
done
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
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

mkdir "$work/app"
cp "$program" "$work/app/morven.exe"
cp "$here/../samples/JWC_TEMP.TXT" "$work/app/JWC_TEMP.TXT"
if [ -n "$box" ]; then
  # Wine's server opens the files: without root's override, a file's mode then applies to it.
  chmod 000 "$work/app/JWC_TEMP.TXT"
  if [ "$(id -u)" -eq 0 ]; then
    wineserver -k
    wineserver -w
    setpriv --bounding-set=-dac_override,-dac_read_search \
      --inh-caps=-dac_override,-dac_read_search wineserver -p
  fi
fi
# The dialog opens centred under the pointer, 4 pixels below its top edge.
xdotool mousemove $((240 * dpi / 96)) $((40 * dpi / 96))
(cd / && exec wine explorer /desktop=shot,$((480 * dpi / 96))x$((320 * dpi / 96)) \
  "$work/app/morven.exe") &
pid=$!
sleep 5
import -window root "$work/screen.png"
xdotool key Escape
sleep 1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
# Wine's desktop out of the screen, then the window (and the box in front of it) out of the
# desktop's one colour.
/usr/bin/convert "$work/screen.png" -trim +repage -trim +repage "$out"
