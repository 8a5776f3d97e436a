#!/bin/sh
# Runs every libFuzzer target of a fuzz build for a set time each, one after
# the other, from its seed corpus (fuzz/corpus/<name>/) plus what earlier runs
# found (<build>/corpus/<name>/). Logs go to <build>/logs/<name>.log, a
# failing input to <build>/artifacts/<name>/. Exits non-zero on the first
# target that fails.
#   usage: scripts/run-fuzzers.sh <fuzz build dir> <seconds per target> [target names]
set -eu

build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
names=${*:-$(ls "$here/fuzz/corpus")}

found=0
for name in $names; do
  corpus="$here/fuzz/corpus/$name/"
  [ -d "$corpus" ] || { echo "no seed corpus $corpus" >&2; exit 1; }
  target="$build/fuzz_$name"
  [ -x "$target" ] || { echo "fuzz_$name: not built in $build" >&2; exit 1; }
  found=1
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name" "$build/logs"
  log="$build/logs/$name.log"
  dict=""
  [ -f "$here/fuzz/$name.dict" ] && dict="-dict=$here/fuzz/$name.dict"
  # shellcheck disable=SC2086
  if ! timeout $((seconds + 120)) "$target" -max_total_time="$seconds" -timeout=10 \
       -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/" $dict \
       "$build/corpus/$name" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz_$name: FAILED after at most $seconds s, see $log and $build/artifacts/$name/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "fuzz_$name: ${seconds} s, ${runs:-?} inputs, ${cov:-cov: ?}, no failure"
done
[ "$found" -eq 1 ] || { echo "no fuzz corpora under $here/fuzz/corpus" >&2; exit 1; }
