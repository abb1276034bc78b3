# Shared steps of the end-to-end journeys: a temporary program folder, the real program under
# Xvfb, and xdotool to find its windows and click at client coordinates.
# Sourced by the journey scripts; not a test of its own.

e2e_setup() {  # $1 = kestrel binary, $2 = data folder
  E2E_DIR=$(mktemp -d /tmp/kestrel-e2e.XXXXXX)
  cp "$1" "$E2E_DIR/kestrel"
  cp -r "$2"/. "$E2E_DIR/" 2>/dev/null || true
  trap 'e2e_cleanup' EXIT
}

e2e_cleanup() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  rm -rf "$E2E_DIR"
}

fail() {
  echo "FAIL: $*" >&2
  echo "windows shown:" >&2
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    echo "  $(xdotool getwindowname "$id" 2>/dev/null) $(xdotool getwindowgeometry "$id" 2>/dev/null | tr '\n' ' ')" >&2
  done
  import -window root "/tmp/kestrel-e2e-fail-$$.png" 2>/dev/null && echo "screen: /tmp/kestrel-e2e-fail-$$.png" >&2
  exit 1
}

e2e_start() {  # starts the program in its folder (inside the Xvfb display)
  (cd "$E2E_DIR" && exec ./kestrel) &
  E2E_PID=$!
}

# Waits until a window with exactly this title is shown; prints its id.
wait_window() {  # $1 = title, $2 = how many must be shown (default 1)
  local want=${2:-1} ids
  for _ in $(seq 1 200); do
    ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)
    if [ "$(printf '%s\n' $ids | grep -c .)" -ge "$want" ]; then printf '%s\n' $ids | head -1; return 0; fi
    sleep 0.1
  done
  return 1
}

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -c . ; }

# A click gives the window the input focus first, as a click-to-focus window manager does:
# Xvfb runs none, and after a message box closes the focus would stay on the root window,
# leaving the program's window inactive (its widgets then get no focus events).
click_at() {  # $1 = window id, $2 $3 = client coordinates
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] || xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.5
}

# Waits for the program to exit; prints its exit status.
wait_exit() {
  for _ in $(seq 1 100); do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then wait "$E2E_PID"; echo $?; E2E_PID=; return 0; fi
    sleep 0.1
  done
  echo "still running"
}
