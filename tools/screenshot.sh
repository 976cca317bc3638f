#!/usr/bin/env bash
# Runs a program under Wine on the current (virtual) X display, waits, saves a PNG of the
# screen and closes the program.  The program runs inside a Wine desktop window, so its
# own title bar is drawn (a bare X display has no window manager to draw one).
# Usage: screenshot.sh folder program.exe out.png seconds
set -u
dir=$1 exe=$2 out=$3 wait=${4:-5}
tools=$(cd "$(dirname "$0")" && pwd)
cd "$dir"
"$tools/wine-exec" explorer /desktop=shot,1024x768 "$exe" >/dev/null 2>&1 &
pid=$!
sleep "$wait"
import -window root "$out"
rc=$?
# Close only this program; its desktop goes with it.  Other Wine programs of the same
# prefix (a test run, say) are left alone.
"$tools/wine-exec" taskkill /F /IM "$exe" >/dev/null 2>&1
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $rc
