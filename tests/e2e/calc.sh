# kestrel-calc end to end, through the real executable (no display needed): a table of
# commands with their expected output and exit status, every kind of bad input (status 2,
# nothing on standard output, one line on standard error), the batch error line (status 1),
# and `bearing --batch` against GeographicLib's GeodSolve on a few thousand random pairs.
# Called as: bash tests/e2e/calc.sh <path-to-kestrel> <data-dir>
set -u
KC="$(dirname "$1")/kestrel-calc"
[ -x "$KC" ] || { echo "FAIL: no kestrel-calc beside $1 (build the kestrel-calc target)" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
checks=0
bad() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

D=$'\xc2\xb0'  # the degree sign in UTF-8
L=$'\xb0'      # the degree sign as the Latin-1 byte

# ok EXPECTED_STDOUT ARGS... : status 0, exactly this standard output, nothing on standard error.
ok() {
  local want=$1; shift
  checks=$((checks + 1))
  local out err status
  out=$("$KC" "$@" 2>"$WORK/err"); status=$?
  err=$(cat "$WORK/err")
  if [ "$status" != 0 ] || [ "$out" != "$want" ] || [ -n "$err" ]; then
    bad "kestrel-calc $* -> status $status, stdout [$out], stderr [$err]; wanted status 0, stdout [$want]"
  fi
}

# no NEEDLE ARGS... : status 2, nothing on standard output, one line on standard error that
# begins with "kestrel-calc: " and holds NEEDLE.
no() {
  local needle=$1; shift
  checks=$((checks + 1))
  local status
  "$KC" "$@" >"$WORK/out" 2>"$WORK/err"; status=$?
  local lines; lines=$(wc -l <"$WORK/err")
  if [ "$status" != 2 ] || [ -s "$WORK/out" ] || [ "$lines" != 1 ] ||
     ! head -c 14 "$WORK/err" | grep -qx 'kestrel-calc: ' ||
     ! grep -qF -- "$needle" "$WORK/err"; then
    bad "kestrel-calc $* -> status $status, stdout [$(cat "$WORK/out")], stderr [$(cat "$WORK/err")]; wanted status 2 and one line naming [$needle]"
  fi
}

# ---- Headings ----
# Flinders Peak to Buninyong (Vincenty's published example: 54 972.271 m, 306 52 05.37,
# back 127 10 25.07); 54.972 km is 34.16 statute miles of 1.6093 km.
FLINDERS=-37.951033417,144.424867889
BUNINYONG=-37.652821139,143.926495528
ok "heading 306.9 long_path 126.9 km 54.97 mi 34.16" bearing "$FLINDERS" "$BUNINYONG"
ok "heading 127.2 long_path 307.2 km 54.97 mi 34.16" bearing "$BUNINYONG" "$FLINDERS"
# Along the equator from 0,0: 10 degrees of the 6 378 137 m radius are 1 113 194.908 m.
ok "heading 90.0 long_path 270.0 km 1113.19 mi 691.73" bearing 0,0 0,10
ok "heading 90.0 long_path 270.0 km 1113.19 mi 691.73" bearing JJ00 "N${D}0.00\\E${D}10.00"
ok "heading 270.0 long_path 90.0 km 1113.19 mi 691.73" bearing -- 0,0 0,-10
# The same place in every form: 29 18' N 94 47' W is 29.30, -94.78.
want=$("$KC" bearing 29.30,-94.78 EL29)
for form in "N${D}29.18\\W${D}94.47" "N${D}29.18 W${D}94.47" "n${D}29.18\\w${D}94.47" "N${L}29.18\\W${L}94.47"; do
  ok "$want" bearing "$form" EL29
done
ok "$("$KC" bearing 29,-96 0,0)" bearing el29 JJ00

# ---- JSON: full precision ----
out=$("$KC" bearing "$FLINDERS" "$BUNINYONG" --json)
checks=$((checks + 1))
echo "$out" | awk -v RS=',' -F: '
  /"azimuth"/     { az = $2 }
  /"long_path"/   { lp = $2 }
  /"distance_m"/  { m = $2 }
  END {
    published = 306 + 52/60 + 5.37/3600
    d = az - published; if (d < 0) d = -d
    e = m - 54972.271; if (e < 0) e = -e
    exit !(d < 0.006/3600 && e < 0.0006 && lp - az + 180 < 1e-9 && az - lp - 180 < 1e-9)
  }' || bad "bearing --json is off the published values: $out"
echo "$out" | grep -qE '^\{"azimuth":306\.[0-9]{9},"long_path":126\.[0-9]{9},"distance_m":54972\.[0-9]{6},"distance_km":54\.[0-9]{9},"distance_mi":34\.[0-9]{9}\}$' ||
  bad "bearing --json has not the promised keys and decimals: $out"

# ---- Locators and grid squares ----
ok "N${D}29.00\\W${D}96.00 29.000000000 -96.000000000" locator EL29
ok "N${D}29.00\\W${D}96.00 29.000000000 -96.000000000" locator el29
ok "N${D}0.00\\E${D}0.00 0.000000000 0.000000000" locator JJ00
ok "N${D}51.30\\W${D}0.10 51.500000000 -0.166666667" locator IO91WM
ok "S${D}34.00\\E${D}150.00 -34.000000000 150.000000000" locator QF56
ok "{\"text\":\"N${D}29.00\\\\W${D}96.00\",\"lat\":29.000000000,\"lon\":-96.000000000}" locator EL29 --json
ok "EL29" grid 29.30,-94.78
ok "EL29OH" grid "N${D}29.18\\W${D}94.47" --chars 6
ok "EL29" grid el29
ok "IO91WM" grid IO91WM --chars=6
ok "JJ00" grid 0,0
ok "II99XX99" grid --chars 8 -- -0.000001,-0.000001
ok "RR99" grid 90,180
ok "AA00" grid -90,-180
ok '{"locator":"EL29OH"}' grid 29.30,-94.78 --chars 6 --json

# ---- Sunrise and sunset (the program's documented cases) ----
ok "rise 7:14A set 5:42P" sun 29.30,-94.78 -6 2024-01-15
ok "rise 7:14A set 5:42P" sun "N${D}29.18\\W${D}94.47" -6 2024-01-15
ok "rise 07:14 set 17:42" sun 29.30,-94.78 -6 2024-01-15 --military
ok "rise 4:41A set 7:06P" sun -33.87,151.22 10 2024-12-21
ok "rise 4:43A set 9:21P" sun 51.50,-0.10 1 2024-06-21
ok "rise - set -
Sun up or down all day
Sun up or down all day" sun 70,25 2 2024-06-21
ok '{"rise":"07:14","set":"17:42","messages":[]}' sun 29.30,-94.78 -6 2024-01-15 --military --json
# On the equator and the Greenwich meridian the times are computed (the windows show none).
checks=$((checks + 1))
"$KC" sun JJ00 0 2024-03-20 --military | grep -qE '^rise 0[56]:[0-9]{2} set 1[78]:[0-9]{2}$' ||
  bad "sun at JJ00 gives no times: $("$KC" sun JJ00 0 2024-03-20 --military 2>&1)"

# ---- Prefixes and map marks ----
ok "DA" prefix DL
ok "KH6" prefix KH7
ok "DA" prefix DA
ok "dl" prefix dl
ok '{"text":"DL","prefix":"DA","alias":true}' prefix DL --json
ok "pointer 577 162" map "1A0  Malta"
ok "ring 865 225" map "1S  Spratly Island"
ok "ring 313 211" map "FS  Saint Martin  "
ok '{"entry":"JW  Svalbard","kind":"pointer","x":567,"y":30}' map "JW  Svalbard" --json

# ---- Help ----
for cmd in "" bearing grid locator sun prefix map; do
  checks=$((checks + 1))
  # shellcheck disable=SC2086
  out=$("$KC" $cmd --help 2>"$WORK/err"); status=$?
  if [ "$status" != 0 ] || [ -s "$WORK/err" ] || ! grep -q "^Usage: kestrel-calc ${cmd:-COMMAND}" <<<"$out"; then
    bad "kestrel-calc $cmd --help -> status $status, no usage line"
  fi
done
checks=$((checks + 1))
"$KC" --help | grep -q "exactly 0 is a real place" || bad "--help does not say how 0 is taken"

# ---- Bad input: status 2, nothing on standard output, one line on standard error ----
no "no command given"
no "unknown command \"heading\"" heading EL29 JN58
no "unknown option --fast" bearing EL29 JN58 --fast
no "needs FROM and TO, got 1 argument" bearing EL29
no "needs FROM and TO, got 3 arguments" bearing EL29 JN58 JN59
no "FROM \"ZZ99\": Invalid Grid description - Z" bearing ZZ99 JN58
no "Grid description must be 4 or 6 characters in length." bearing EL29 EL2
no "Invalid Grid description - Z" bearing EL29 EL29AZ
no "Minutes must be between 00 and 59." bearing "N${D}29.60\\W${D}94.47" EL29
no "No N${D} or S${D} degrees in selected record." bearing "W${D}94.47" EL29
no "No W${D} or E${D} degrees in selected record." bearing "N${D}29.18" EL29
no "Invalid degrees: N${D}29  W${D}94.47" bearing "N${D}29\\W${D}94.47" EL29
no "Latitude must be between 0 and 90 degrees." bearing "N${D}95.00\\W${D}94.47" EL29
no "Longitude must be between 0 and 180 degrees." bearing "N${D}29.00\\W${D}194.47" EL29
no "latitude 91 is outside -90 to 90" bearing 91,0 EL29
no "longitude -180.5 is outside -180 to 180" bearing EL29 0,-180.5
no "latitude \"abc\" is not a number" bearing abc,5 EL29
no "exactly one comma" bearing 1,2,3 EL29
no "empty position" bearing "" EL29
no "not a locator (EL29, EL29AB), a pair with degree signs" bearing "29.3 -94.78" EL29
no "--batch reads its pairs from standard input" bearing --batch EL29
no "--military does not apply" bearing EL29 JN58 --military
no "--batch does not apply" grid EL29 --batch
no "--chars must be 4, 6 or 8" grid EL29 --chars 5
no "--chars needs a value" grid EL29 --chars
no "grid: needs a POSITION" grid
no "Invalid Grid description - 2" locator 29,-96
no "Invalid Grid description - S" locator SL29
no "needs POSITION, OFFSET and DATE" sun EL29 -6
no "OFFSET \"x\" is not a number of hours" sun EL29 x 2024-01-15
no "OFFSET 15 lies outside -12 to 14 hours" sun EL29 15 2024-01-15
no "DATE \"2023-02-29\" is not a calendar date" sun EL29 -6 2023-02-29
no "DATE \"2024-1-15\"" sun EL29 -6 2024-1-15
no "prefix: needs a TEXT" prefix
no "\"Malta\" is not an entry of the world map's search list" map Malta
no "\"FS  Saint Martin\" is not an entry" map "FS  Saint Martin"

# ---- An arithmetic fault of the calculation (equal positions at some latitudes): status 1 ----
checks=$((checks + 1))
"$KC" bearing 45.0962,7 45.0962,7 >"$WORK/out" 2>"$WORK/err"; status=$?
{ [ "$status" = 1 ] && [ ! -s "$WORK/out" ] && [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q "cannot be computed" "$WORK/err"; } ||
  bad "fault: status $status, stdout [$(cat "$WORK/out")], stderr [$(cat "$WORK/err")]"

# ---- bearing --batch: answers line by line; a bad line gets its error and the run goes on ----
checks=$((checks + 1))
printf '%s\n' "0 0 0 10" "1 2 x 4" "0 0 10" "95 0 0 0" "-37.951033417 144.424867889 -37.652821139 143.926495528" >"$WORK/mixed"
"$KC" bearing --batch <"$WORK/mixed" >"$WORK/out" 2>"$WORK/err"; status=$?
expected=$'error: LAT2 "x" is not a number\nerror: expected 4 numbers LAT1 LON1 LAT2 LON2, found 3 fields\nerror: LAT1 95 is outside -90 to 90'
got=$(sed -n 2,4p "$WORK/out")
[ "$status" = 1 ] || bad "batch with bad lines: status $status, wanted 1"
[ "$got" = "$expected" ] || bad "batch error lines: [$got], wanted [$expected]"
# Line 1: the equator, 1 113 194.908 m; line 5: the published 306 52 05.37 and 54 972.271 m.
# Nine decimals for the angles and six for the metres.
checks=$((checks + 1))
awk 'NR == 1 { ok1 = $1 == "90.000000000" && $2 == "270.000000000" && ($3 - 1113194.908) ^ 2 < 1e-6 }
     NR == 5 { p = 306 + 52 / 60 + 5.37 / 3600
               ok5 = ($1 - p) ^ 2 < (0.006 / 3600) ^ 2 && ($2 - $1 + 180) ^ 2 < 1e-18 && ($3 - 54972.271) ^ 2 < 0.0006 ^ 2 }
     END { exit !(ok1 && ok5) }' "$WORK/out" &&
  [ "$(sed -n '1p;5p' "$WORK/out" | grep -cE '^[0-9]+\.[0-9]{9} [0-9]+\.[0-9]{9} [0-9]+\.[0-9]{6}$')" = 2 ] ||
  bad "batch answers: line 1 [$(sed -n 1p "$WORK/out")], line 5 [$(sed -n 5p "$WORK/out")]"
[ "$(wc -l <"$WORK/out")" = 5 ] || bad "batch: $(wc -l <"$WORK/out") output lines for 5 input lines"
[ "$(cat "$WORK/err")" = "kestrel-calc: bearing --batch: 3 of 5 lines failed (the first is line 2)" ] ||
  bad "batch summary on standard error: [$(cat "$WORK/err")]"
checks=$((checks + 1))
printf '0 0 0 10\r\n0 0 10 0' | "$KC" bearing --batch >"$WORK/out" 2>"$WORK/err"; status=$?
{ [ "$status" = 0 ] && [ ! -s "$WORK/err" ] && [ "$(wc -l <"$WORK/out")" = 2 ]; } ||
  bad "clean batch (CR LF, no last line end): status $status, [$(cat "$WORK/out")] [$(cat "$WORK/err")]"

# ---- bearing --batch against GeodSolve on random pairs (fixed seed) ----
if command -v GeodSolve >/dev/null; then
  checks=$((checks + 1))
  awk 'BEGIN { srand(4711); pi = atan2(0, -1)
    for (i = 0; i < 4000; i++) {
      lat1 = atan2(u = 2 * rand() - 1, sqrt(1 - u * u)) * 180 / pi; lon1 = 360 * rand() - 180
      lat2 = atan2(v = 2 * rand() - 1, sqrt(1 - v * v)) * 180 / pi; lon2 = 360 * rand() - 180
      printf "%.9f %.9f %.9f %.9f\n", lat1, lon1, lat2, lon2 } }' >"$WORK/pairs"
  "$KC" bearing --batch <"$WORK/pairs" >"$WORK/ours" || bad "bearing --batch failed on the random pairs"
  GeodSolve -i -p 9 <"$WORK/pairs" >"$WORK/theirs"
  report=$(paste -d' ' "$WORK/ours" "$WORK/theirs" | awk '
    { if (NF != 6) { bad++; next }
      if ($6 > 19000000) { skipped++; next }           # nearly antipodal
      dm = $3 - $6; if (dm < 0) dm = -dm
      da = ($1 - $4) % 360; if (da < 0) da += 360; if (da > 180) da = 360 - da
      if (dm > wm) wm = dm; if (da > wa) wa = da
      if (dm > 0.001 || da > 1e-6) { off++; if (!first) first = NR }
      n++ }
    END { printf "%d compared, %d skipped, worst %.6f mm %.3g degree", n, skipped, wm * 1000, wa
          if (bad || off || n < 3800) { printf "; %d malformed, %d off (first line %d)", bad, off, first; exit 1 } }') ||
    bad "bearing --batch against GeodSolve: $report"
  echo "GeodSolve check: $report"
else
  echo "SKIPPED: the GeodSolve comparison (apt-get install geographiclib-tools); the in-process test CalcBatch.AgreesWithGeographicLibOnRandomPairs makes the same check" >&2
fi

if [ "$failures" != 0 ]; then
  echo "kestrel-calc end to end: $failures of $checks checks failed" >&2
  exit 1
fi
echo "kestrel-calc end to end: $checks checks passed"
