#!/usr/bin/env bash
# A start with a preferences file (long path shown, a home, a zone) and a clocks file (two
# named clocks, the second on daylight saving time) already in the folder: no message box;
# the sunrise and sunset labels show times (they differ from the labels of a start without
# files); the Clocks window shows the two names in the first two boxes and nothing in the
# third; after Texas the long-path heading is shown; "Close" writes both files back byte for
# byte as they were.
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_begin restart "$0" "$@"
rm -f "$E2E_DIR/prefs.kestrel" "$E2E_DIR/tms.kestrel"

# A start without files, for the look of the sunrise and sunset labels with no home.
start_main "start without files"
expect_no_box 10 "at a start without files"
shot "no-files"
crop "$MAIN" 20 4 42 14 "$SHOT_DIR/rise-no-home.png"
crop "$MAIN" 82 4 42 14 "$SHOT_DIR/set-no-home.png"
kill_program  # killed: nothing is written
rm -f "$E2E_DIR/prefs.kestrel" "$E2E_DIR/tms.kestrel"

# The files of an earlier run.
printf '1000000000000000000\r\nW\xb094.47\r\nN\xb029.18\r\n-6\r\n1\r\n' >"$SHOT_DIR/prefs.before"
start_flags="00000111111111111111110000C000000000000000001000000000000"
flags="${start_flags:0:28}1${start_flags:29}"  # the switch of clock 2 (character 29) on: DST
{
  printf '%s\r\n' "$flags" "India   [5.5]" "Bayside   [-6]"
  for _ in $(seq 3 24); do printf '\r\n'; done
} >"$SHOT_DIR/tms.before"
cp "$SHOT_DIR/prefs.before" "$E2E_DIR/prefs.kestrel"
cp "$SHOT_DIR/tms.before" "$E2E_DIR/tms.kestrel"

start_main "start with the files of an earlier run"
expect_no_box 15 "at a start with valid files"
shot "restarted"
crop "$MAIN" 20 4 42 14 "$SHOT_DIR/rise-home.png"
crop "$MAIN" 82 4 42 14 "$SHOT_DIR/set-home.png"
[ "$(pixels "$SHOT_DIR/rise-home.png")" != "$(pixels "$SHOT_DIR/rise-no-home.png")" ] ||
  fail "the sunrise label looks as without a home: the saved home gave no sunrise time"
[ "$(pixels "$SHOT_DIR/set-home.png")" != "$(pixels "$SHOT_DIR/set-no-home.png")" ] ||
  fail "the sunset label looks as without a home: the saved home gave no sunset time"

# The Clocks window: the two saved names, and an empty third box.
click_at "$MAIN" 360 302
clocks=$(wait_window "Clocks") || fail "the Clocks button did not open the Clocks window"
expect_size "$clocks" "the Clocks window" 414x348
expect_no_box 5 "on opening the Clocks window"
shot "clocks"
for i in 1 2 3; do crop "$clocks" $((3 + 104 * (i - 1))) 67 96 15 "$SHOT_DIR/clock-name-$i.png"; done
[ "$(colours "$SHOT_DIR/clock-name-1.png")" -gt 2 ] || fail "the first clock box shows no name"
[ "$(colours "$SHOT_DIR/clock-name-2.png")" -gt 2 ] || fail "the second clock box shows no name"
[ "$(colours "$SHOT_DIR/clock-name-3.png")" -le 2 ] || fail "the third clock box shows something, but no name was saved for it"
[ "$(pixels "$SHOT_DIR/clock-name-1.png")" != "$(pixels "$SHOT_DIR/clock-name-2.png")" ] ||
  fail "the first two clock boxes look the same, but hold different names"
click_at "$clocks" 166 335
window_gone "Clocks" 30 || fail "the Clocks window did not close on OK"

# Texas: with the long-path option saved, the long-path heading is shown beside the heading.
crop "$MAIN" 381 267 72 14 "$SHOT_DIR/long-path-before.png"
click_at "$MAIN" 291 193
expect_no_box 5 "on the Texas button with the saved home"
expect_list 50 "on the Texas button"
xdotool key Escape  # the list of cities closes unchosen
expect_list_closed 50 "Escape"
shot "texas"
crop "$MAIN" 381 267 72 14 "$SHOT_DIR/long-path-texas.png"
[ "$(colours "$SHOT_DIR/long-path-before.png")" -le 2 ] || fail "a long-path heading is shown before any place was chosen"
[ "$(colours "$SHOT_DIR/long-path-texas.png")" -gt 2 ] || fail "no long-path heading after Texas, though the saved options ask for it"

click_at "$MAIN" 113 302
expect_no_box 5 "on Close"
wait_exit_within 50 || fail "the program did not exit after Close"
[ "$EXIT_STATUS" = 0 ] || fail "the program exited with status $EXIT_STATUS after Close"
shot "closed"
expect_same_bytes "$SHOT_DIR/prefs.before" "$E2E_DIR/prefs.kestrel" "prefs.kestrel written back"
expect_same_bytes "$SHOT_DIR/tms.before" "$E2E_DIR/tms.kestrel" "tms.kestrel written back"
echo "restart journey passed"
