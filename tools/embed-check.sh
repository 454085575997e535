#!/usr/bin/env bash
# Installs the module from a Windows build tree into a fresh prefix, builds examples/embed against
# that prefix alone, runs it under Wine and compares what it prints with the expected output.
# Usage: embed-check.sh [BUILD_DIR]   (default: build/win)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
work="$build/embed"
prefix="$work/prefix"
example="$work/example"

# A fresh prefix and example tree each time, so that nothing left from an earlier run can stand
# in for a file the install forgot.
rm -rf "$prefix" "$example"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" >/dev/null

# Every installed header must compile with the installed ones alone.
{
  (cd "$prefix/include" && find . -name '*.h' | sort | sed 's|^\./|#include "|; s|$|"|')
} >"$work/all_headers.cpp"
x86_64-w64-mingw32-g++-posix -std=c++20 -DUNICODE -D_UNICODE -fsyntax-only -I"$prefix/include" "$work/all_headers.cpp" || {
  echo "FAIL: an installed header includes one that is not installed (cmake/Install.cmake names the folders)"
  exit 1
}

cmake -S "$root/examples/embed" -B "$example" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$example" -j2 >/dev/null

actual=$("$root/tools/wine-run.sh" "$build/wineprefix" "$example/embed_example.exe" | tr -d '\r') || {
  echo "embed_example.exe failed with exit code $?"
  echo "$actual"
  exit 1
}
if ! diff -u "$root/examples/embed/expected-output.txt" <(printf '%s\n' "$actual"); then
  echo "FAIL: the example's output differs from examples/embed/expected-output.txt"
  exit 1
fi
echo "ok: examples/embed built against $prefix and ran its dialog"
