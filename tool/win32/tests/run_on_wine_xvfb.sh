#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual X server of its own, in a fresh Wine prefix
# with the dialog's font, and ends both afterwards; the program's exit code is the script's.
#   run_on_wine_xvfb.sh PROGRAM.exe [ARGS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/virtual_display.sh"
source "$here/../../../scripts/wine_prefix.sh"
start_wine_on_virtual_display
# No window manager runs: with unmanaged windows Wine does not wait two seconds for one to confirm
# that each closing window is gone.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine "$@"
