#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a short, fixed number of runs over its
# seed corpus: enough to catch a regression in any parser, about a minute in all.
# usage: smoke.sh <source folder> <build folder>
set -euo pipefail
src=$1
out=$2
CC=clang CXX=clang++ cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTREL_FUZZ=ON -DKESTREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$out" >/dev/null
status=0
for corpus in "$src"/tests/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  work=$(mktemp -d)
  if ! "$out/tests/fuzz/fuzz_$name" -runs=30000 -seed=1 "$work" "$corpus" >"$work.log" 2>&1; then
    echo "fuzz_$name FAILED:"
    tail -n 30 "$work.log"
    status=1
  else
    echo "fuzz_$name: $(grep -o 'Done [0-9]* runs' "$work.log")"
  fi
  rm -rf "$work" "$work.log"
done
exit $status
