#!/bin/bash
# windows-deps.sh -- build the mingw-w64 (x86_64, posix threads) prefix with
# COIN-OR CBC 2.10.8 (+ CoinUtils, Osi, Clp, Cgl; static), pugixml 1.13
# (static) and Qt 6.4.2 qtbase
# (shared; Core, Gui, Widgets, PrintSupport, windows + offscreen QPA) from
# Debian 12 (bookworm) source packages, on a Debian 12 x86_64 machine.
#
# usage: scripts/windows-deps.sh PREFIX [WORKDIR]
#   PREFIX   install prefix (created; e.g. /opt/mingw64-deps)
#   WORKDIR  where sources and build trees go (default: ./mingw-deps-work)
# env:
#   STAGES   space-separated subset of:
#              apt sources coin cbctest qt qtcheck pugixml trim package
#            (default: all but package, in that order)
#   JOBS     parallel make/ninja jobs (default 2)
#   TARBALL  output of the "package" stage
#            (default: WORKDIR/mingw64-qt6.4.2-cbc2.10.8.tar.xz)
#   WINE     wine launcher for the test stages (default: wine)
#   WINEPREFIX  (default: WORKDIR/wineprefix)
#
# Needs root (or sudo) for the "apt" stage and for the deb-src entry for
# bookworm main that the "sources" stage adds when there is none.
set -euo pipefail

PREFIX=$(realpath -m "${1:?usage: scripts/windows-deps.sh PREFIX [WORKDIR]}")
WORK=$(realpath -m "${2:-$PWD/mingw-deps-work}")
JOBS=${JOBS:-2}
STAGES=${STAGES:-"apt sources coin cbctest qt qtcheck pugixml trim"}
SCRIPTDIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TARBALL=$(realpath -m "${TARBALL:-$WORK/mingw64-qt6.4.2-cbc2.10.8.tar.xz}")

HOST=x86_64-w64-mingw32
export CC=$HOST-gcc-posix
export CXX=$HOST-g++-posix
# only our prefix is searched by pkg-config (no host .pc files leak in)
export PKG_CONFIG_PATH=$PREFIX/lib/pkgconfig
export PKG_CONFIG_LIBDIR=$PREFIX/lib/pkgconfig

# Debian 12: the wine64 package has no /usr/bin/wine64; /usr/bin/wine (package
# wine) starts /usr/lib/wine/wine64 for 64-bit .exe files
WINE=${WINE:-wine}
export WINEPREFIX=${WINEPREFIX:-$WORK/wineprefix}
SRC=$WORK/src
BLD=$WORK/build
mkdir -p "$PREFIX" "$SRC" "$BLD"

has_stage() { case " $STAGES " in *" $1 "*) return 0;; esac; return 1; }
log() { echo "[$(date -u +%H:%M:%S)] $*"; }
SUDO=; [ "$(id -u)" = 0 ] || SUDO=sudo

# ---------------------------------------------------------------------------
if has_stage apt; then
  log "apt: installing build dependencies"
  $SUDO apt-get install -y g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-tools wine64 cmake ninja-build pkg-config qt6-base-dev \
    qt6-base-dev-tools autoconf automake libtool dpkg-dev xz-utils wine \
    xvfb imagemagick fonts-dejavu-core
fi

# ---------------------------------------------------------------------------
if has_stage sources; then
  if ! grep -rqsE '^deb-src|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    log "sources: adding a deb-src entry for bookworm"
    # Debian 12's own form, signed by the same key as its deb entry.
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
      "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
      $SUDO tee /etc/apt/sources.list.d/velmor-deb-src.sources > /dev/null
    $SUDO apt-get update -qq
  fi
  log "sources: apt-get source (bookworm)"
  # Debian source package names: coinutils, coinor-osi, clp, coinor-cgl,
  # coinor-cbc, qt6-base.  dpkg-source applies debian/patches on extraction.
  # The versions below are the ones this prefix was built from; the build
  # directories below assume these upstream versions.
  for sp in coinutils=2.11.4+repack1-2 coinor-osi=0.108.6+repack1-2 clp=1.17.6-3 \
            coinor-cgl=0.60.3+repack1-4 coinor-cbc=2.10.8+ds1-1 qt6-base=6.4.2+dfsg-10; do
    name=${sp%%=*} ver=${sp#*=}
    if ls -d "$SRC/$name-${ver%-*}" > /dev/null 2>&1 || \
       ls -d "$SRC/${name#coinor-}-${ver%-*}" > /dev/null 2>&1; then
      log "sources: $name already unpacked"; continue
    fi
    ( cd "$SRC" && { apt-get source "$sp" || { log "WARNING: $sp not available, taking bookworm's current $name"; apt-get source "$name"; }; } )
  done
fi

# The project's own toolchain file.
TOOLCHAIN=$(cd "$SCRIPTDIR/.." && pwd)/cmake/mingw64.cmake

# ---------------------------------------------------------------------------
coin_build() {   # coin_build <srcdir> <name> [extra configure args...]
  local src=$SRC/$1 name=$2; shift 2
  local b=$BLD/$name
  rm -rf "$b"; mkdir -p "$b"
  log "coin: configure $name"
  ( cd "$b" && "$src/configure" --build=x86_64-linux-gnu --host=$HOST \
      --prefix="$PREFIX" --enable-static --disable-shared \
      --disable-dependency-tracking \
      --without-blas --without-lapack --without-glpk --without-asl \
      --without-mumps --without-metis --without-sample --without-netlib \
      --without-miplib3 --disable-gnu-packages \
      CC="$CC" CXX="$CXX" F77=unavailable "$@" > configure.out 2>&1 ) \
    || { tail -40 "$b/configure.out"; cat "$b/config.log" | tail -60; exit 1; }
  log "coin: make $name"
  ( cd "$b" && nice -n 10 make -j"$JOBS" > make.out 2>&1 ) || { tail -60 "$b/make.out"; exit 1; }
  ( cd "$b" && make install > install.out 2>&1 ) || { tail -40 "$b/install.out"; exit 1; }
}

if has_stage coin; then
  T0=$(date +%s)
  coin_build coinutils-2.11.4+repack1 coinutils --disable-zlib --disable-bzlib
  coin_build coinor-osi-0.108.6+repack1 osi
  coin_build clp-1.17.6 clp
  coin_build coinor-cgl-0.60.3+repack1 cgl
  coin_build coinor-cbc-2.10.8+ds1 cbc --enable-cbc-parallel
  log "coin: done in $(( $(date +%s) - T0 )) s"
  test -f "$PREFIX/lib/pkgconfig/cbc.pc"
fi

# ---------------------------------------------------------------------------
if has_stage cbctest; then
  log "cbctest: static C test program against cbc.pc, run under wine"
  t=$BLD/cbctest; mkdir -p "$t"
  cat > "$t/cbctest.c" <<'EOF'
/* max 5x + 4y  s.t. 6x + 4y <= 24, x + 2y <= 6, x,y >= 0 integer
   LP optimum 21 at (3, 1.5); integer optimum 20 at (4, 0). */
#include <stdio.h>
#include <Cbc_C_Interface.h>
int main(void) {
  Cbc_Model *m = Cbc_newModel();
  Cbc_setParameter(m, "log", "0");
  Cbc_addCol(m, "x", 0.0, 1e30, 5.0, 1, 0, NULL, NULL);
  Cbc_addCol(m, "y", 0.0, 1e30, 4.0, 1, 0, NULL, NULL);
  int idx[2] = {0, 1};
  double r1[2] = {6.0, 4.0}, r2[2] = {1.0, 2.0};
  Cbc_addRow(m, "c1", 2, idx, r1, 'L', 24.0);
  Cbc_addRow(m, "c2", 2, idx, r2, 'L', 6.0);
  Cbc_setObjSense(m, -1.0);
  int rc = Cbc_solve(m);
  const double *x = Cbc_getColSolution(m);
  printf("Cbc_solve rc=%d optimal=%d obj=%g x=%g y=%g\n", rc,
         Cbc_isProvenOptimal(m), Cbc_getObjValue(m), x[0], x[1]);
  int ok = Cbc_isProvenOptimal(m) && Cbc_getObjValue(m) > 19.999 &&
           Cbc_getObjValue(m) < 20.001;
  Cbc_deleteModel(m);
  return ok ? 0 : 1;
}
EOF
  # shellcheck disable=SC2046
  $CC -O2 -o "$t/cbctest.exe" "$t/cbctest.c" $(pkg-config --cflags cbc) \
      -static $(pkg-config --static --libs cbc) -lstdc++
  ls -l "$t/cbctest.exe"
  WINEDEBUG=-all $WINE "$t/cbctest.exe"
fi

# ---------------------------------------------------------------------------
QTSRC=$SRC/qt6-base-6.4.2+dfsg
QTBLD=$BLD/qtbase
# Qt options: only what a Widgets + PrintSupport program needs
QT_OPTS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_BUILD_MANUAL_TESTS=OFF
  -DFEATURE_pkg_config=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  # INPUT_opengl=no (= configure -no-opengl); FEATURE_opengl=OFF alone leaves
  # the public dynamicgl feature (QT_OPENGL_DYNAMIC) on
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  # keep direct2d (Gui only compiles the DirectWrite font engine with it, and
  # PrintSupport needs that: FEATURE_direct2d=OFF fails to link
  # Qt6PrintSupport.dll); direct2d1_1=OFF skips the direct2d QPA plugin
  -DFEATURE_direct2d1_1=OFF
  -DFEATURE_androiddeployqt=OFF
  # Debian's +dfsg tarball drops src/3rdparty/wintab (needed by the windows
  # QPA plugin's tablet support)
  -DFEATURE_tabletevent=OFF
  # bundled 3rd-party code only (no mingw builds of these in Debian)
  -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
  -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_system_textmarkdownreader=OFF
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
)
if has_stage qt; then
  T0=$(date +%s)
  rm -rf "$QTBLD"; mkdir -p "$QTBLD"
  log "qt: configure"
  ( cd "$QTBLD" && cmake -G Ninja -S "$QTSRC" -B . \
      -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DVELMOR_MINGW_PREFIX="$PREFIX" \
      -DCMAKE_INSTALL_PREFIX="$PREFIX" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      "${QT_OPTS[@]}" > configure.out 2>&1 ) \
    || { tail -80 "$QTBLD/configure.out"; exit 1; }
  T1=$(date +%s); log "qt: configured in $(( T1 - T0 )) s; building"
  ( cd "$QTBLD" && nice -n 10 cmake --build . -j"$JOBS" > build.out 2>&1 ) \
    || { grep -B5 -A25 'FAILED:' "$QTBLD/build.out" | head -120; exit 1; }
  T2=$(date +%s); log "qt: built in $(( T2 - T1 )) s; installing"
  ( cd "$QTBLD" && cmake --install . > install.out 2>&1 ) || { tail -40 "$QTBLD/install.out"; exit 1; }
  log "qt: done in $(( $(date +%s) - T0 )) s"
fi

# ---------------------------------------------------------------------------
if has_stage qtcheck; then
  log "qtcheck: Qt Widgets + PrintSupport test program (and CBC via pkg-config)"
  q=$BLD/qtcheck; rm -rf "$q"; mkdir -p "$q/src"
  cp "$BLD/cbctest/cbctest.c" "$q/src/" 2>/dev/null || true
  cat > "$q/src/main.cpp" <<'EOF2'
// Qt 6 Widgets + PrintSupport smoke test: label, 1 s timer, PDF via QPrinter
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <thread>
#include <cstdio>
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello from Qt %1 (%2)").arg(qVersion(), app.platformName()));
    label.resize(360, 80);
    label.show();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("qtcheck.pdf"));
    QPainter painter;
    if (!painter.begin(&printer)) { std::puts("QPainter::begin(QPrinter) failed"); return 2; }
    painter.drawText(200, 200, QStringLiteral("Printed by qtcheck, Qt %1").arg(qVersion()));
    painter.end();
    unsigned hw = 0; std::thread([&] { hw = std::thread::hardware_concurrency(); }).join();
    std::printf("platform=%s pdf=%s threads=%u\n", qPrintable(app.platformName()), qPrintable(printer.outputFileName()), hw);
    QTimer::singleShot(qEnvironmentVariableIntValue("QTCHECK_MS") > 0 ? qEnvironmentVariableIntValue("QTCHECK_MS") : 1000, &app, &QApplication::quit);
    return app.exec();
}
EOF2
  cat > "$q/src/CMakeLists.txt" <<'EOF2'
cmake_minimum_required(VERSION 3.16)
project(qtcheck C CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
add_executable(qtcheck main.cpp)
target_link_libraries(qtcheck PRIVATE Qt6::Widgets Qt6::PrintSupport)
# CBC through pkg-config (static libs), as the real program finds it
find_package(PkgConfig REQUIRED)
pkg_check_modules(CBC REQUIRED cbc)
add_executable(cbccheck cbctest.c)
target_include_directories(cbccheck PRIVATE ${CBC_STATIC_INCLUDE_DIRS})
target_link_libraries(cbccheck PRIVATE ${CBC_STATIC_LDFLAGS} -lstdc++)
target_link_options(cbccheck PRIVATE -static)
EOF2
  cmake -G Ninja -S "$q/src" -B "$q/build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
      -DVELMOR_MINGW_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release > "$q/configure.out" 2>&1 \
    || { tail -40 "$q/configure.out"; exit 1; }
  nice -n 10 cmake --build "$q/build" || exit 1
  # deploy next to the .exe: Qt DLLs, QPA + style plugins, mingw runtime DLLs
  d=$q/deploy; mkdir -p "$d/platforms" "$d/styles"
  cp "$q/build/qtcheck.exe" "$q/build/cbccheck.exe" "$d/"
  cp "$PREFIX"/bin/Qt6{Core,Gui,Widgets,PrintSupport}.dll "$d/"
  cp "$PREFIX"/plugins/platforms/q{windows,offscreen}.dll "$d/platforms/"
  cp "$PREFIX"/plugins/styles/*.dll "$d/styles/" 2>/dev/null || true
  cp /usr/lib/gcc/$HOST/12-posix/{libstdc++-6,libgcc_s_seh-1}.dll /usr/$HOST/lib/libwinpthread-1.dll "$d/"
  ( cd "$d" && WINEDEBUG=-all $WINE cbccheck.exe )
  rm -f "$d/qtcheck.pdf"
  # wine (8.0) does not pass Unix environment variables named QT_* to Windows
  # processes, so QT_QPA_PLATFORM is set inside cmd.exe; offscreen on Windows
  # uses the FreeType font database, which needs a folder of .ttf files (fonts-dejavu-core)
  rc=0
  ( cd "$d" && WINEDEBUG=-all timeout 120 $WINE cmd /c "set QT_QPA_PLATFORM=offscreen&& set QT_QPA_FONTDIR=Z:\usr\share\fonts\truetype\dejavu&& qtcheck.exe qtcheck.pdf" ) || rc=$?
  log "qtcheck (offscreen QPA) exit code: $rc"
  ls -l "$d/qtcheck.pdf" && head -c 8 "$d/qtcheck.pdf" && echo
  [ "$rc" = 0 ]
fi

# optional (not in the default STAGES): "windows" QPA plugin under Xvfb + screenshot
if has_stage xvfbcheck; then
  d=$BLD/qtcheck/deploy
  Xvfb :75 -screen 0 1024x768x24 > "$BLD/xvfb.log" 2>&1 & XPID=$!
  sleep 2
  ( rc=0; cd "$d" && DISPLAY=:75 QTCHECK_MS=8000 WINEDEBUG=-all timeout 120 $WINE qtcheck.exe qtcheck-win.pdf || rc=$?; log "qtcheck (windows QPA, Xvfb) exit code: $rc" ) & RPID=$!
  sleep 6
  DISPLAY=:75 import -window root "$BLD/qtcheck-xvfb.png" || true
  wait $RPID || true
  kill $XPID || true
  ls -l "$BLD/qtcheck-xvfb.png" "$d/qtcheck-win.pdf" || true
fi

# ---------------------------------------------------------------------------
if has_stage pugixml; then
  log "pugixml: the XML reader of the timetable import"
  "$SCRIPTDIR/windows-pugixml.sh" "$PREFIX"
fi

# ---------------------------------------------------------------------------
if has_stage trim; then
  log "trim: docs, libtool archives, relocatable .pc files, strip DLLs"
  rm -rf "$PREFIX/share/coin/doc" "$PREFIX/share/doc" "$PREFIX/doc"
  find "$PREFIX" -name '*.la' -delete
  # pkg-config files: prefix relative to the .pc file, so the tarball can be
  # unpacked anywhere
  for pc in "$PREFIX"/lib/pkgconfig/*.pc; do
    sed -i -e 's|^prefix=.*|prefix=${pcfiledir}/../..|' -e "s|$PREFIX|\${prefix}|g" "$pc"
  done
  find "$PREFIX" \( -name '*.dll' -o -name '*.exe' \) -exec $HOST-strip --strip-unneeded {} +
  du -sh "$PREFIX"
fi
# ---------------------------------------------------------------------------
if has_stage package; then
  log "package: $TARBALL"
  mkdir -p "$(dirname "$TARBALL")"
  tar -C "$(dirname "$PREFIX")" -cJf "$TARBALL" "$(basename "$PREFIX")"
  ls -l "$TARBALL"
fi
log "finished stages: $STAGES"
