#!/usr/bin/env bash
# First run in a folder with neither a preferences file nor a clocks file: no message box at
# the start; the home position typed under Preferences, a zone picked from the list and saved;
# Texas and then a city of its list give a heading; "Close" writes both files, the preferences
# byte for byte as typed (Latin-1 degree signs, CR LF) and the clocks file with its 25 lines.
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_begin first_run "$0" "$@"
rm -f "$E2E_DIR/prefs.kestrel" "$E2E_DIR/tms.kestrel"

start_main "first start"
expect_no_box 15 "at the first start, with no preferences and no clocks file"
shot "started"
crop "$MAIN" 0 318 462 18 "$SHOT_DIR/status-idle.png"

# Preferences: the home position and the zone.
click_at "$MAIN" 43 302
home=$(wait_window "Home Parameters") || fail "Preferences did not open the Home Parameters window"
expect_size "$home" "the Home Parameters window" 186x184
shot "preferences-open"
click_at "$home" 125 15
xdotool type --delay 40 "N°29.18"
click_at "$home" 125 39
xdotool type --delay 40 "W°94.47"
# The zone list: one step down from the first zone (Eastern) is Central, GMT offset -6.
click_at "$home" 100 87
xdotool key Down
sleep 0.3
shot "preferences-typed"
click_at "$home" 93 170
expect_no_box 5 "on Save with a valid home position"
window_gone "Home Parameters" 30 || fail "the Home Parameters window did not close on Save"
shot "preferences-saved"

# Texas: a heading to the centre of the state, and the list of its cities opens.
click_at "$MAIN" 291 193
expect_no_box 5 "on the Texas button with a home position set"
expect_list 50 "on the Texas button"
shot "texas"
crop "$MAIN" 0 318 462 18 "$SHOT_DIR/status-texas.png"
[ "$(pixels "$SHOT_DIR/status-idle.png")" != "$(pixels "$SHOT_DIR/status-texas.png")" ] ||
  fail "the status bar did not change on the Texas button (no heading shown)"
[ "$(colours "$SHOT_DIR/status-texas.png")" -gt 2 ] || fail "the status bar holds no text after Texas"

# The first city of the opened list, which lies under the place box.
click_at "$MAIN" 330 61
expect_list_closed 50 "choosing a city"
expect_no_box 5 "on choosing a city of the list"
shot "city"
crop "$MAIN" 0 318 462 18 "$SHOT_DIR/status-city.png"
[ "$(pixels "$SHOT_DIR/status-texas.png")" != "$(pixels "$SHOT_DIR/status-city.png")" ] ||
  fail "the status bar did not change on choosing a city (the list did not open, or no heading)"

# Close writes both files and ends the program.
click_at "$MAIN" 113 302
expect_no_box 5 "on Close"
wait_exit_within 50 || fail "the program did not exit after Close"
[ "$EXIT_STATUS" = 0 ] || fail "the program exited with status $EXIT_STATUS after Close"
shot "closed"

printf '0000000000000000000\r\nW\xb094.47\r\nN\xb029.18\r\n-6\r\n1\r\n' >"$SHOT_DIR/prefs.expected"
expect_crlf_lines "$E2E_DIR/prefs.kestrel" 5
expect_same_bytes "$SHOT_DIR/prefs.expected" "$E2E_DIR/prefs.kestrel" "prefs.kestrel after the first run"

expect_crlf_lines "$E2E_DIR/tms.kestrel" 25
[ -n "$(line_hex "$E2E_DIR/tms.kestrel" 1)" ] || fail "tms.kestrel: the flag line is empty"
for i in $(seq 2 25); do
  [ -z "$(line_hex "$E2E_DIR/tms.kestrel" "$i")" ] || fail "tms.kestrel: line $i names a clock, but none was entered"
done
ls "$E2E_DIR"/*.tmp >/dev/null 2>&1 && fail "a temporary file was left in the program folder: $(ls "$E2E_DIR"/*.tmp)"
echo "first_run journey passed"
