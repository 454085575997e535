#!/usr/bin/env bash
# Refreshes the gallery under docs/screenshots from the current build: every dialog in both looks at
# 96, 120, 144 and 192 dpi (<Class>-<look>-<dpi>.png), each density in a prefix of its own, then a
# few states that matter at 96 dpi (state-<name>.png). The 96-dpi pictures are the references of the
# test command's picture check and are made exactly as it makes them (the null driver, whose pixels
# are the X11 driver's); the larger densities need a screen larger than the null driver's 1024 x 768,
# so they are taken on a virtual X screen. Running this is how a deliberate change of a dialog's
# look is accepted; with densities as arguments (bash tools/make-docs-shots.sh 96) it refreshes
# only those.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
shots=$root/docs/screenshots
densities=("$@")
[ ${#densities[@]} -gt 0 ] || densities=(96 120 144 192)
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win" --target kivhost || exit 1
status=0
for dpi in "${densities[@]}"; do
  if [ "$dpi" = 96 ]; then
    prefix=$build/win/wineprefix-shots
    KIV_DPI=96 KIV_PREFIX=$prefix KIV_SHOT_SUFFIX=-96 \
      bash "$root/tools/tour.sh" "$build/win" "$shots" --pictures-only >/dev/null || status=1
  else
    prefix=$build/win/wineprefix-x11-$dpi
    KIV_WINE_DRIVER=x11 KIV_DPI=$dpi KIV_PREFIX=$prefix KIV_SHOT_SUFFIX=-$dpi \
      "$root/tools/with-xvfb.sh" bash "$root/tools/tour.sh" "$build/win" "$shots" --pictures-only >/dev/null || status=1
  fi
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
done
[[ " ${densities[*]} " == *" 96 "* ]] || exit $status

# name|dialog|look|actions separated by ";" (a "shot" among them takes the picture at that point,
# otherwise the picture is taken after the actions).
states=(
  "validation-message|CDlgVcircle|system|click 1120;type 1121 abc;ok;shot SHOT;cancel"
  "satellites-major-limit-toggled|CDlgASat|system|click 1508"
  "panorama-previews|CDlgPanorama|system|"
  "dark-disabled-marks|CDlgGrid|dark|click 1183;click 1524"
)
prefix=$build/win/wineprefix-shots
appdata='C:\users\Public\Documents\Kivenar'
for state in "${states[@]}"; do
  IFS='|' read -r name dialog look actions <<<"$state"
  "$root/tools/wine-run.sh" "$prefix" regedit /S "C:\\users\\Public\\kiv-look-$look.reg" >/dev/null
  picture=$(WINEPREFIX=$prefix /usr/lib/wine/wine64 winepath -w "$shots/state-$name.png" 2>/dev/null)
  args=(--open "$dialog" --arg "appdata=$appdata")
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
