#!/usr/bin/env bash
# The real program under Xvfb: its main window opens, a state button without a home position
# gives one clear error box, and the Close button ends the program cleanly.
set -u
. "$(dirname "$0")/lib.bash"
e2e_reexec "$0" "$@"
e2e_setup "$1" "$2"
e2e_start
win=$(wait_window "Amateur Radio Kestrel") || fail "the main window did not open"
geom=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')
[ "$geom" = "462x336" ] || fail "main window client area is $geom, not 462x336"
sleep 0.5  # the first activation (preferences, clocks) runs right after the window shows
# Texas: state button 43, column 0 and row 6 of the state button bar at (277, 55).
click_at "$win" 291 193
box=$(wait_window "Kestrel") || fail "no error box for a state button without a home position"
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return
sleep 0.5
[ "$(count_windows "Kestrel")" = 0 ] || fail "the error box did not close"
# Close: the second command button, at (6 + 78 + 29, 292 + 2 + 8).
click_at "$win" 113 302
wait_exit_within 100 || fail "the program did not exit after Close"
[ "$EXIT_STATUS" = 0 ] || fail "the program did not exit cleanly after Close (status: $EXIT_STATUS)"
echo "spine journey passed"
