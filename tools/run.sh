#!/usr/bin/env bash
# The main job: builds and runs the sample host, kivhost.exe. Where a display exists it opens the
# host's window, whose menu offers every dialog of the module. Otherwise it takes a headless tour
# of every dialog (a picture and the journal of each, in both looks) and says where they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
out=${KIV_OUT_DIR:-$root/out}

bash "$root/tools/install-deps.sh"
cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win" --target kivhost

if [ -n "${DISPLAY:-}" ]; then
  cd "$build/win/bin"
  KIV_WINE_DRIVER=x11 "$root/tools/wine-run.sh" "$build/win/wineprefix-x11" ./kivhost.exe "$@"
else
  count=$(bash "$root/tools/tour.sh" "$build/win" "$out")
  WINEPREFIX="$build/win/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  echo "No display: toured $count dialog(s) headless, in the system look and the dark look."
  echo "Pictures and journals are in $out:"
  ls -1 "$out" | sed 's/^/  /'
fi
