#!/usr/bin/env bash
# Every dialog's 96-dpi pictures, in both looks, against the gallery's committed pictures: a change
# of a single pixel fails, naming the dialog and the number of pixels that differ, and leaves the
# new picture and a picture of the differences in BUILD_DIR/pictures. A deliberate change is
# accepted by refreshing the gallery: bash tools/make-docs-shots.sh
# Usage: picture_check.sh ROOT BUILD_DIR
set -uo pipefail
root=$1
build=$(cd "$2" && pwd)
out=$build/pictures
rm -rf "$out"
mkdir -p "$out"

# The prefix and the tour are those that make the gallery's 96-dpi pictures (tools/make-docs-shots.sh).
KIV_DPI=96 KIV_PREFIX=$build/wineprefix-shots KIV_SHOT_SUFFIX=-96 \
  bash "$root/tools/tour.sh" "$build" "$out" --pictures-only >/dev/null || {
  echo "FAIL the tour of the dialogs did not finish"
  exit 1
}
WINEPREFIX=$build/wineprefix-shots /usr/lib/wine/wineserver -k 2>/dev/null

failures=0
compared=0
for picture in "$out"/*-96.png; do
  name=$(basename "$picture" .png)
  reference=$root/docs/screenshots/$name.png
  if [ ! -f "$reference" ]; then
    echo "FAIL $name: no committed picture docs/screenshots/$name.png"
    failures=$((failures + 1))
    continue
  fi
  # compare prints the number of differing pixels on standard error; it fails outright on a size change.
  differing=$(compare -metric AE "$picture" "$reference" "$out/$name.diff.png" 2>&1 >/dev/null)
  compared=$((compared + 1))
  if [ "$differing" != 0 ]; then
    size=$(identify -format '%wx%h' "$picture")/$(identify -format '%wx%h' "$reference")
    echo "FAIL $name: $differing pixels differ (new/committed size $size); new: $picture, differences: $out/$name.diff.png"
    failures=$((failures + 1))
  else
    rm -f "$out/$name.diff.png"
  fi
done
echo "compared $compared pictures, $failures differ"
[ "$compared" -gt 0 ] && [ "$failures" = 0 ]
