#!/bin/sh
# Runs a Windows test program at other display scales under Wine, one process per DPI,
# each in a prefix of its own: a copy of the project's prefix with LogPixels set (Wine
# takes its system DPI from there), made once and kept beside it.  The DPIs run side by
# side, each on a display of its own; their outputs follow one another.  A GoogleTest
# report folder (GTEST_OUTPUT=xml:<folder>/) gets a report per DPI.
# Usage: scale-tests.sh TEST_EXE GTEST_FILTER DPI...
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
base="${WINEPREFIX:-$top/build/wineprefix}"
exe=$1
filter=$2
shift 2
[ -f "$base/.ready" ] || { echo "scale-tests: no Wine prefix in $base" >&2; exit 1; }
status=0
for dpi in "$@"; do
  prefix="$base-$dpi"
  # Made again when the project's prefix took newer settings.
  if [ "$(cat "$prefix/.dpi" 2>/dev/null)" != "$dpi $(cat "$base/.settings" 2>/dev/null)" ]; then
    WINEPREFIX="$base" wineserver -w
    rm -rf "$prefix"
    mkdir -p "$prefix"
    # The registry is copied; drive C is linked file by file (Wine replaces the files it
    # writes, so the prefixes stay apart) to keep the copy small and quick.
    cp -a "$base"/*.reg "$base"/.ready "$base"/.settings "$prefix"/
    cp -a "$base/dosdevices" "$prefix"/
    cp -al "$base/drive_c" "$prefix"/
    for key in 'HKCU\Control Panel\Desktop' 'HKCU\Software\Wine\Fonts'; do
      WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    done
    WINEPREFIX="$prefix" wineserver -w
    echo "$dpi $(cat "$base/.settings")" >"$prefix/.dpi"
  fi
done
logs=$(mktemp -d)
stem=$(basename "$exe" .exe)
for dpi in "$@"; do
  report=${GTEST_OUTPUT:-}
  case "$report" in */ | *\\) report="$report$stem-$dpi.xml" ;; esac
  # A screen large enough for the main window at 200 %.
  ( if [ -n "$report" ]; then export GTEST_OUTPUT="$report"; fi
    WINEPREFIX="$base-$dpi" KIT_TEST_DPI="$dpi" "$top/tools/with-xvfb" 2560x1600x24 \
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
