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
  cp examples/demo.vlm "$demo/plan.vlm"
  "$cli" fill "$demo/plan.vlm"
  echo
  "$cli" show "$demo/plan.vlm"
  echo
  "$cli" show "$demo/plan.vlm" --view loads
  exit 0
fi
exec build/release/gui/velmor "$@"
