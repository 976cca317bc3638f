#!/bin/sh
# Runs a Windows test program at other display scales under Wine, one process per DPI,
# each in a prefix of its own (dpi-prefix.sh).
# Usage: scale-tests.sh TEST_EXE GTEST_FILTER DPI...
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$1
filter=$2
shift 2
status=0
for dpi in "$@"; do
  prefix=$("$top/tools/dpi-prefix.sh" "$dpi") || exit 1
  # A screen large enough for the main window at 200 %.
  WINEPREFIX="$prefix" KIT_TEST_DPI="$dpi" "$top/tools/with-xvfb" 2560x1600x24 \
    "$top/tools/wine-exec" "$exe" --gtest_filter="$filter" || status=1
done
exit $status
