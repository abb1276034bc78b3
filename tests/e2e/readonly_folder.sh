#!/usr/bin/env bash
# A program folder that cannot be written (a read-only bind mount, which stops root too): the
# program starts and reads its files without a box; Reset in the Clocks window fails with one
# clear message box and the window can still be left with OK; "Close" reports the files it
# cannot write (at most one box for each of the two files) and the program still ends; the
# old files stay whole, byte for byte, and no temporary file is left.
# Without the rights to mount, the journey is skipped with a message (and passes).
set -u
E2E_WANT_NS=1
. "$(dirname "$0")/journey_lib.bash"
journey_begin readonly_folder "$0" "$@"
trap 'e2e_cleanup_mounts' EXIT

printf '0100000000000000000\r\nW\xb094.47\r\nN\xb029.18\r\n-6\r\n1\r\n' >"$E2E_DIR/prefs.kestrel"
{
  printf '%s\r\n' "00000111111111111111110000C000000000000000001000000000000" "India   [5.5]" "Bayside   [-6]"
  for _ in $(seq 3 24); do printf '\r\n'; done
} >"$E2E_DIR/tms.kestrel"
cp "$E2E_DIR/prefs.kestrel" "$SHOT_DIR/prefs.before"
cp "$E2E_DIR/tms.kestrel" "$SHOT_DIR/tms.before"

# The folder made read-only by a bind mount of itself, remounted read-only.
if ! mount --bind "$E2E_DIR" "$E2E_DIR" 2>"$SHOT_DIR/mount.err"; then
  echo "SKIP: cannot bind-mount the program folder ($(cat "$SHOT_DIR/mount.err")); the read-only journey needs root and mount rights"
  exit 0
fi
E2E_MOUNTED=$E2E_DIR
if ! mount -o remount,ro,bind "$E2E_DIR" 2>"$SHOT_DIR/mount.err"; then
  echo "SKIP: cannot remount the program folder read-only ($(cat "$SHOT_DIR/mount.err"))"
  exit 0
fi
if touch "$E2E_DIR/write-probe" 2>/dev/null; then
  fail "the folder is still writable after the read-only remount"
fi

start_main "start in a read-only folder"
expect_no_box 10 "at the start in a read-only folder (reading needs no writing)"
shot "started"

# Clocks: a third name typed, then Reset, which writes the clocks file: one box, and OK.
click_at "$MAIN" 360 302
clocks=$(wait_window "Clocks") || fail "the Clocks button did not open the Clocks window"
expect_size "$clocks" "the Clocks window" 414x348
click_at "$clocks" 259 74
xdotool type --delay 30 "Paris   [1]"
sleep 0.3
shot "clocks-typed"
click_at "$clocks" 247 335
dismiss_boxes 30 "reset"
[ "$BOXES" = 1 ] || fault "Reset in a read-only folder gave $BOXES message boxes, not 1"
[ "$(count_windows "Clocks")" = 1 ] || fault "the Clocks window is gone after the failed Reset"
shot "after-reset"
click_at "$clocks" 166 335
window_gone "Clocks" 30 || fault "the Clocks window could not be left with OK after the failed Reset"
cmp -s "$SHOT_DIR/tms.before" "$E2E_DIR/tms.kestrel" || fault "tms.kestrel changed after the failed Reset"

# Close: both files fail to be written; the program reports it and ends all the same.
close_keeps_old_files "a read-only folder" "$SHOT_DIR/prefs.before" "$SHOT_DIR/tms.before" ""
end_journey readonly_folder
