#!/bin/sh
# Prints the Wine prefix of a display scale, making it first when needed: a copy of the
# project's prefix with LogPixels set (Wine takes its system DPI from there), made once
# and kept beside it, and made again when the project's prefix took newer settings.
# Usage: dpi-prefix.sh DPI
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
base="${WINEPREFIX:-$top/build/wineprefix}"
dpi=$1
[ -f "$base/.ready" ] || { echo "dpi-prefix: no Wine prefix in $base" >&2; exit 1; }
prefix="$base-$dpi"
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
echo "$prefix"
