# Shared steps of the end-to-end journeys: a temporary program folder, the real program under
# Xvfb, and xdotool to find its windows and click at client coordinates.
# Sourced by the journey scripts; not a test of its own.

# Runs the script again under Xvfb; with E2E_WANT_NS=1 first inside a private mount namespace
# when it can (so that a mount left behind by a killed test goes away with it).  The display
# number is searched from a random start, so that parallel runs rarely contend for one, and
# the server does not reset when its last client leaves (a program started during such a reset
# may fail to connect: "could not connect to display").
# $1 = this script, then its arguments.
e2e_reexec() {
  local script=$1; shift
  if [ -n "${E2E_WANT_NS:-}" ] && [ -z "${E2E_NS:-}" ] && [ "$(id -u)" = 0 ] &&
     unshare -m --propagation private true 2>/dev/null; then
    exec env E2E_NS=1 unshare -m --propagation private bash "$script" "$@"
  fi
  [ -n "${E2E_INNER:-}" ] ||
    exec env E2E_INNER=1 xvfb-run -n $((1000 + RANDOM % 30000)) -a -s "-screen 0 1280x1024x24 -noreset" bash "$script" "$@"
}

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

# Runs the command every tenth of a second until it succeeds, at most $1 times; returns 1 when
# it never did.  The command's output is passed on.
poll() {  # $1 = tenths of a second, then the command and its arguments
  local n=$1
  shift
  for _ in $(seq 1 "$n"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -c . ; }

# Prints the id of a shown window with exactly this title; returns 1 when there is none.
shown_window() {
  local ids
  ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)
  [ -n "$ids" ] && printf '%s\n' $ids | head -1
}
no_window() { [ "$(count_windows "$1")" = 0 ]; }

# Prints the id of a window with this exact title if one is shown within $2 tenths of a
# second; returns 1 otherwise.
window_within() { poll "$2" shown_window "$1"; }  # $1 = title, $2 = tenths of a second
# Waits up to 20 s for a window with this exact title; prints its id.
wait_window() { window_within "$1" 200; }  # $1 = title
# Waits until no window with this title is shown (at most $2 tenths of a second).
window_gone() { poll "$2" no_window "$1"; }  # $1 = title, $2 = tenths of a second

program_exited() { ! kill -0 "$E2E_PID" 2>/dev/null; }
# Waits for the program to exit within $1 tenths of a second; sets EXIT_STATUS.
wait_exit_within() {
  EXIT_STATUS="still running"
  poll "$1" program_exited || return 1
  wait "$E2E_PID"
  EXIT_STATUS=$?
  E2E_PID=
}

# A click gives the window the input focus first, as a click-to-focus window manager does:
# Xvfb runs none, and after a message box closes the focus would stay on the root window,
# leaving the program's window inactive (its widgets then get no focus events).
click_at() {  # $1 = window id, $2 $3 = client coordinates
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] || xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.5
}

