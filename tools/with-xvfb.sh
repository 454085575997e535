#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X screen of its own, large enough for the largest
# dialog at 192 dpi, and closes the screen afterwards.
# Usage: with-xvfb.sh COMMAND [ARGS...]; KIV_XVFB_SCREEN overrides the screen (WIDTHxHEIGHTxDEPTH).
set -uo pipefail
screen=${KIV_XVFB_SCREEN:-2400x1800x24}
fd_file=$(mktemp)
# -displayfd picks a free display number and writes it once the server accepts connections.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$fd_file"' EXIT
for _ in $(seq 100); do
  [ -s "$fd_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "with-xvfb: Xvfb did not start" >&2; exit 2; }
  sleep 0.1
done
[ -s "$fd_file" ] || { echo "with-xvfb: Xvfb gave no display" >&2; exit 2; }
export DISPLAY=":$(head -n1 "$fd_file")"
"$@"
