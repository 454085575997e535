#!/usr/bin/env bash
# Every caption of every dialog fits its control, in both looks, at 96, 120, 144 and 192 dpi, and
# the mark lists' rows grow in proportion to the density. Each density runs in a prefix of its own.
# Usage: layout_check.sh ROOT BUILD_DIR
set -uo pipefail
root=$1
build=$(cd "$2" && pwd)
cd "$build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# The row height of list ID in the dump of a journal.
item_height() { grep -m1 "^# $2 ListBox " "$1" | sed -n 's/.* itemheight=\([0-9]*\) .*/\1/p'; }

declare -A base
for dpi in 96 120 144 192; do
  prefix=$build/wineprefix-$dpi
  run() { KIV_DPI=$dpi "$root/tools/wine-run.sh" "$prefix" "$@"; }
  dialogs=$(run ./kivhost.exe --list | tr -d '\r')
  for look in 1 0; do
    run reg add 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /t REG_DWORD /d $look /f >/dev/null
    for dialog in $dialogs; do
      journal=$work/$dialog-$look-$dpi.txt
      run ./kivhost.exe --open "$dialog" --do fit --do dump --do cancel --journal "$journal" >/dev/null
      if ! grep -q '^# fit ok' "$journal"; then
        fail "$dialog at $dpi dpi (look $look): $(grep '^# fit ' "$journal" | cut -c3- | tr '\n' ';')"
      fi
    done
    # The mark lists: 1508 of the meteor dialog, 1537 of the spacecraft dialog.
    for pair in CDlgMeteor:1508 CDlgSpacecraft:1537; do
      dialog=${pair%%:*}
      height=$(item_height "$work/$dialog-$look-$dpi.txt" "${pair##*:}")
      [ -n "$height" ] || { fail "$dialog at $dpi dpi: no itemheight in the dump"; continue; }
      [ "$dpi" = 96 ] && base[$dialog-$look]=$height
      expected=$(( (${base[$dialog-$look]} * dpi + 48) / 96 ))
      [ "$height" -ge $((expected - 1)) ] && [ "$height" -le $((expected + 1)) ] ||
        fail "$dialog at $dpi dpi (look $look): rows of $height pixels, $expected in proportion to 96 dpi"
    done
  done
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  echo "checked $(wc -w <<<"$dialogs") dialogs in both looks at $dpi dpi"
done
exit $((failures > 0))
