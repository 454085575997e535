#!/usr/bin/env bash
# Runs both fuzz targets natively under ASan and UBSan: the script engine (commands and state
# files) and the parsers the dialogs run on host answers, typed text and files.
# Usage: fuzz.sh [SECONDS [TARGET...]]   each target (engine, parsers: both unless named) runs
# SECONDS (600 unless given); KIV_FUZZ_RUNS=N runs N
# inputs instead. The inputs that reach new code are merged into the kept corpus under
# tests/fuzz/corpus/<target>, so that the next run starts where this one stopped. Prints each
# target's executions, seconds and coverage.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}/fuzz
seconds=${1:-600}
shift $(( $# > 0 ? 1 : 0 ))
targets=("${@:-engine parsers}")
runs=${KIV_FUZZ_RUNS:-}

bash "$root/tools/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKIV_FUZZ=ON >/dev/null
cmake --build "$build" >/dev/null

status=0
for target in ${targets[@]}; do
  kept=$root/tests/fuzz/corpus/$target
  work=$(mktemp -d)
  cp "$kept"/* "$work"/
  limit=(-max_total_time="$seconds")
  [ -n "$runs" ] && limit=(-runs="$runs")
  log=$build/$target-fuzz.log
  start=$(date +%s)
  "$build/bin/${target}_fuzz" "${limit[@]}" -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/$target-" -dict="$root/tests/fuzz/$target.dict" "$work" >"$log" 2>&1 || status=1
  elapsed=$(( $(date +%s) - start ))
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  "$build/bin/${target}_fuzz" -merge=1 "$kept" "$work" >/dev/null 2>&1 || true
  rm -rf "$work"
  echo "fuzz $target: executions=$executions seconds=$elapsed coverage=$coverage features=$features corpus=$(ls "$kept" | wc -l)"
  [ $status = 0 ] || { echo "fuzz $target: failed, see $log" >&2; }
done
exit $status
