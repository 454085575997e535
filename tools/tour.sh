#!/usr/bin/env bash
# Opens every dialog of the sample host headless, in the system look and in the dark look, and
# writes a picture and the journal of each into a folder.
# Usage: tour.sh BUILD_DIR OUT_DIR [--pictures-only]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$2
pictures_only=${3:-}
prefix="$build/wineprefix"
run() { "$root/tools/wine-run.sh" "$prefix" "$@"; }

mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$build/bin"
dialogs=$(run ./kivhost.exe --list | tr -d '\r')
count=0
for dialog in $dialogs; do
  for look in system dark; do
    value=0
    [ "$look" = system ] && value=1
    run reg add 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /t REG_DWORD /d $value /f >/dev/null
    journal=()
    [ -z "$pictures_only" ] && journal=(--journal "$out/$dialog-$look.journal.txt")
    run ./kivhost.exe --open "$dialog" --shot "$out/$dialog-$look.png" "${journal[@]}" >/dev/null || true
    [ -f "$out/$dialog-$look.png" ] || { echo "tour: no picture of $dialog ($look)" >&2; exit 1; }
  done
  count=$((count + 1))
done
run reg delete 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /f >/dev/null 2>&1 || true
echo "$count"
