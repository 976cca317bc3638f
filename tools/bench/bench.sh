#!/usr/bin/env bash
# Times program start-ups under Wine on a virtual display: from the start of the process
# to its visible, fully painted main window, interleaved, against bare_skin.exe.
# Usage: bench.sh windows-build-dir dist-dir [runs]
# The programs (dist/<name>/<name>.exe) must be laid out; a product joins with its name
# and the background picture its main window reads from its folder.
set -euo pipefail
build=$1 dist=$2 runs=${3:-21}
tools=$(cd "$(dirname "$0")/.." && pwd)
products=("facelore gr.bmp")

# Wine reaches host paths through drive Z:.
windows_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

# The yardstick runs in a folder of its own with facelore's background picture.
bare="$build/bench/bare"
mkdir -p "$bare"
cp "$build/tools/bench/bare_skin.exe" "$bare/"
cp "$dist/facelore/gr.bmp" "$bare/"

args=(bare "$(windows_path "$bare/bare_skin.exe")" gr.bmp)
for product in "${products[@]}"; do
  read -r name background <<<"$product"
  args+=("$name" "$(windows_path "$dist/$name/$name.exe")" "$background")
done
# What each settled window showed is saved beside the tests' screenshots.
shots="$(dirname "$build")/screenshots"
mkdir -p "$shots"
SCREENSHOT_DIR=$(windows_path "$shots") xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$tools/wine-exec" "$(windows_path "$build/tools/bench/startup_timer.exe")" "$runs" "${args[@]}"
for bmp in "$shots"/*-settled.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
