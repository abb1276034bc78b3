#!/usr/bin/env bash
# Saving that fails or is cut short must never leave half a file.  The old files are written
# with LF line ends, so that any byte the program writes (always CR LF) shows.
#  1. The program folder on a small tmpfs that is full: "Close" cannot write either file; it
#     says so (at most one box for each file), still ends, the old files are whole byte for
#     byte, and no temporary file is left behind.
#  2. The program stopped in the middle of saving: a named pipe in place of
#     "prefs.kestrel.tmp" holds it inside the save of the preferences (after the clocks file
#     was saved); it is killed there with SIGKILL.  The old preferences file is whole, the
#     clocks file is the new one, whole.
#  3. The program killed with SIGKILL the moment a temporary file appears: each file is either
#     the old one or the new one, whole.  A start after that crash shows no box, and "Close"
#     then writes both files anew, leaving no temporary file.
# Without the rights to mount, case 1 is skipped with a message; cases 2 and 3 always run.
set -u
E2E_WANT_NS=1
. "$(dirname "$0")/journey_lib.bash"
journey_begin kill_while_saving "$0" "$@"
trap 'rm -rf "${stage:-}"; e2e_cleanup_mounts' EXIT

# The old files (LF) and the new ones the program writes from them (CR LF).
prefs_lines=("0000000000000000000" $'W\xb094.47' $'N\xb029.18' "-6" "1")
tms_lines=("00000111111111111111110000C000000000000000001000000000000" "India   [5.5]" "Bayside   [-6]")
for _ in $(seq 3 24); do tms_lines+=(""); done
printf '%s\n' "${prefs_lines[@]}" >"$SHOT_DIR/prefs.old"
printf '%s\r\n' "${prefs_lines[@]}" >"$SHOT_DIR/prefs.new"
printf '%s\n' "${tms_lines[@]}" >"$SHOT_DIR/tms.old"
printf '%s\r\n' "${tms_lines[@]}" >"$SHOT_DIR/tms.new"
put_old_files() {
  rm -f "$E2E_DIR"/*.tmp
  cp "$SHOT_DIR/prefs.old" "$E2E_DIR/prefs.kestrel"
  cp "$SHOT_DIR/tms.old" "$E2E_DIR/tms.kestrel"
}

# Fails unless the file is whole: byte for byte the old one or the new one.
expect_old_or_new() {  # $1 = file name in the folder, $2 = old, $3 = new, $4 = when
  cmp -s "$E2E_DIR/$1" "$2" || cmp -s "$E2E_DIR/$1" "$3" || {
    od -c "$E2E_DIR/$1" | head -20 >&2
    fault "$1 is neither the old nor the new file $4"
  }
}

# ---- 1. A full tmpfs ----
stage=$(mktemp -d /tmp/kestrel-e2e-stage.XXXXXX)
cp -a "$E2E_DIR"/. "$stage"/
put_old_files
cp "$E2E_DIR/prefs.kestrel" "$E2E_DIR/tms.kestrel" "$stage"/
size_kb=$(( $(du -sk "$stage" | cut -f1) + 1024 ))
if mount -t tmpfs -o "size=${size_kb}k,mode=755" kestrel-e2e-full "$E2E_DIR" 2>"$SHOT_DIR/mount.err"; then
  E2E_MOUNTED=$E2E_DIR
  cp -a "$stage"/. "$E2E_DIR"/
  rm -rf "$stage"
  dd if=/dev/zero of="$E2E_DIR/filler" bs=4k 2>/dev/null
  if printf 'x' >"$E2E_DIR/probe" 2>/dev/null; then fail "the tmpfs is not full: a byte could still be written"; fi
  rm -f "$E2E_DIR/probe"
  shot "1-full"
  start_main "1: start in a full folder"
  expect_no_box 10 "at the start in a full folder (reading needs no room)"
  shot "1-started"
  close_keeps_old_files "1: a full folder" "$SHOT_DIR/prefs.old" "$SHOT_DIR/tms.old" "1-"
  umount "$E2E_DIR" || fail "could not unmount the full tmpfs"
  E2E_MOUNTED=
else
  rm -rf "$stage"
  echo "SKIP case 1: cannot mount a tmpfs on the program folder ($(cat "$SHOT_DIR/mount.err"))"
fi

# ---- 2. Held inside the save of the preferences, then killed ----
put_old_files
mkfifo "$E2E_DIR/prefs.kestrel.tmp" || fail "could not make a named pipe"
start_main "2: start"
expect_no_box 10 "at the start with valid files"
click_at "$MAIN" 113 302
sleep 1
kill -0 "$E2E_PID" 2>/dev/null ||
  fault "2: the program ended without opening prefs.kestrel.tmp (it does not save through a temporary file)"
shot "2-held-while-saving"
kill_program
shot "2-killed"
rm -f "$E2E_DIR/prefs.kestrel.tmp"
expect_same_bytes "$SHOT_DIR/prefs.old" "$E2E_DIR/prefs.kestrel" "2: prefs.kestrel after a kill inside its save"
expect_same_bytes "$SHOT_DIR/tms.new" "$E2E_DIR/tms.kestrel" "2: tms.kestrel, saved before the kill"

# ---- 3. Killed the moment a temporary file appears ----
put_old_files
start_main "3: start"
expect_no_box 10 "at the start with valid files"
xdotool mousemove --window "$MAIN" 113 302
(
  end=$((SECONDS + 5))
  until [ -e "$E2E_DIR/tms.kestrel.tmp" ] || [ -e "$E2E_DIR/prefs.kestrel.tmp" ]; do
    [ "$SECONDS" -lt "$end" ] && kill -0 "$E2E_PID" 2>/dev/null || exit 1
  done
  kill -9 "$E2E_PID"
) &
watcher=$!
xdotool click 1
wait "$watcher" || fault "3: no temporary file appeared before the program ended"
kill_program
shot "3-killed"
echo "3: left after the kill: $(cd "$E2E_DIR" && ls -- *.kestrel *.tmp 2>/dev/null | tr '\n' ' ')"
expect_old_or_new prefs.kestrel "$SHOT_DIR/prefs.old" "$SHOT_DIR/prefs.new" "after a kill while saving"
expect_old_or_new tms.kestrel "$SHOT_DIR/tms.old" "$SHOT_DIR/tms.new" "after a kill while saving"

# The next start after the crash, with whatever temporary file it left.
start_main "3: start after the crash"
expect_no_box 10 "at the start after a crash while saving"
shot "3-restarted"
click_at "$MAIN" 113 302
dismiss_boxes 5 "3-close"
[ "$BOXES" = 0 ] || fault "3: Close after a crash gave $BOXES message boxes"
wait_exit_within 50 || fail "3: the program did not exit after Close"
[ "$EXIT_STATUS" = 0 ] || fault "3: the program exited with status $EXIT_STATUS after Close"
expect_same_bytes "$SHOT_DIR/prefs.new" "$E2E_DIR/prefs.kestrel" "3: prefs.kestrel saved after the crash"
expect_same_bytes "$SHOT_DIR/tms.new" "$E2E_DIR/tms.kestrel" "3: tms.kestrel saved after the crash"
ls "$E2E_DIR"/*.tmp >/dev/null 2>&1 && fault "3: a temporary file is left after a good save: $(ls "$E2E_DIR"/*.tmp)"
end_journey kill_while_saving
