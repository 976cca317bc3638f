# Shared steps of ./run: installing, the Wine prefix, building, laying out and starting.
# Sourced by ./run with $top set to the repository root.

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 fonts-wine xvfb xauth x11-utils locales fonts-wqy-zenhei fonts-wqy-microhei imagemagick
  libcairo2-dev libpango1.0-dev zlib1g-dev clang-14 libclang-rt-14-dev
  nsis fp-utils libchm-bin python3 tidy chromium
)

build_dir="$top/build"
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# Shortcuts the installer under test makes would otherwise become menu entries and icons
# of the host's desktop: winemenubuilder is off.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

say() { printf '== %s\n' "$*"; }

ensure_packages() {
  local missing=()
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" = 0 ] || { echo "missing packages: ${missing[*]} (run as root to install them)" >&2; exit 1; }
    say "installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  local loc
  for loc in zh_CN en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
      say "generating locale $loc.UTF-8"
      localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
    fi
  done
}

# The prefix is made once and reused; the CJK font stands in for the two Chinese system faces.
# Settings added later are applied to an existing prefix too: .settings records which
# revision of them it has.
wine_prefix_settings=4
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    say "creating Wine prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$build_dir"
    LANG=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.ready"
  fi
  [ "$(cat "$WINEPREFIX/.settings" 2>/dev/null)" = "$wine_prefix_settings" ] && return 0
  say "updating Wine prefix settings"
  # The CJK face stands in for the Chinese system faces and the dialog face.  Micro Hei is
  # drawn smoothed at every size; Zen Hei's small sizes are drawn unsmoothed by Wine and
  # lose strokes.
  local face
  for face in 宋体 黑体 新宋体 SimSun SimHei NSimSun "MS Shell Dlg" "MS Shell Dlg 2"; do
    LANG=zh_CN.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
  # Without a window manager (Xvfb) Wine waits about 2 s for one whenever a managed
  # top-level window is hidden or destroyed; unmanaged windows close at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # The help viewer's page control would load mshtml, which looks for Gecko and, where
  # Wine may download it, asks to; disabled in the prefix itself (as WINEDLLOVERRIDES does
  # for the processes started here), the viewer opens without any question.
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v mshtml /t REG_SZ /d '' /f >/dev/null 2>&1
  # The caption buttons draw their symbols from Marlett.  Debian's Wine fonts package
  # installs it where Wine does not look for it; a copy in the prefix's own font folder
  # is found at once (without it the buttons show "0", "1" and "r").
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
  wineserver -w
  echo "$wine_prefix_settings" >"$WINEPREFIX/.settings"
}

configure() { # preset
  local dir="$build_dir/$1"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake --preset "$1" >/dev/null
  fi
}

build_native() {
  say "building native"
  configure native
  cmake --build --preset native
}

build_windows() {
  say "building windows"
  configure windows
  cmake --build --preset windows
}

layout_dist() { # program
  say "laying out dist/$1"
  rm -rf "$top/dist/$1"
  cmake --install "$build_dir/windows" --prefix "$top/dist" --component "$1" >/dev/null
}

# The release: both program folders laid out in <folder>, a zip archive of each beside
# them (checked against its folder), and decision's installer, which facelore's folder
# also holds as deci\decision_setup.exe.
write_release() { # folder
  local out=$1 program
  say "writing the release into $out"
  mkdir -p "$out"
  for program in decision facelore; do
    rm -rf "${out:?}/$program" "$out/$program.zip"
    cmake --install "$build_dir/windows" --prefix "$out" --component "$program" >/dev/null || return 1
    python3 "$top/release/archives.py" write "$out/$program" "$out/$program.zip" || return 1
    python3 "$top/release/archives.py" check "$out/$program" "$out/$program.zip" || return 1
  done
  cp "$build_dir/windows/release/decision_setup.exe" "$out/decision_setup.exe" || return 1
  cmp "$out/decision_setup.exe" "$out/facelore/deci/decision_setup.exe" || return 1
  ls -l "$out"/*.zip "$out/decision_setup.exe"
}

start_program() { # program
  local dist="$top/dist/$1"
  if [ -n "${DISPLAY:-}" ]; then
    say "starting $1 on $DISPLAY"
    (cd "$dist" && LANG=zh_CN.UTF-8 wine "$1.exe")
    return 0
  fi
  mkdir -p "$build_dir/screenshots"
  local shot="$build_dir/screenshots/$1.png"
  say "no display: starting $1 on a virtual display for a screenshot"
  "$top/tools/with-xvfb" 1024x768x24 "$top/tools/screenshot.sh" "$dist" "$1.exe" "$shot" 5
  echo "screenshot: $shot"
}

# One stage of ./run tests: runs the command, notes its time and outcome for the table.
# A failing stage does not stop the later ones; run_all_tests fails at the end.
stage_names=()
stage_seconds=()
stage_results=()
run_stage() { # name command...
  local name=$1
  shift
  local start=$SECONDS result=passed
  "$@" || result=FAILED
  stage_names+=("$name")
  stage_seconds+=($((SECONDS - start)))
  stage_results+=("$result")
}

print_stage_table() {
  local i total=0
  printf '\n%-12s %8s  %s\n' stage seconds result
  for i in "${!stage_names[@]}"; do
    printf '%-12s %8d  %s\n' "${stage_names[$i]}" "${stage_seconds[$i]}" "${stage_results[$i]}"
    total=$((total + stage_seconds[i]))
  done
  printf '%-12s %8d\n' total "$total"
}

# The native and Windows stages write their test times here, for the table of the
# slowest cases (tools/slowest_tests.py): CTest's report of the native cases (each a test
# of its own) and each Windows test program's GoogleTest report.
test_times="$build_dir/test-times"

# The host's tests are independent processes (each case its own), two at a time.
test_native() {
  say "native build and tests"
  configure native
  cmake --build --preset native && ctest --preset native -j2 --output-junit "$test_times/native/ctest.xml"
}

test_sanitizers() {
  say "sanitizer build and tests"
  configure native-sanitize
  cmake --build --preset native-sanitize && ctest --preset native-sanitize -j2
}

test_fuzz() {
  say "fuzzing the decision reader"
  configure fuzz
  cmake --build --preset fuzz && "$top/tools/fuzz.sh" "$build_dir/fuzz" 8
}

test_windows() {
  say "windows build and tests under Wine"
  configure windows
  cmake --build --preset windows || return 1
  # Window tests save captures here (as BMP; Wine sees the folder through drive Z:).
  local shots="$build_dir/screenshots"
  mkdir -p "$shots"
  rm -f "$shots"/*.bmp
  local status=0
  # One program at a time: they share one display.  The long soaks are ./run soak's.
  local times="$test_times/windows/"
  SCREENSHOT_DIR="Z:${shots//\//\\}" GTEST_OUTPUT="xml:Z:${times//\//\\}" \
    "$top/tools/with-xvfb" 1280x1024x24 ctest --preset windows -LE soak || status=1
  local bmp
  for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  return $status
}

# A sample report page (a worked case, written by the native tests' fixture) as a
# headless browser prints it: build/screenshots/report.png.  The flags keep the browser
# off the network (this machine has none) and out of any profile but a fresh one.
test_report_picture() {
  say "rendering the sample report"
  local page="$build_dir/native/decision/document/report_samples/case.htm"
  local shot="$build_dir/screenshots/report.png"
  [ -f "$page" ] || { echo "no sample report: $page" >&2; return 1; }
  mkdir -p "$build_dir/screenshots"
  rm -f "$shot"
  local profile status=0
  profile=$(mktemp -d)
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --screenshot="$shot" --window-size=1000,2800 \
    "file://$page" >/dev/null 2>&1 || status=1
  rm -rf "$profile"
  [ "$status" = 0 ] && [ -s "$shot" ] || return 1
  # The window is taller than the page: the white below the page is cut away.
  convert "$shot" -trim -bordercolor white -border 24 +repage "$shot" || return 1
  echo "report picture: $shot"
}

# The release written into the build tree and its archives checked (after the Windows
# stage, which builds what it lays out).
test_release() {
  write_release "$build_dir/release"
}

run_all_tests() {
  rm -rf "$test_times"
  mkdir -p "$test_times/native" "$test_times/windows"
  run_stage native test_native
  run_stage report test_report_picture
  run_stage sanitizers test_sanitizers
  run_stage fuzz test_fuzz
  run_stage windows test_windows
  run_stage release test_release
  print_stage_table
  python3 "$top/tools/slowest_tests.py" "$test_times/native" "$test_times/windows" || true
  local result
  for result in "${stage_results[@]}"; do
    [ "$result" = passed ] || return 1
  done
}

# The long soaks (CTest label soak): every soak case of the Windows test programs, with
# the rounds the build sets (SOAK_ROUNDS).
run_soak_tests() {
  say "windows build and the long soaks under Wine"
  configure windows
  cmake --build --preset windows || return 1
  "$top/tools/with-xvfb" 1280x1024x24 ctest --preset windows -L soak
}
