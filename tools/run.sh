#!/usr/bin/env bash
# Sets everything up and runs the program under Wine: on the current display when there is one;
# otherwise on a virtual display dressed as the classic desktop (Wine's own desktop window, the
# size of the display, in the teal of the "Windows Standard" scheme), saving a screenshot to
# out/screenshot.png once the first screen is drawn.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh"

. "$root/tools/wine-session.sh"
if [ -n "${DISPLAY:-}" ]; then
  wine_session_start yes
  # Returns when the program ends; the session's own helpers go with the session.
  wine "$root/build/mingw-x64/QUORM.exe"
  exit 0
fi

wine_session_start
desktop="/desktop=Quorm3,$(xdotool getdisplaygeometry | tr ' ' x)"
wine explorer "$desktop" "$root/build/mingw-x64/QUORM.exe" >"$QUORM_SESSION_DIR/program.log" 2>&1 &
program=$!

# Where the first screen's painted title bar is, as the probe sees it on that desktop (a program
# started there runs on, and the probe answers in a file of its own once it has looked).
title_bar_mark() {
  local listing="$QUORM_SESSION_DIR/probe-$1.json" i
  wine explorer "$desktop" "$root/build/mingw-x64/tests/win/probe.exe" --exe QUORM.exe \
    --out "$(winepath -w "$listing" 2>/dev/null)" >>"$QUORM_SESSION_DIR/probe.log" 2>&1 || true
  for i in $(seq 1 50); do
    [ -s "$listing" ] && break
    sleep 0.1
  done
  [ -s "$listing" ] || return 0
  python3 -c '
import json, sys
for window in json.load(open(sys.argv[1]))["windows"]:
    if window["visible"] and window["class"] == "Quorm3Screen":
        left, top = window["client"][:2]
        print(f"1x1+{left + 160}+{top + 3}")
        break' "$listing"
}

# The first screen is drawn once its painted title bar shows.
for attempt in $(seq 1 100); do
  mark=$(title_bar_mark "$attempt")
  if [ -n "$mark" ] &&
    import -window root -crop "$mark" -depth 8 txt:- 2>/dev/null | grep -qi '#000080'; then
    break
  fi
  sleep 0.1
done
mkdir -p "$root/out"
import -window root "$root/out/screenshot.png"
echo "run: screenshot saved to $root/out/screenshot.png; the program ends by itself in a minute"
wait "$program" || true
