#!/usr/bin/env bash
# Installs what is missing, builds Velmor in Release and starts it.
# Usage: ./run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing
build build/release -DCMAKE_BUILD_TYPE=Release -- velmor velmor-cli

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): running the command-line demo instead."
  cli=build/release/cli/velmor-cli
  demo=$(mktemp -d)
  trap 'rm -rf "$demo"' EXIT
  # A copy of the demo plan filled by `fill` with the options given, then
  # shown: the duty plan, the loads and a summary line.
  wypelnij() {
    local plan="$demo/$1.vlm"; shift
    cp examples/demo.vlm "$plan"
    "$cli" fill "$plan" "$@"
    echo
    "$cli" show "$plan"
    echo
    "$cli" show "$plan" --view loads
    echo
    "$cli" info "$plan" | awk -F': ' '{ v[$1] = $2 } END {
      printf "cells filled: %d of %d open\n", v["filled"], v["filled"] + v["empty"] }'
    "$cli" show "$plan" --view loads --format tsv | awk -F'\t' 'NR > 1 {
      if ($2 > most) most = $2; if ($2 == 0) idle++ } END {
      printf "largest load: %d duties; teachers without a duty: %d\n", most, idle }'
    echo
  }
  echo "== Greedy fill: velmor-cli fill (cell by cell)"
  wypelnij greedy
  echo "== Optimal fill: velmor-cli fill --optimal (the whole table at once)"
  wypelnij optimal --optimal
  exit 0
fi
exec build/release/gui/velmor "$@"
