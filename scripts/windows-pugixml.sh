#!/usr/bin/env bash
# Builds pugixml for mingw into PREFIX as a static library, from Debian's
# source package of the version the Linux build uses. A prefix that has it
# is left as it is; the prefix of ../shared/windows does not.
# Usage: scripts/windows-pugixml.sh PREFIX
set -euo pipefail
PREFIX=$(realpath -m "${1:?usage: scripts/windows-pugixml.sh PREFIX}")
[ -f "$PREFIX/lib/cmake/pugixml/pugixml-config.cmake" ] && exit 0
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing dpkg-dev g++-mingw-w64-x86-64-posix
add_deb_src
work=$PWD/build/pugixml-mingw
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -qq pugixml=1.13-0.2 > /dev/null)
cmake -S "$work/pugixml-1.13" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw64.cmake" -DVELMOR_MINGW_PREFIX="$PREFIX" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" > /dev/null
cmake --build "$work/build"
cmake --install "$work/build" > /dev/null
echo "pugixml for mingw: built into $PREFIX"
