#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix; CTest's cross-compiling emulator.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
# Keeps one wine server alive across test processes (a cold start costs over a second), and
# hands the program's output over through files: Wine's helper processes inherit pipes and would
# keep CTest waiting.
set -uo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=$prefix WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all,err+module}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
# Without a display the host runs its dialogs scripted: nobody could answer them.
[ "${KIV_WINE_DRIVER:-null}" = null ] && export KIV_HEADLESS=1
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  "$here/make-prefix.sh" "$prefix" "${KIV_WINE_DRIVER:-null}" 9>&-
  if ! "$server" -k0 2>/dev/null; then
    "$server" -p60 </dev/null >/dev/null 2>&1 9>&-
    "$wine" wineboot </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$prefix.lock"

out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine" "$@" </dev/null >"$out" 2>"$err"
rc=$?
cat "$out"
cat "$err" >&2
exit $rc
