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
# Built here: the yardstick first (every ratio is to it), then a product's main window
# template with its controls and none of its code (program, product it stands beside).
references=("bare_skin facelore" "facelore_controls facelore")

# Wine reaches host paths through drive Z:.
windows_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

background_of() { # product
  local product name background
  for product in "${products[@]}"; do
    read -r name background <<<"$product"
    [ "$name" = "$1" ] && echo "$background"
  done
}

# A reference program runs in a folder of its own with the product's background picture.
args=()
for reference in "${references[@]}"; do
  read -r program product <<<"$reference"
  background=$(background_of "$product")
  folder="$build/bench/$program"
  mkdir -p "$folder"
  cp "$build/tools/bench/$program.exe" "$folder/"
  cp "$dist/$product/$background" "$folder/"
  args+=("${program%_skin}" "$(windows_path "$folder/$program.exe")" "$background")
done
for product in "${products[@]}"; do
  read -r name background <<<"$product"
  args+=("$name" "$(windows_path "$dist/$name/$name.exe")" "$background")
done

# What each settled window showed is saved beside the tests' screenshots.
shots="$(dirname "$build")/screenshots"
mkdir -p "$shots"
SCREENSHOT_DIR=$(windows_path "$shots") "$tools/with-xvfb" 1280x1024x24 \
  "$tools/wine-exec" "$(windows_path "$build/tools/bench/startup_timer.exe")" "$runs" "${args[@]}"
for bmp in "$shots"/*-settled.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
