#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual X server of its own, in a fresh Wine prefix
# with the dialog's font, and ends both afterwards; the program's exit code is the script's.
#   [MORVEN_TEST_DPI=N] [MORVEN_TEST_HIGH_CONTRAST=1] run_on_wine_xvfb.sh PROGRAM.exe [ARGS...]
# The screen is at N DPI, and the colours white text on black windows and buttons, when set. Its
# usable area leaves 40 pixels at the bottom, as a taskbar would: 1280 x 984 of 1280 x 1024.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/virtual_display.sh"
source "$here/../../../scripts/wine_prefix.sh"
start_wine_on_virtual_display xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1280, 984"
# No window manager runs: with unmanaged windows Wine does not wait two seconds for one to confirm
# that each closing window is gone.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
if [ -n "${MORVEN_TEST_DPI:-}" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$MORVEN_TEST_DPI" /f \
    >/dev/null 2>&1
fi
if [ -n "${MORVEN_TEST_HIGH_CONTRAST:-}" ]; then
  for colour in Window:'0 0 0' WindowText:'255 255 255' ButtonFace:'0 0 0' ButtonText:'255 255 255'; do
    wine reg add 'HKCU\Control Panel\Colors' /v "${colour%%:*}" /d "${colour#*:}" /f >/dev/null 2>&1
  done
  # The system colours are read when the server starts.
  wineserver -k && wineserver -w && wineserver -p
fi
wine "$@"
