# Sourced by the scripts that need an X server of their own. start_virtual_display starts Xvfb on
# a display number Xvfb picks itself, exports DISPLAY and sets xvfb_pid; stop_virtual_display
# ends it. -noreset keeps Xvfb from resetting, and refusing clients, between two connections.
xvfb_pid=""

start_virtual_display() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$display_file" ]; then
    rm -f "$display_file"
    echo "could not start a virtual display (Xvfb)" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
}

stop_virtual_display() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
