#!/usr/bin/env bash
# Sets everything up and runs the program under Wine: on the current display when there is one,
# otherwise on a virtual display, saving a screenshot to out/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh"

. "$root/tools/wine-session.sh"
if [ -n "${DISPLAY:-}" ]; then
  wine_session_start yes
  wine "$root/build/mingw-x64/QUORM.exe"
  wineserver -w
else
  wine_session_start
  wine "$root/build/mingw-x64/QUORM.exe" >"$QUORM_SESSION_DIR/program.log" 2>&1 &
  program=$!
  # Wait for the first screen to show, then photograph the display.
  for i in $(seq 1 300); do
    xdotool search --onlyvisible --class quorm.exe >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
  mkdir -p "$root/out"
  import -window root "$root/out/screenshot.png"
  echo "run: screenshot saved to $root/out/screenshot.png; the program ends by itself in a minute"
  wait "$program" || true
fi
