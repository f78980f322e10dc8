#!/usr/bin/env bash
# Cross-builds Velmor for 64-bit Windows with mingw-w64 into build/windows,
# runs its tests under Wine, and makes the portable zip and the installer.
# Qt and CBC built for mingw come from the first prefix found:
#   VELMOR_MINGW_PREFIX, ../shared/windows (its tarball, unpacked into
#   build/mingw64), ~/.cache/velmor/mingw64 (made by scripts/windows-deps.sh).
# Without one it says so in one line and does nothing.
# Usage: scripts/windows.sh [--no-tests]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 nsis
                  qt6-base-dev-tools libgtest-dev fonts-dejavu-core)

# The prefix holding lib/cmake/Qt6 and lib/pkgconfig/cbc.pc, or nothing.
prefiks() {
  if [ -n "${VELMOR_MINGW_PREFIX:-}" ]; then
    echo "$VELMOR_MINGW_PREFIX"
    return
  fi
  local paczka
  paczka=$(ls ../shared/windows/mingw64-*.tar.xz 2>/dev/null | head -n 1)
  if [ -n "$paczka" ]; then
    # Unpacked once for each tarball.
    local znak=build/mingw64/.$(basename "$paczka")
    if [ ! -f "$znak" ]; then
      rm -rf build/mingw64 && mkdir -p build/mingw64
      tar -xJf "$paczka" -C build/mingw64
      touch "$znak"
    fi
    echo "$PWD/build/mingw64/prefix"
    return
  fi
  [ -d ~/.cache/velmor/mingw64/lib/cmake/Qt6 ] && echo ~/.cache/velmor/mingw64
  return 0
}

PREFIX=$(prefiks)
if [ -z "$PREFIX" ]; then
  echo "No Windows build: no mingw prefix of Qt and CBC (run scripts/windows-deps.sh ~/.cache/velmor/mingw64 once, about an hour, or set VELMOR_MINGW_PREFIX)."
  exit 0
fi
[ -d "$PREFIX/lib/cmake/Qt6" ] || { echo "windows: $PREFIX holds no Qt 6" >&2; exit 1; }

install_missing "${WINDOWS_PACKAGES[@]}"
scripts/windows-pugixml.sh "$PREFIX"
start=$(date +%s)
build build/windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw64.cmake" -DVELMOR_MINGW_PREFIX="$PREFIX" \
  -DCMAKE_BUILD_TYPE=Release -DVELMOR_TESTS=ON -DVELMOR_BENCH=OFF -DVELMOR_WERROR=ON
echo "Windows build: $(( $(date +%s) - start )) s"
if [ "${1:-}" != "--no-tests" ]; then
  # The first program started in a new Wine prefix makes it; tests started
  # at once race on that, so the prefix is made before them.
  build/windows/wine.sh wineboot --init
  WINEPREFIX="$PWD/build/windows/wine" wineserver --wait
  ctest --test-dir build/windows --output-on-failure -j "$(nproc)"
fi
scripts/windows-pakiet.sh build/windows
if [ "${1:-}" != "--no-tests" ]; then
  tests/windows/instalator.sh build/windows
fi
