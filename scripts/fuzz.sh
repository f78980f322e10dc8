#!/usr/bin/env bash
# Builds the libFuzzer harnesses into build/fuzz and runs each for SECONDS
# (default 20) on a working copy of its seed corpus. Exits non-zero when any
# harness finds a crash; the input is kept under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

install_missing clang libclang-rt-14-dev

SEKUNDY=${1:-20}
HARNESSES=(plan_lekcji plan_dyzurow konfiguracja stopka wklejanie fet fet_csv gpu)
DIR=build/fuzz

build "$DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELMOR_GUI=OFF -DVELMOR_TESTS=OFF -DVELMOR_BENCH=OFF -DVELMOR_FUZZ=ON -DVELMOR_WERROR=ON -- velmor_fuzz

# Every run saves files and forces them to the disk: a memory file system is
# far faster for the harnesses' scratch folders.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
bledy=0
for h in "${HARNESSES[@]}"; do
  corpus="$DIR/corpus/$h" znaleziska="$DIR/findings/$h" log="$DIR/logs/$h.log"
  mkdir -p "$corpus" "$znaleziska" "$(dirname "$log")"
  cp tests/fuzz/corpus/"$h"/* "$corpus"/
  if "$DIR/tests/fuzz/fuzz_$h" -max_total_time="$SEKUNDY" -timeout=30 -print_final_stats=1 \
       -artifact_prefix="$znaleziska/" "$corpus" >"$log" 2>&1; then
    echo "fuzz_$h: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)"
  else
    echo "fuzz_$h: FAILED (log: $log)"
    grep -E 'ERROR|velmor fuzz|SUMMARY|Test unit written' "$log" | head -n 20 || true
    bledy=1
  fi
done
exit $bledy
