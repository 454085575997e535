#!/usr/bin/env bash
# Dialogs driven by real key presses through an X server (Xvfb, xdotool) against the same keys
# sent by the host's driver ("press KEY"): both journals must be identical, commands, answers and
# messages alike. Each row names a dialog and its keys in xdotool's names; the last key closes it.
# Usage: keyboard_check.sh ROOT BUILD_DIR   (it starts its own virtual screen)
set -uo pipefail
root=$1
build=$(cd "$2" && pwd)
if [ -z "${KIV_KEYS_ON_DISPLAY:-}" ]; then
  KIV_KEYS_ON_DISPLAY=1 exec "$root/tools/with-xvfb.sh" bash "$0" "$@"
fi
cd "$build/bin"
prefix=$build/wineprefix-keys
export KIV_WINE_DRIVER=x11
host() { "$root/tools/wine-run.sh" "$prefix" ./kivhost.exe "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rows=(
  "CDlgTwilight|alt+t alt+m alt+p Return"
)

failures=0
host --list >/dev/null
for row in "${rows[@]}"; do
  dialog=${row%%|*}
  read -ra keys <<<"${row#*|}"
  "$root/tools/wine-run.sh" "$prefix" reg delete 'HKCU\Software\Calvane' /f >/dev/null 2>&1
  host --open "$dialog" --journal "$work/real.txt" >/dev/null &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --classname kivhost.exe 2>/dev/null | head -n1)
  if [ -z "$window" ]; then
    echo "FAIL $dialog: its window did not appear"
    kill "$pid" 2>/dev/null
    failures=$((failures + 1))
    continue
  fi
  xdotool windowfocus --sync "$window"
  xdotool key --delay 150 "${keys[@]}"
  timeout 60 tail --pid="$pid" -f /dev/null
  wait "$pid"

  "$root/tools/wine-run.sh" "$prefix" reg delete 'HKCU\Software\Calvane' /f >/dev/null 2>&1
  actions=()
  for key in "${keys[@]}"; do actions+=(--do "press ${key^^}"); done
  host --open "$dialog" "${actions[@]}" --journal "$work/driver.txt" >/dev/null

  if ! diff -u "$work/driver.txt" "$work/real.txt" >"$work/diff.txt"; then
    echo "FAIL $dialog: real keys (+) and the driver's (-) differ:"
    head -n 40 "$work/diff.txt"
    failures=$((failures + 1))
  elif ! grep -q '^> [^?]' "$work/real.txt"; then
    echo "FAIL $dialog: the keys sent nothing to the host (the dialog was not closed with OK)"
    failures=$((failures + 1))
  else
    echo "ok   $dialog: ${#keys[@]} keys, $(grep -c '^>' "$work/real.txt") commands alike"
  fi
done
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
exit $((failures > 0))
