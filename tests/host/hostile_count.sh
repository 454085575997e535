#!/usr/bin/env bash
# A hostile host whose count answer has 400 digits: kivhost.exe opens the spacecraft dialog with
# seed 10, which answers "? Solar.Spacecraft.Count" so, lists up to the ceiling of 100,000 craft and
# presses OK. The run must end with OK within the time limit, and the process must stay under
# a bound of memory; it prints its time and peak resident memory.
# Usage: hostile_count.sh ROOT BUILD_DIR
set -uo pipefail
root=$1
bin=$(cd "$2" && pwd)/bin
limit_kb=$((1024 * 1024))

cd "$bin" || exit 1
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
/usr/bin/time -o "$figures" -f '%e %M' timeout 300 \
  "$root/tools/wine-run.sh" "$bin/../wineprefix" ./kivhost.exe --hostile 10 --open CDlgSpacecraft --do ok
rc=$?
read -r seconds peak_kb <"$figures"
echo "hostile count: seed 10, CDlgSpacecraft, exit $rc, ${seconds} s, peak ${peak_kb} KB"
if [ "$rc" != 0 ]; then
  echo "FAIL the dialog did not end with OK (exit $rc)"
  exit 1
fi
if [ "$peak_kb" -gt "$limit_kb" ]; then
  echo "FAIL peak memory ${peak_kb} KB is above ${limit_kb} KB"
  exit 1
fi
echo "PASS"
