#!/usr/bin/env bash
# Refreshes the gallery under docs/screenshots from the current build: every dialog in both looks
# at 96 and at 144 dpi, each density in a prefix of its own, with the fit check of every caption.
# It reports clipped captions but still writes every picture. Then a few states that matter, at
# 96 dpi in the system look: state-<name>.png.
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
# name|dialog|actions separated by ";" (a "shot" among them takes the picture at that point,
# otherwise the picture is taken after the actions).
states=(
  "validation-message|CDlgVcircle|click 1120;type 1121 abc;ok;shot SHOT;cancel"
  "satellites-major-limit-toggled|CDlgASat|click 1508"
  "panorama-previews|CDlgPanorama|"
)
prefix=$build/win/wineprefix
"$root/tools/wine-run.sh" "$prefix" reg add 'HKCU\Software\Calvane\KivenarLite\1.0\General' /v ColorScheme /t REG_DWORD /d 1 /f >/dev/null
for state in "${states[@]}"; do
  IFS='|' read -r name dialog actions <<<"$state"
  picture=$(WINEPREFIX=$prefix /usr/lib/wine/wine64 winepath -w "$shots/state-$name.png" 2>/dev/null)
  args=(--open "$dialog")
  IFS=';' read -ra steps <<<"$actions"
  shot=(--shot "$picture")
  for step in "${steps[@]}"; do
    [ "$step" = "shot SHOT" ] && { step="shot $picture"; shot=(); }
    args+=(--do "$step")
  done
  (cd "$build/win/bin" && "$root/tools/wine-run.sh" "$prefix" ./kivhost.exe "${args[@]}" "${shot[@]}" >/dev/null)
  [ -f "$shots/state-$name.png" ] || { echo "make-docs-shots: no picture of the state $name" >&2; status=1; }
done
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
ls "$shots"
exit $status
