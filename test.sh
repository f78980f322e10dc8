#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, builds and checks the
# Debian package, runs the core and cli tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and each fuzz harness for 20 seconds; then
# cross-builds the Windows program, runs its tests under Wine and builds and
# checks its zip and installer (when a mingw prefix of Qt and CBC is there).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${TEST_PACKAGES[@]}"

# The code keeps the project's format (.clang-format).
find core gui cli tests bench examples \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror --style=file

build build/release -DCMAKE_BUILD_TYPE=Release -DVELMOR_TESTS=ON -DVELMOR_BENCH=ON -DVELMOR_WERROR=ON
ctest --test-dir build/release --output-on-failure -j "$(nproc)"
scripts/pakiet.sh build/release

build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMOR_GUI=OFF -DVELMOR_TESTS=ON -DVELMOR_BENCH=OFF \
  -DVELMOR_SANITIZE=ON -DVELMOR_WERROR=ON -- velmor_core_tests velmor_cli_tests
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
build/sanitize/tests/velmor_core_tests --gtest_brief=1
build/sanitize/tests/velmor_cli_tests --gtest_brief=1

scripts/fuzz.sh 20

scripts/windows.sh

echo "All tests passed."
