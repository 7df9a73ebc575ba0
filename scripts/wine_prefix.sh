# Sourced by the scripts that run Windows programs under Wine. start_wine_prefix PREFIX makes (when new)
# and uses the Wine prefix PREFIX quietly, without Wine's .NET and browser engines, keeps one Wine
# server running for it, and maps the dialog's font "ＭＳ ゴシック", which Wine lacks, to
# IPAGothic. The message boxes' font is DejaVu Sans, falling back to IPAGothic for Japanese as on a
# Japanese system: with IPAGothic's line alone an underscore ("JWC_TEMP.TXT") falls outside it at
# 96 and 144 DPI and is not drawn. Captions keep Tahoma, which falls back to IPAGothic too.
# stop_wine_prefix ends that server and everything Wine started in the prefix.
wine_prefix_started=""

start_wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  wine_prefix_started=1
  wineserver -p
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic \
    /f >/dev/null 2>&1
  local face
  for face in Tahoma 'DejaVu Sans'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1
  done
  # A LOGFONTW: 11 pixels high at 96 DPI (Wine scales it), regular, "DejaVu Sans" in UTF-16.
  local font=f5ffffff000000000000000000000000900100000000000100000000
  font+=440065006a006100560075002000530061006e007300$(printf '0%.0s' {1..84})
  wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
    /d "$font" /f >/dev/null 2>&1
}

stop_wine_prefix() {
  if [ -n "$wine_prefix_started" ]; then
    wineserver -k 2>/dev/null || true
    wine_prefix_started=""
  fi
}

# For a script that runs Windows programs on an X server of its own (source virtual_display.sh
# too): a scratch folder $work, a virtual display and a Wine prefix in $work/prefix, under the
# locale C.UTF-8, all ended and removed when the script exits. A command given runs on the display
# before Wine starts, which reads the display's settings once.
start_wine_on_virtual_display() {
  export LC_ALL=C.UTF-8
  work=$(mktemp -d)
  trap stop_wine_on_virtual_display EXIT
  start_virtual_display
  if [ $# -gt 0 ]; then "$@"; fi
  start_wine_prefix "$work/prefix"
}

stop_wine_on_virtual_display() {
  stop_wine_prefix
  stop_virtual_display
  rm -rf "$work"
}
