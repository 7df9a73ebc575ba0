# Sourced, after virtual_display.sh, by the tests that type with the Japanese input method its
# users have on Linux: fcitx5 with Mozc. Mozc's server does not run as root, so as root fcitx5, its
# D-Bus and the program under test run as the user morven-ime (made when missing), otherwise as
# the caller, each run in a fresh home $ime_home, so that Mozc has learnt nothing.
ime_user=morven-ime
ime_home=""
ime_pid=""
ime_as_user=()

# start_input_method FILE...: starts fcitx5 with Mozc on $DISPLAY and copies the files into
# $ime_home/app; returns 77 with a message where it cannot run.
start_input_method() {
  local tool
  for tool in fcitx5 fcitx5-remote dbus-launch setpriv /usr/share/fcitx5/addon/mozc.conf; do
    if ! command -v "$tool" >/dev/null && [ ! -e "$tool" ]; then
      echo "skipped: $tool is missing (scripts/setup.sh installs it)"
      return 77
    fi
  done
  if [ "$(id -u)" -eq 0 ] && ! id "$ime_user" >/dev/null 2>&1 &&
    ! useradd --system --no-create-home --shell /usr/sbin/nologin "$ime_user"; then
    echo "skipped: Mozc does not run as root, and the user $ime_user cannot be made"
    return 77
  fi
  unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
  ime_home=$(mktemp -d)
  mkdir -p "$ime_home/.config/fcitx5" "$ime_home/app" "$ime_home/run"
  chmod 700 "$ime_home/run"
  cp "$@" "$ime_home/app"
  printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=mozc' \
    '[Groups/0/Items/0]' 'Name=keyboard-us' 'Layout=' '[Groups/0/Items/1]' 'Name=mozc' 'Layout=' \
    '[GroupOrder]' '0=Default' >"$ime_home/.config/fcitx5/profile"
  # A sanitizer build reads its suppressions as that user too.
  if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]] && cp "${BASH_REMATCH[1]}" "$ime_home/lsan.supp"; then
    LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$ime_home/lsan.supp}
  fi
  ime_as_user=(env HOME="$ime_home" XDG_RUNTIME_DIR="$ime_home/run" LANG=C.UTF-8)
  if [ "$(id -u)" -eq 0 ]; then
    chown -R "$ime_user:" "$ime_home"
    ime_as_user=(setpriv --reuid="$ime_user" --regid="$ime_user" --clear-groups "${ime_as_user[@]}")
  fi
  eval "$("${ime_as_user[@]}" dbus-launch --sh-syntax)"
  "${ime_as_user[@]}" fcitx5 -r >"$ime_home/fcitx5.log" 2>&1 &
  ime_pid=$!
  sleep 3
}

stop_input_method() {
  if [ -n "$ime_pid" ]; then
    # Mozc's server is fcitx5's child, and outlives it.
    kill $(pgrep -P "$ime_pid") "$ime_pid" 2>/dev/null || true
    wait "$ime_pid" 2>/dev/null || true
  fi
  [ -z "${DBUS_SESSION_BUS_PID:-}" ] || kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  [ -z "$ime_home" ] || rm -rf "$ime_home"
}

# ime_fill_dialog WINDOW [KEY]: from the dialog's first control, turns the input method on in the
# prefix field and commits 寸法 there and 20 kana, unconverted, into the suffix; then, with it still
# on, types 1.5, 3 and 2.5 into the distances and 25 into the scale, each followed by KEY (Return
# where the field composes), and presses Return for OK. Fails, typing nothing, when the input
# method did not come on.
ime_fill_dialog() {
  local window=$1 end=${2:-} entry
  xdotool windowfocus --sync "$window" mousemove --window "$window" 2 2 click 1 key Tab Tab Tab Tab
  sleep 0.5
  xdotool key ctrl+space
  sleep 1
  [ "$("${ime_as_user[@]}" fcitx5-remote)" = 2 ] || return 1
  [ "$(xdotool getwindowfocus)" = "$window" ] || return 1
  xdotool type --delay 80 sunpou
  xdotool key space sleep 1 key Return sleep 1 key Tab
  xdotool type --delay 80 aiueoaiueoaiueoaiueo
  xdotool sleep 0.5 key Return sleep 1
  for entry in Tab:1.5 Tab:3 Tab:2.5 "Tab Tab Tab Tab Tab:25"; do
    xdotool key ${entry%:*} sleep 0.3 type --delay 80 "${entry#*:}"
    [ -z "$end" ] || xdotool sleep 0.5 key "$end" sleep 1
  done
  xdotool sleep 0.5 key Return
}

# ime_run_dialog SAMPLE KEY COMMAND...: puts SAMPLE into $ime_home/app as JWC_TEMP.TXT, starts
# COMMAND as the input method's user and fills its dialog (ime_fill_dialog WINDOW KEY); sets
# ime_program_pid. Keys after Ctrl+Space are sometimes lost: a run whose input method did not
# come on is tried again, three runs in all.
ime_run_dialog() {
  local sample=$1 key=$2 attempt window
  shift 2
  for attempt in 1 2 3; do
    install -m 666 "$sample" "$ime_home/app/JWC_TEMP.TXT"
    (cd / && exec "${ime_as_user[@]}" "$@") &
    ime_program_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$ime_program_pid" | head -n 1) || true
    sleep 1
    [ -n "$window" ] && ime_fill_dialog "$window" "$key" && return 0
    echo "the input method did not come on (run $attempt)"
    kill "$ime_program_pid" 2>/dev/null || true
    wait "$ime_program_pid" 2>/dev/null || true
  done
  return 1
}

# Passes when the answer is that of ime_fill_dialog's entries typed plainly, as both programs
# write it.
ime_check_answer() {
  local answer=$ime_home/app/JWC_TEMP.TXT
  if [ "$(sha256sum <"$answer" | cut -d' ' -f1)" = \
    5d958e81ef6d61f65bb17f8a22edeebb2d924e6eea87a7468881200c6a012e69 ]; then
    echo "ok   寸法 in the prefix, 20 kana cut to 16, the numbers as typed plainly"
    return 0
  fi
  echo "FAIL: not the answer of the same entries typed plainly:"
  iconv -f CP932 -t UTF-8 "$answer" || od -c "$answer"
  return 1
}
