#!/usr/bin/env bash
# Refreshes the screenshots under docs/screenshots from the current build (both looks).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win" --target kivhost
bash "$root/tools/tour.sh" "$build/win" "$root/docs/screenshots" --pictures-only >/dev/null
ls "$root/docs/screenshots"
