#!/usr/bin/env bash
# The World Map: "dl" typed and Enter point the arrow at Germany; when the user goes to
# another program and comes back, the arrow and the map stay as they were.
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_begin world_map "$0" "$@"
printf '0110000001000000001\r\nW\xb094.47\r\nN\xb029.18\r\n-6\r\n1\r\n' >"$E2E_DIR/prefs.kestrel"
rm -f "$E2E_DIR/tms.kestrel"

start_main "start with a home position"
expect_no_box 10 "at a start with a good preferences file"

# "World Map", the fourth command button.
click_at "$MAIN" 236 302
map=$(wait_window "World Map") || fail "World Map did not open the World Map window"
expect_no_box 5 "on opening the World Map"
sleep 0.5
shot "map-open"
# The map below the tool strip (the search box, whose caret blinks, stays out of it).
map_crop() { crop "$map" 0 60 1000 500 "$SHOT_DIR/$1.png"; }
map_crop map-before

xdotool windowfocus --sync "$map" 2>/dev/null
xdotool type --delay 100 dl
sleep 0.5
xdotool key Return
expect_list_closed 30 "Enter in the search list"
sleep 0.5  # the search's timer takes the choice within 100 ms
shot "germany"
map_crop map-germany
[ "$(pixels "$SHOT_DIR/map-before.png")" != "$(pixels "$SHOT_DIR/map-germany.png")" ] ||
  fail "no mark appeared on the map after \"dl\" and Enter"

# Another program takes the focus (here the desktop's root window) and gives it back.
root_id=$(printf '%d' "$(xwininfo -root | awk '/Window id:/ {print $4}')")
xdotool windowfocus --sync "$root_id" 2>/dev/null
sleep 0.5
xdotool windowfocus --sync "$map" 2>/dev/null
sleep 0.5
shot "back-from-another-program"
map_crop map-back
[ "$(pixels "$SHOT_DIR/map-germany.png")" = "$(pixels "$SHOT_DIR/map-back.png")" ] ||
  fail "the mark changed when the focus came back from another program (screen: $LAST_SHOT)"

kill_program
end_journey world_map
