#!/usr/bin/env bash
# Builds everything and runs all tests: the portable script engine natively, its fuzz target
# with clang, and the Windows side (module, platform layer, sample host and their tests) under
# Wine. One CTest run covers all three and ends with its summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}

bash "$root/tools/install-deps.sh"

cmake -S "$root" -B "$build/native" -G Ninja >/dev/null
cmake --build "$build/native"

CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja -DKIV_FUZZ=ON >/dev/null
cmake --build "$build/fuzz"

cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DKIV_NATIVE_DIR="$build/native" -DKIV_FUZZ_DIR="$build/fuzz" >/dev/null
cmake --build "$build/win"

status=0
ctest --test-dir "$build/win" -j2 --output-on-failure || status=$?
WINEPREFIX="$build/win/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status
