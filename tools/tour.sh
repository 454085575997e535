#!/usr/bin/env bash
# Opens every dialog of the sample host headless, in the system look and in the dark look, and
# writes a picture and the journal of each into a folder.
# Usage: tour.sh BUILD_DIR OUT_DIR [--pictures-only]
# KIV_PREFIX names another prefix (one made for KIV_DPI, say), KIV_SHOT_SUFFIX is appended to each
# picture's name, and KIV_FIT=1 runs the driver's fit check in every dialog and fails on clipping.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$2
pictures_only=${3:-}
prefix=${KIV_PREFIX:-$build/wineprefix}
suffix=${KIV_SHOT_SUFFIX:-}
fit=()
[ "${KIV_FIT:-0}" = 1 ] && fit=(--do fit)
run() { "$root/tools/wine-run.sh" "$prefix" "$@"; }

mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$build/bin"
dialogs=$(run ./kivhost.exe --list | tr -d '\r')
count=0
clipped=0
for dialog in $dialogs; do
  for look in system dark; do
    value=0
    [ "$look" = system ] && value=1
    run reg add 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /t REG_DWORD /d $value /f >/dev/null
    journal=$out/$dialog-$look$suffix.journal.txt
    picture=$out/$dialog-$look$suffix.png
    run ./kivhost.exe --open "$dialog" --shot "$picture" --journal "$journal" "${fit[@]}" >/dev/null || true
    [ -f "$picture" ] || { echo "tour: no picture of $dialog ($look)" >&2; exit 1; }
    if [ ${#fit[@]} -gt 0 ] && grep -q '^# fit .* clipped' "$journal"; then
      echo "tour: clipped captions in $dialog ($look$suffix):" $(grep '^# fit .* clipped' "$journal" | cut -d' ' -f3) >&2
      clipped=1
    fi
    [ -z "$pictures_only" ] || rm -f "$journal"
  done
  count=$((count + 1))
done
run reg delete 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /f >/dev/null 2>&1 || true
echo "$count"
[ "$clipped" = 0 ]
