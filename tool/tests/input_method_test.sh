#!/usr/bin/env bash
# Types into morven, or morven.exe under Wine, with Mozc on through fcitx5 or IBus, on a virtual X
# server: 寸法 converted in the prefix, 20 kana cut to 32 bytes in the suffix, and numbers that give
# the answer of the same digits typed plainly. Mozc does not run as root: as root, the input method
# and the program run as the user morven-ime (made when missing), in a fresh home. Exits 77
# (skipped) where it cannot run.
#   input_method_test.sh PATH_TO_MORVEN_OR_MORVEN_EXE [fcitx5|ibus]
set -euo pipefail

program=$1
im=${2:-fcitx5}
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../scripts
sample=$here/../samples/JWC_TEMP.TXT
source "$scripts/virtual_display.sh"
skip() { echo "skipped: $1" && exit 77; }
# await SECONDS CONDITION: true as soon as the shell condition holds, false once the time is over.
await() {
  local deadline=$((SECONDS + $1))
  until eval "$2"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

case $im in
  fcitx5) needs=(fcitx5 fcitx5-remote /usr/share/fcitx5/addon/mozc.conf) xim=fcitx ;;
  ibus) needs=(ibus-daemon ibus /usr/share/ibus/component/mozc.xml) xim=ibus ;;
  *) echo "usage: $0 PROGRAM [fcitx5|ibus]" >&2 && exit 2 ;;
esac
needs+=(dbus-launch setpriv xprop)
wine=""
if [[ $program == *.exe ]]; then
  wine=1
else
  needs+=(/usr/lib/*/qt6/plugins/platforminputcontexts/lib"${im}"platforminputcontextplugin.so)
fi
for need in "${needs[@]}"; do
  command -v "$need" >/dev/null || [ -e "$need" ] || skip "$need is missing (scripts/setup.sh)"
done
user=morven-ime
if [ "$(id -u)" -eq 0 ] && ! id "$user" >/dev/null 2>&1 &&
  ! useradd --system --no-create-home --shell /usr/sbin/nologin "$user"; then
  skip "Mozc does not run as root, and the user $user cannot be made"
fi

home=$(mktemp -d)
app=$home/app
# Wine makes its server's folder in TMPDIR: in the home, it goes with it.
as_user=(env HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 LC_ALL=C.UTF-8)
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups "${as_user[@]}")
ime_pid=""
pid=""
# Nothing may write into the home when it goes: the input methods write on after SIGTERM, and the
# processes that outlive their starters (PID 1 does not reap here) are found by their home.
cleanup() {
  for p in "$pid" "$ime_pid"; do
    [ -z "$p" ] || { kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; } || true
  done
  [ -z "$wine" ] || "${as_user[@]}" WINEPREFIX="$home/prefix" wineserver -k 2>/dev/null || true
  for _ in $(seq 100); do
    left=$(grep -lsxzF "HOME=$home" /proc/[0-9]*/environ | cut -d/ -f3) || true
    [ -n "$left" ] || break
    kill $left 2>/dev/null || true
    sleep 0.1
  done
  stop_virtual_display
  rm -rf "$home"
}
trap cleanup EXIT

mkdir -p "$home/.config/fcitx5" "$home/.config/mozc" "$app" "$home/run"
chmod 700 "$home/run"
# Nothing run as that user reads the checkout, which may lie in a folder only root can enter.
cp "$program" "$app"
cp "$scripts/wine_prefix.sh" "$home"
if [ "$im" = fcitx5 ]; then
  printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=mozc' \
    '[Groups/0/Items/0]' 'Name=keyboard-us' 'Layout=' '[Groups/0/Items/1]' 'Name=mozc' 'Layout=' \
    '[GroupOrder]' '0=Default' >"$home/.config/fcitx5/profile"
  start_im=(fcitx5 -r)
  im_state() { "${as_user[@]}" fcitx5-remote 2>/dev/null; }
  im_ready() { [ -n "$(im_state)" ]; }
  im_on() { xdotool key ctrl+space && await 5 '[ "$(im_state)" = 2 ]'; }
else
  # So that choosing Mozc gives hiragana at once.
  echo 'engines { name: "mozc-jp" longname: "Mozc" layout: "default" } active_on_launch: True' \
    >"$home/.config/mozc/ibus_config.textproto"
  start_im=(ibus-daemon --xim --panel=disable)
  im_state() { "${as_user[@]}" ibus engine 2>/dev/null; }
  im_ready() { "${as_user[@]}" ibus list-engine 2>/dev/null | grep -q mozc-jp; }
  # Switching answers 1 here even when it switched: what it reads back counts.
  im_on() {
    "${as_user[@]}" ibus engine mozc-jp || true
    await 5 '[ "$(im_state)" = mozc-jp ]'
  }
fi
# A sanitizer build reads its suppressions as that user too.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]] && cp "${BASH_REMATCH[1]}" "$home/lsan.supp"; then
  export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$home/lsan.supp}
fi
[ "$(id -u)" -ne 0 ] || chown -R "$user:" "$home"
start_virtual_display
eval "$("${as_user[@]}" dbus-launch --sh-syntax)"
"${as_user[@]}" "${start_im[@]}" >"$home/im.log" 2>&1 &
ime_pid=$!
# Up when its X input method server is (IBus starts that last) and it answers on D-Bus.
await 10 '[[ $(xprop -root XIM_SERVERS) == *"=$xim"* ]] && im_ready' ||
  echo "the input method did not come up in 10 s"
watcher=$here/../../scripts/await_file_open.py
if [ -n "$wine" ]; then
  "${as_user[@]}" bash -c 'source "$1" && start_wine_prefix "$2"' _ "$home/wine_prefix.sh" "$home/prefix"
  # Wine's bridge to the input method composes in the number fields all the same: Return commits.
  commit=Return
  run=(WINEPREFIX="$home/prefix" WINEDEBUG=-all "XMODIFIERS=@im=$xim" wine "$app/morven.exe")
else
  unset QT_QPA_PLATFORM
  commit=""
  run=("QT_IM_MODULE=$xim" "$app/morven")
fi

# 1.5, 3 and 2.5 into the distances and 25 into the scale, after the prefix and suffix, with the
# input method on; false, typing nothing, when it did not come on. Keys typed right after a focus
# change can reach the field before it, or be lost, and a conversion shows nowhere outside the
# program: each key is followed by a pause, the pace of a quick typist.
fill_dialog() {
  xdotool windowfocus --sync "$1" sleep 0.4 mousemove --window "$1" 2 2 click 1 sleep 0.4 \
    key --delay 400 Tab Tab Tab Tab sleep 0.4
  im_on && [ "$(xdotool getwindowfocus)" = "$1" ] || return 1
  xdotool type --delay 80 sunpou
  xdotool key space sleep 1 key Return sleep 1 key Tab sleep 0.4 type --delay 80 aiueoaiueoaiueoaiueo
  xdotool sleep 0.5 key Return sleep 1
  for entry in Tab:1.5 Tab:3 Tab:2.5 "Tab Tab Tab Tab Tab:25"; do
    xdotool key --delay 400 ${entry%:*} sleep 0.4 type --delay 80 "${entry#*:}"
    [ -z "$commit" ] || xdotool sleep 0.5 key "$commit" sleep 1
  done
  xdotool sleep 0.5 key Return
}

# Keys right after the input method comes on, or while a loaded machine lags, are sometimes lost:
# such a run, which answers nothing or another answer, is tried again, three in all. A number
# field that composes gives the same wrong answer each time.
answer=5d958e81ef6d61f65bb17f8a22edeebb2d924e6eea87a7468881200c6a012e69
for attempt in 1 2 3; do
  install -m 666 "$sample" "$app/JWC_TEMP.TXT"
  exec {watch}< <(exec python3 "$watcher" "$app/JWC_TEMP.TXT" 60)
  read -r -t 10 -u "$watch" line || true
  (cd / && exec "${as_user[@]}" "${run[@]}") &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
  read -r -t 60 -u "$watch" line || line=""
  exec {watch}<&-
  if [ -n "$window" ] && [ "$line" = opened ] && fill_dialog "$window"; then
    # The answer is awaited: Wine takes seconds to end a windowed program.
    await 15 '! cmp -s "$sample" "$app/JWC_TEMP.TXT"' || true
    [ "$(sha256sum <"$app/JWC_TEMP.TXT" | cut -d' ' -f1)" = "$answer" ] && break
    echo "not the answer of the same entries typed plainly (run $attempt):"
    iconv -f CP932 -t UTF-8 "$app/JWC_TEMP.TXT" || od -c "$app/JWC_TEMP.TXT"
  else
    echo "the input method did not come on (run $attempt)"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
done
if [ -z "$pid" ]; then
  echo "FAIL: no run gave the answer of the same entries typed plainly (did a number field compose?)"
  exit 1
fi
echo "ok   $im: 寸法 in the prefix, 20 kana cut to 16, the numbers as typed plainly"
