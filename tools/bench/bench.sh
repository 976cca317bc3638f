#!/usr/bin/env bash
# The benchmark's rows, each printed as a table:
# - program start-ups under Wine on a virtual display: from the start of the process to
#   its visible, fully painted main window, interleaved, each product against a bare
#   skinned dialog of its own background picture and size;
# - full repaints of decision's main window (nine alternatives of nine results) against
#   one load-and-blit of its background picture, under Wine;
# - opening and saving a nine-by-nine decision file, natively.
# The Wine rows run at each display scale of SCALES (DPIs, "96 192" unless set), each in
# a Wine prefix of its scale (dpi-prefix.sh) on a screen large enough for its windows.
# Usage: bench.sh windows-build-dir native-build-dir dist-dir [runs]
# The programs (dist/<name>/<name>.exe) must be laid out; a product joins with its name,
# the background picture its main window reads from its folder and, where its window
# animates part of itself, the rectangle (x,y,w,h) left out of "fully painted" for every
# program of its group (the template alone shows an empty picture control there).
set -euo pipefail
build=$1 native=$2 dist=$3 runs=${4:-21}
tools=$(cd "$(dirname "$0")/.." && pwd)
# decision's logo (decision_dialog_layout.h, kLogo) shows a new frame every few steps.
products=("facelore gr.bmp" "decision gr.gr 0,0,196,89")
# Built here, per product: the yardstick first (the product's ratio is to it), then the
# product's main window template with its controls and none of its code.
# The template alone is the product's floor (--floor).
references=("facelore bare_skin bare" "facelore facelore_controls facelore_controls --floor"
            "decision bare_skin_decision bare_decision" "decision decision_controls decision_controls --floor")
scales=${SCALES:-96 192}

# Wine reaches host paths through drive Z:.
windows_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

# Each product's group of programs: its references (each in a folder of its own with
# the product's background picture), then the product itself.
args=()
for product in "${products[@]}"; do
  read -r name background ignored <<<"$product"
  [ ${#args[@]} -eq 0 ] || args+=(--yardstick)
  for reference in "${references[@]}"; do
    read -r of program label floor <<<"$reference"
    [ "$of" = "$name" ] || continue
    folder="$build/bench/$program"
    mkdir -p "$folder"
    cp "$build/tools/bench/$program.exe" "$folder/"
    cp "$dist/$name/$background" "$folder/"
    [ -z "$floor" ] || args+=("$floor")
    args+=("$label" "$(windows_path "$folder/$program.exe")" "$background")
    [ -z "$ignored" ] || args+=("--ignore=$ignored")
  done
  args+=("$name" "$(windows_path "$dist/$name/$name.exe")" "$background")
  [ -z "$ignored" ] || args+=("--ignore=$ignored")
done

# What each settled window showed, and decision's window with nine alternatives, are
# saved beside the tests' screenshots.
# Each scale's in a folder of its own.
base_prefix=$WINEPREFIX
for dpi in $scales; do
  WINEPREFIX=$base_prefix
  [ "$dpi" = 96 ] || WINEPREFIX=$("$tools/dpi-prefix.sh" "$dpi")
  shots="$(dirname "$build")/screenshots"
  [ "$dpi" = 96 ] || shots="$shots/$dpi"
  mkdir -p "$shots"
  export SCREENSHOT_DIR
  SCREENSHOT_DIR=$(windows_path "$shots")
  # The main windows at the scale, and the repaint timer's three side by side.
  screen="$((1280 * dpi / 96))x$((1024 * dpi / 96))x24"
  repaint_screen="$((2800 * dpi / 96))x$((1024 * dpi / 96))x24"
  "$tools/with-xvfb" "$screen" \
    "$tools/wine-exec" "$(windows_path "$build/tools/bench/startup_timer.exe")" "$runs" "${args[@]}"
  # The repaint timer runs where decision's pictures are painted: its working folder.
  (cd "$build/decision/pictures" &&
    "$tools/with-xvfb" "$repaint_screen" "$tools/wine-exec" "$(windows_path "$build/tools/bench/decision_repaint.exe")")
  WINEPREFIX=$base_prefix wineserver -w || true
done
WINEPREFIX=$base_prefix

work=$(mktemp -d)
"$native/tools/bench/dec_file_bench" "$work"
rmdir "$work"

shots="$(dirname "$build")/screenshots"
for bmp in "$shots"/*-settled.bmp "$shots"/decision-repaint-*.bmp "$shots"/*/*-settled.bmp "$shots"/*/decision-repaint-*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
