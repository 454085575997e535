#!/usr/bin/env bash
# Refreshes the gallery under docs/screenshots from the current build: every dialog in both looks
# at 96 and at 144 dpi, each density in a prefix of its own, with the fit check of every caption.
# It reports clipped captions but still writes every picture.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
shots=$root/docs/screenshots
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win" --target kivhost || exit 1
status=0
for dpi in 96 144; do
  prefix=$build/win/wineprefix
  [ "$dpi" = 96 ] || prefix=$build/win/wineprefix-$dpi
  KIV_DPI=$dpi KIV_PREFIX=$prefix KIV_SHOT_SUFFIX=-$dpi KIV_FIT=1 \
    bash "$root/tools/tour.sh" "$build/win" "$shots" --pictures-only >/dev/null || status=1
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
done
ls "$shots"
exit $status
