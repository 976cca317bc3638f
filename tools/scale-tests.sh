#!/bin/sh
# Runs a Windows test program at other display scales under Wine, one process per DPI,
# each in a prefix of its own (dpi-prefix.sh).  The DPIs run side by side, each on a
# display of its own; their outputs follow one another.  A GoogleTest report folder
# (GTEST_OUTPUT=xml:<folder>/) gets a report per DPI.
# Usage: scale-tests.sh TEST_EXE GTEST_FILTER DPI...
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$1
filter=$2
shift 2
status=0
logs=$(mktemp -d)
# The prefixes are made one after another: each waits for the project's wineserver.
for dpi in "$@"; do
  "$top/tools/dpi-prefix.sh" "$dpi" >"$logs/$dpi.prefix" || { rm -rf "$logs"; exit 1; }
done
stem=$(basename "$exe" .exe)
for dpi in "$@"; do
  report=${GTEST_OUTPUT:-}
  case "$report" in */ | *\\) report="$report$stem-$dpi.xml" ;; esac
  # A screen large enough for the main window at 200 %.
  ( if [ -n "$report" ]; then export GTEST_OUTPUT="$report"; fi
    WINEPREFIX="$(cat "$logs/$dpi.prefix")" KIT_TEST_DPI="$dpi" "$top/tools/with-xvfb" 2560x1600x24 \
      "$top/tools/wine-exec" "$exe" --gtest_filter="$filter" >"$logs/$dpi" 2>&1
    echo $? >"$logs/$dpi.status" ) &
done
wait
for dpi in "$@"; do
  echo "== $dpi DPI"
  cat "$logs/$dpi"
  [ "$(cat "$logs/$dpi.status")" = 0 ] || status=1
done
rm -rf "$logs"
exit $status
