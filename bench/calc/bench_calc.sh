#!/usr/bin/env bash
# Throughput of `kestrel-calc bearing --batch` against GeographicLib's `GeodSolve -i` on the same
# one million random station pairs (fixed seed, area-uniform over the globe).
#
#   bash bench/calc/bench_calc.sh [path/to/kestrel-calc] [pairs]
#
# Needs GeodSolve (Debian package geographiclib-tools); uses hyperfine (Debian package
# hyperfine) when it is there, bash's own timing otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
KC=${1:-$here/../../build/kestrel-calc}
COUNT=${2:-1000000}
[ -x "$KC" ] || { echo "no kestrel-calc at $KC (build it: ninja -C build kestrel-calc)" >&2; exit 2; }
command -v GeodSolve >/dev/null || { echo "GeodSolve is missing: apt-get install geographiclib-tools" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pairs=$work/pairs.txt

# LAT1 LON1 LAT2 LON2 in decimal degrees, east positive: GeodSolve -i reads the same order.
awk -v n="$COUNT" 'BEGIN { srand(20240621); pi = atan2(0, -1)
  for (i = 0; i < n; i++) {
    u = 2 * rand() - 1; lat1 = atan2(u, sqrt(1 - u * u)) * 180 / pi; lon1 = 360 * rand() - 180
    v = 2 * rand() - 1; lat2 = atan2(v, sqrt(1 - v * v)) * 180 / pi; lon2 = 360 * rand() - 180
    printf "%.9f %.9f %.9f %.9f\n", lat1, lon1, lat2, lon2 } }' >"$pairs"
echo "pairs: $COUNT ($(du -h "$pairs" | cut -f1)), $(nproc) cores"

# Both must answer every line before they are timed.
[ "$("$KC" bearing --batch <"$pairs" | wc -l)" = "$COUNT" ] || { echo "kestrel-calc did not answer every line" >&2; exit 1; }
[ "$(GeodSolve -i -p 9 <"$pairs" | wc -l)" = "$COUNT" ] || { echo "GeodSolve did not answer every line" >&2; exit 1; }

kc_cmd="'$KC' bearing --batch < '$pairs' > /dev/null"
gs_cmd="GeodSolve -i -p 9 < '$pairs' > /dev/null"

if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs "${RUNS:-5}" --export-json "$work/times.json" \
    -n "kestrel-calc bearing --batch" "$kc_cmd" -n "GeodSolve -i -p 9" "$gs_cmd"
  # The mean times of the two commands, in the order given.
  mapfile -t means < <(grep -o '"mean": *[0-9.eE+-]*' "$work/times.json" | sed 's/.*: *//')
  kc=${means[0]}
  gs=${means[1]}
else
  seconds() {  # the best of three wall-clock runs
    local best=""
    for _ in 1 2 3; do
      local t0 t1
      t0=$(date +%s.%N); bash -c "$1"; t1=$(date +%s.%N)
      best=$(awk -v a="$t0" -v b="$t1" -v best="$best" 'BEGIN { t = b - a; print (best == "" || t < best) ? t : best }')
    done
    echo "$best"
  }
  kc=$(seconds "$kc_cmd")
  gs=$(seconds "$gs_cmd")
fi

awk -v n="$COUNT" -v kc="$kc" -v gs="$gs" 'BEGIN {
  printf "kestrel-calc bearing --batch: %.3f s, %.0f pairs/s (%.2f us a pair)\n", kc, n / kc, kc / n * 1e6
  printf "GeodSolve -i -p 9:            %.3f s, %.0f pairs/s (%.2f us a pair)\n", gs, n / gs, gs / n * 1e6
  printf "ratio: kestrel-calc is %.2f times as fast as GeodSolve\n", gs / kc }'
