#!/usr/bin/env bash
# Broken files in the program folder.  The program must still open, show at most one message
# box for each broken file, and on "Close" write back everything it could read.
#  1. A preferences file cut after its third line (options, home), a clocks file of 3 lines
#     (flag line and two names) and a place file with bad lines: at most one box for each of
#     the three files at the start; a bad city of the list gives one warning box when chosen;
#     Close writes the readable options, home and clock names back unchanged.
#  2. A preferences file made of the 256 byte values 0x00 to 0xFF in order.
#  3. A preferences file of 400 pseudo-random bytes (a fixed sequence).
#  In 2 and 3 at most one box may appear for the one broken file, and Close must leave a
#  well-formed preferences file (5 CR LF lines, a GMT offset and a zone number).
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_begin corrupt_files "$0" "$@"
cp "$E2E_DIR/states.txt" "$SHOT_DIR/states.good"

# Checks of a preferences file written back after a broken one: 5 CR LF lines, option flags
# first, then a GMT offset from -12 to 14 and a zone number.
expect_wellformed_prefs() {  # $1 = case name
  local p="$E2E_DIR/prefs.kestrel" offset zone
  expect_crlf_lines "$p" 5
  LC_ALL=C sed -n 1p "$p" | LC_ALL=C grep -aq $'^[01][01][01]' ||
    fault "$1: line 1 of the written preferences does not begin with three option flags"
  offset=$(LC_ALL=C sed -n 4p "$p" | tr -d '\r')
  zone=$(LC_ALL=C sed -n 5p "$p" | tr -d '\r')
  [[ "$offset" =~ ^-?[0-9]+(\.[0-9]+)?$ ]] && awk -v o="$offset" 'BEGIN { exit !(o >= -12 && o <= 14) }' ||
    fault "$1: line 4 of the written preferences is no GMT offset: \"$offset\""
  [[ "$zone" =~ ^-?[0-9]+$ ]] || fault "$1: line 5 of the written preferences is no zone number: \"$zone\""
}

# ---- 1. Cut preferences, short clocks file, bad place lines ----
printf '0110000001000000001\r\nW\xb094.47\r\nN\xb029.18\r\n' >"$E2E_DIR/prefs.kestrel"
start_flags="00000111111111111111110000C000000000000000001000000000000"
clock_flags="${start_flags:0:27}1${start_flags:28}"  # clock 1 on daylight saving time
printf '%s\r\n' "$clock_flags" "Tokyo   [9]" "Lima   [-5]" >"$E2E_DIR/tms.kestrel"
{
  printf 'TX~AAA no position given\r\n'
  printf 'TX~AAB  N\xb0xx.yy\\W\xb0abc\r\n'
  printf 'ZZ~\x01\x02\xff\xfe\x00\x7f\r\n'
  printf 'a line without a key\r\n'
  printf 'T\r\n\r\n'
  printf 'TX~%s\r\n' "$(printf 'x%.0s' $(seq 1 3000))"
} >>"$E2E_DIR/states.txt"

start_main "start with a cut preferences file, a short clocks file and a bad place file"
dismiss_boxes 30 "1-start"
[ "$BOXES" -ge 1 ] || fault "1: no message box says that prefs.kestrel lacks two of its lines"
[ "$BOXES" -le 3 ] || fault "1: $BOXES message boxes at the start for 3 broken files"
shot "1-started"
[ "$(count_windows "$MAIN_TITLE")" = 1 ] || fail "1: the main window is gone after the boxes"

# The two bad TX lines sort first in the list; each one chosen gives exactly one warning.
for n in 1 2; do
  click_at "$MAIN" 291 193
  expect_no_box 5 "on the Texas button with the home of the cut preferences file"
  expect_list 50 "on the Texas button"
  shot "1-texas-list-$n"
  click_at "$MAIN" 330 $((61 + 14 * (n - 1)))
  expect_list_closed 50 "choosing bad city line $n"
  shot "1-bad-city-$n-chosen"
  dismiss_boxes 30 "1-bad-city-$n"
  [ "$BOXES" = 1 ] || fault "1: choosing bad city line $n of the place file gave $BOXES message boxes, not 1"
done

click_at "$MAIN" 113 302
dismiss_boxes 5 "1-close"
[ "$BOXES" = 0 ] || fault "1: Close showed $BOXES message boxes"
wait_exit_within 50 || fail "1: the program did not exit after Close"
[ "$EXIT_STATUS" = 0 ] || fault "1: the program exited with status $EXIT_STATUS"
shot "1-closed"
# The options and the home are kept; the missing GMT offset and zone take their defaults.
printf '0110000001000000001\r\nW\xb094.47\r\nN\xb029.18\r\n0\r\n0\r\n' >"$SHOT_DIR/prefs.1.expected"
expect_same_bytes "$SHOT_DIR/prefs.1.expected" "$E2E_DIR/prefs.kestrel" "1: prefs.kestrel written back"
{
  printf '%s\r\n' "$clock_flags" "Tokyo   [9]" "Lima   [-5]"
  for _ in $(seq 3 24); do printf '\r\n'; done
} >"$SHOT_DIR/tms.1.expected"
expect_same_bytes "$SHOT_DIR/tms.1.expected" "$E2E_DIR/tms.kestrel" "1: tms.kestrel written back"
cp "$SHOT_DIR/states.good" "$E2E_DIR/states.txt"

# ---- 2. and 3.: preferences files of bytes that are not text ----
run_binary_prefs() {  # $1 = case name; the preferences file is in place
  rm -f "$E2E_DIR/tms.kestrel"
  start_main "$1: start with a preferences file of bytes that are not text"
  dismiss_boxes 30 "$1-start"
  [ "$BOXES" -ge 1 ] || fault "$1: no message box says that prefs.kestrel cannot be read"
  [ "$BOXES" -le 1 ] || fault "$1: $BOXES message boxes at the start for the one broken preferences file"
  shot "$1-started"
  [ "$(count_windows "$MAIN_TITLE")" = 1 ] || fail "$1: the main window is gone after the boxes"
  click_at "$MAIN" 113 302
  dismiss_boxes 5 "$1-close"
  [ "$BOXES" = 0 ] || fault "$1: Close showed $BOXES message boxes"
  wait_exit_within 50 || fail "$1: the program did not exit after Close"
  [ "$EXIT_STATUS" = 0 ] || fault "$1: the program exited with status $EXIT_STATUS"
  expect_wellformed_prefs "$1"
  cp "$E2E_DIR/prefs.kestrel" "$SHOT_DIR/prefs.$1.written"
}

all_bytes=""
for b in $(seq 0 255); do printf -v h '%02x' "$b"; all_bytes+="\\x$h"; done
printf "$all_bytes" >"$E2E_DIR/prefs.kestrel"
[ "$(wc -c <"$E2E_DIR/prefs.kestrel")" = 256 ] || fail "could not write the 256 bytes"
run_binary_prefs 2

x=20240611 random_bytes=""
for _ in $(seq 1 400); do
  x=$(( (x * 1103515245 + 12345) & 0x7fffffff ))
  printf -v h '%02x' $(( (x >> 16) & 255 ))
  random_bytes+="\\x$h"
done
printf "$random_bytes" >"$E2E_DIR/prefs.kestrel"
[ "$(wc -c <"$E2E_DIR/prefs.kestrel")" = 400 ] || fail "could not write the 400 bytes"
run_binary_prefs 3

end_journey corrupt_files
