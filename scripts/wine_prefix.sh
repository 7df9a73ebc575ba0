# Sourced by the scripts that run Windows programs under Wine. start_wine_prefix PREFIX makes (when new)
# and uses the Wine prefix PREFIX quietly, without Wine's .NET and browser engines, keeps one Wine
# server running for it, and maps the dialog's font "ＭＳ ゴシック", which Wine lacks, to
# IPAGothic; the message font (Tahoma, also in captions and message boxes) falls back to IPAGothic
# for Japanese, as on a Japanese system. stop_wine_prefix ends that server and everything Wine
# started in the prefix.
wine_prefix_started=""

start_wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  wine_prefix_started=1
  wineserver -p
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic \
    /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1
}

stop_wine_prefix() {
  if [ -n "$wine_prefix_started" ]; then
    wineserver -k 2>/dev/null || true
    wine_prefix_started=""
  fi
}

# For a script that runs Windows programs on an X server of its own (source virtual_display.sh
# too): a scratch folder $work, a virtual display and a Wine prefix in $work/prefix, under the
# locale C.UTF-8, all ended and removed when the script exits.
start_wine_on_virtual_display() {
  export LC_ALL=C.UTF-8
  work=$(mktemp -d)
  trap stop_wine_on_virtual_display EXIT
  start_virtual_display
  start_wine_prefix "$work/prefix"
}

stop_wine_on_virtual_display() {
  stop_wine_prefix
  stop_virtual_display
  rm -rf "$work"
}
