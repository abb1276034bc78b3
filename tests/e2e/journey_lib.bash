# More shared steps for the journeys that look at the program's files: screenshots of every
# step, message boxes counted and dismissed, window sizes, crops of the screen, file contents
# compared byte for byte, and folders mounted read-only or full.
# Sourced by the journey scripts (it brings lib.bash with it); not a test of its own.
. "$(dirname "${BASH_SOURCE[0]}")/lib.bash"

MAIN_TITLE="Amateur Radio Kestrel"
BOX_TITLE="Kestrel"

# The start of every journey: the script runs again under Xvfb (e2e_reexec), in a fresh
# program folder (e2e_setup), with fresh screenshots (shots_init).
journey_begin() {  # $1 = journey name, $2 = the script, then its arguments (program, data folder)
  local name=$1 script=$2
  shift 2
  e2e_reexec "$script" "$@"
  trap 'exit 1' INT TERM HUP
  e2e_setup "$1" "$2"
  shots_init "$name"
}

# Screenshots go to /tmp/kestrel-e2e-shots/<journey>/NN-<step>.png, fresh for every run.
shots_init() {  # $1 = journey name
  SHOT_DIR=/tmp/kestrel-e2e-shots/$1
  rm -rf "$SHOT_DIR"
  mkdir -p "$SHOT_DIR"
  SHOT_N=0
}

shot() {  # $1 = step name; LAST_SHOT is the file written
  SHOT_N=$((SHOT_N + 1))
  LAST_SHOT="$SHOT_DIR/$(printf '%02d' "$SHOT_N")-$1.png"
  import -window root "$LAST_SHOT" 2>/dev/null || fail "could not take the screenshot $1"
}

# Client size "WxH" of a window.
win_size() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }

expect_size() {  # $1 = window id, $2 = what it is, $3 = "WxH"
  local got
  got=$(win_size "$1")
  [ "$got" = "$3" ] || fail "$2 has the client size $got, not $3"
}

# The id of the shown drop-down list of the program, if there is one: the list is the one
# window of the program that the window manager does not place (override-redirect).
shown_list() {
  local id
  for id in $(xdotool search --onlyvisible --class '^kestrel$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && { echo "$id"; return 0; }
  done
  return 1
}

no_list() { ! shown_list >/dev/null; }

# Waits until a drop-down list is shown (at most $1 tenths of a second); fails otherwise.
# A click into the list before it is on the screen would land on the window beneath it.
expect_list() {  # $1 = tenths of a second, $2 = what opened it
  poll "$1" shown_list >/dev/null && return 0
  shot "no-list"
  fail "no drop-down list opened $2 (screen: $LAST_SHOT)"
}

# Waits until no drop-down list is shown (at most $1 tenths of a second); fails otherwise.
expect_list_closed() {  # $1 = tenths of a second, $2 = what should have closed it
  poll "$1" no_list || fail "the drop-down list stayed open after $2"
}

# Fails when a message box shows up within $1 tenths of a second.
expect_no_box() {  # $1 = tenths of a second to watch, $2 = when
  if window_within "$BOX_TITLE" "$1" >/dev/null; then
    shot "unexpected-box"
    fail "a message box appeared $2 (screen: $LAST_SHOT)"
  fi
}

box_closed() { ! xdotool search --onlyvisible --name "^$BOX_TITLE\$" 2>/dev/null | grep -qx "$1"; }

# Takes a screenshot of the message box shown now, dismisses it with Return and waits until
# it is gone.  $1 = box id, $2 = step name.
dismiss_box() {
  shot "$2"
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key Return
  poll 30 box_closed "$1" || fail "the message box did not close on Return"
}

# Dismisses every message box that shows up, one after the other, each within $1 tenths of a
# second of the previous one; sets BOXES to how many there were.  $2 = step name.
dismiss_boxes() {
  local id
  BOXES=0
  while id=$(window_within "$BOX_TITLE" "$1"); do
    BOXES=$((BOXES + 1))
    [ "$BOXES" -le 10 ] || fail "message boxes keep coming ($2)"
    dismiss_box "$id" "$2-box$BOXES"
  done
}

# A crop of a window's client area, by window coordinates.  $1 = window id, $2 $3 = x y,
# $4 $5 = width height, $6 = file.
crop() {
  import -window "$1" -crop "${4}x${5}+${2}+${3}" +repage "$6" 2>/dev/null || fail "could not crop window $1"
}

# The pixel signature of a picture (equal pictures, equal signatures).
pixels() { identify -format '%#' "$1" 2>/dev/null; }

# How many colours a picture holds (1 for an empty field, more when something is drawn in it).
colours() { identify -format '%k' "$1" 2>/dev/null; }

# Byte-for-byte comparison of two files; on a difference shows both in od -c form.
expect_same_bytes() {  # $1 = expected file, $2 = file seen, $3 = what it is
  if ! cmp -s "$1" "$2"; then
    echo "--- expected $3:" >&2; od -c "$1" | head -40 >&2
    echo "--- seen:" >&2; od -c "$2" 2>&1 | head -40 >&2
    fail "$3 is not as expected"
  fi
}

# Lines of a CR LF file: fails unless every line ends in CR LF; sets FILE_LINES to the count.
expect_crlf_lines() {  # $1 = file, $2 = how many lines
  [ -f "$1" ] || fail "$(basename "$1") does not exist"
  local bytes crlf lf
  bytes=$(wc -c <"$1")
  lf=$(tr -cd '\n' <"$1" | wc -c)
  crlf=$(LC_ALL=C grep -ac $'\r$' "$1")
  [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || fail "$(basename "$1") does not end in CR LF"
  [ "$lf" = "$crlf" ] || fail "$(basename "$1"): $crlf of its $lf lines end in CR LF"
  [ "$(tr -cd '\r' <"$1" | wc -c)" = "$lf" ] || fail "$(basename "$1") holds a CR that ends no line"
  [ "$lf" = "$2" ] || fail "$(basename "$1") has $lf lines, not $2 ($bytes bytes)"
  FILE_LINES=$lf
}

# Line $2 of a CR LF file, without its CR LF, as raw bytes in hex (so that any byte compares).
line_hex() { LC_ALL=C sed -n "${2}p" "$1" | LC_ALL=C tr -d '\r\n' | od -An -tx1 | tr -d ' \n'; }

# Starts the program and waits for its main window; sets MAIN.
start_main() {  # $1 = what this start is
  e2e_start
  MAIN=$(wait_window "$MAIN_TITLE") || fail "the main window did not open ($1)"
  expect_size "$MAIN" "the main window" 462x336
}

# Ends a program still running (SIGKILL) and forgets it.
kill_program() {
  if [ -n "${E2E_PID:-}" ]; then
    kill -9 "$E2E_PID" 2>/dev/null
    wait "$E2E_PID" 2>/dev/null
    E2E_PID=
  fi
}

# Cleanup for journeys that mount over the program folder: the program first, then the
# mount, then the folder.
E2E_MOUNTED=
e2e_cleanup_mounts() {
  kill_program
  if [ -n "$E2E_MOUNTED" ]; then
    umount "$E2E_MOUNTED" 2>/dev/null || umount -l "$E2E_MOUNTED" 2>/dev/null
    E2E_MOUNTED=
  fi
  e2e_cleanup
}

# Faults noted on the way, so that one run reports all of them; end_journey fails on any.
FAULTS=()
fault() { FAULTS+=("$*"); echo "FAULT: $*" >&2; }
end_journey() {  # $1 = journey name
  if [ "${#FAULTS[@]}" -gt 0 ]; then fail "$(printf '%s | ' "${FAULTS[@]}")"; fi
  echo "$1 journey passed"
}

# Close while the files cannot be written: the program says so (one or two boxes for the two
# files), still exits with status 0, and leaves the old files byte-identical, no ".tmp" behind.
close_keeps_old_files() {  # $1 = what is being checked, $2 = old prefs, $3 = old clocks, $4 = shot prefix
  click_at "$MAIN" 113 302
  dismiss_boxes 15 "${4}close"
  [ "$BOXES" -ge 1 ] || fault "$1: Close said nothing about the files it could not write"
  [ "$BOXES" -le 2 ] || fault "$1: Close gave $BOXES message boxes for 2 files"
  wait_exit_within 50 || fail "$1: the program did not exit after Close"
  [ "$EXIT_STATUS" = 0 ] || fault "$1: the program exited with status $EXIT_STATUS after Close"
  shot "${4}closed"
  expect_same_bytes "$2" "$E2E_DIR/prefs.kestrel" "$1: prefs.kestrel after the failed saves"
  expect_same_bytes "$3" "$E2E_DIR/tms.kestrel" "$1: tms.kestrel after the failed saves"
  if ls "$E2E_DIR"/*.tmp >/dev/null 2>&1; then fault "$1: a temporary file was left: $(ls "$E2E_DIR"/*.tmp)"; fi
  return 0
}
