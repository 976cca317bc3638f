#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a fixed time from its committed seed corpus.
# Usage: fuzz.sh build-dir seconds
set -euo pipefail
build=$1 secs=$2
status=0
for target in "$build"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  [[ "$name" == *.* ]] && continue
  seeds=$(cat "$target.seeds")
  work="$build/corpus/${name#fuzz_}"
  mkdir -p "$work"
  echo "fuzzing $name for ${secs}s"
  if ! "$target" -max_total_time="$secs" -print_final_stats=0 "$work" "$seeds" >"$build/$name.log" 2>&1; then
    tail -n 40 "$build/$name.log"
    status=1
  else
    grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -n 1 || true
  fi
done
exit $status
