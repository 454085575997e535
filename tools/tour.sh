#!/usr/bin/env bash
# Opens every dialog of the sample host, in the system look and in the dark look, and writes a
# picture and the journal of each into a folder.
# Usage: tour.sh BUILD_DIR OUT_DIR [--pictures-only]
# KIV_PREFIX names another prefix (one made for KIV_DPI, or for KIV_WINE_DRIVER=x11), KIV_SHOT_SUFFIX
# is appended to each picture's name, and KIV_FIT=1 runs the driver's fit check in every dialog and
# fails on clipping.
#
# Every dialog starts from the same state, so that its picture depends on the code alone: the
# application's settings are emptied before each one (the look is all they hold), and the
# application data (camera catalogue, landscape pictures) is read from a neutral folder inside the
# prefix, C:\users\Public\Documents\Kivenar, so that no path of the machine shows.
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

appdata='C:\users\Public\Documents\Kivenar'
public="$prefix/drive_c/users/Public/Documents/Kivenar"
rm -rf "$public"
mkdir -p "$public"
cp -r "$build/bin/appdata/." "$public/"
# One settings file per look: the application's key emptied, then the look.
for look in system dark; do
  value=0
  [ "$look" = system ] && value=1
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[-HKEY_CURRENT_USER\\Software\\Calvane]\r\n\r\n[HKEY_CURRENT_USER\\Software\\Calvane\\KivenarLite\\1.0\\General]\r\n"ColorScheme"=dword:%08x\r\n' "$value" \
    > "$prefix/drive_c/users/Public/kiv-look-$look.reg"
done

count=0
clipped=0
for dialog in $dialogs; do
  for look in system dark; do
    run regedit /S "C:\\users\\Public\\kiv-look-$look.reg" >/dev/null
    journal=$out/$dialog-$look$suffix.journal.txt
    picture=$out/$dialog-$look$suffix.png
    run ./kivhost.exe --open "$dialog" --arg "appdata=$appdata" --shot "$picture" --journal "$journal" "${fit[@]}" >/dev/null || true
    [ -f "$picture" ] || { echo "tour: no picture of $dialog ($look)" >&2; exit 1; }
    if [ ${#fit[@]} -gt 0 ] && grep -q '^# fit .* clipped' "$journal"; then
      echo "tour: clipped captions in $dialog ($look$suffix):" $(grep '^# fit .* clipped' "$journal" | cut -d' ' -f3-) >&2
      clipped=1
    fi
    [ -z "$pictures_only" ] || rm -f "$journal"
  done
  count=$((count + 1))
done
run regedit /S "C:\\users\\Public\\kiv-look-system.reg" >/dev/null
run reg delete 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /f >/dev/null 2>&1 || true
echo "$count"
[ "$clipped" = 0 ]
