#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (default
# build/release) and checks it: its name, its dependencies, the files it
# installs, the AppStream metainfo, and velmor-cli run from the unpacked
# package. Exits non-zero at the first fault.
# Usage: scripts/pakiet.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

DIR=${1:-build/release}
OUT=$DIR/pakiet
blad() { echo "pakiet: $*" >&2; exit 1; }

[ -f "$DIR/CPackConfig.cmake" ] || blad "$DIR is not a configured build folder"
wersja=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$DIR/CPackConfig.cmake")
[ -n "$wersja" ] || blad "no package version in $DIR/CPackConfig.cmake"
deb=$OUT/velmor_${wersja}_$(dpkg --print-architecture).deb

rm -f "$OUT"/velmor_*.deb
if ! log=$(cpack -G DEB --config "$DIR/CPackConfig.cmake" -B "$OUT" 2>&1); then
  printf '%s\n' "$log" >&2
  blad "cpack failed"
fi
[ -f "$deb" ] || blad "cpack did not make $deb"

zaleznosci=$(dpkg-deb -f "$deb" Depends)
nazwy=" "
IFS=',' read -ra pozycje <<<"$zaleznosci"
for z in "${pozycje[@]}"; do read -r n _ <<<"$z"; nazwy+="$n "; done
for p in libc6 libstdc++6 libqt6widgets6; do
  [[ "$nazwy" == *" $p "* ]] || blad "Depends lacks $p: $zaleznosci"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

metainfo=$root/usr/share/metainfo/org.velmor.velmor.metainfo.xml
for f in usr/bin/velmor usr/bin/velmor-cli usr/share/applications/velmor.desktop \
         usr/share/icons/hicolor/scalable/apps/velmor.svg usr/share/mime/packages/velmor.xml \
         usr/share/metainfo/org.velmor.velmor.metainfo.xml; do
  [ -f "$root/$f" ] || blad "the package lacks /$f"
done
# The file types, as the desktop's MIME database takes them in.
mime=$(mktemp -d)
cp -r "$root/usr/share/mime/packages" "$mime/"
if ! log=$(update-mime-database "$mime" 2>&1); then
  printf '%s\n' "$log" >&2
  blad "update-mime-database refused the package's file types"
fi
for typ in 'application/x-velmor-plan:\*\.vlm' 'application/x-velmor-timetable:\*\.tbx'; do
  grep -q ":$typ$" "$mime/globs2" || blad "no file type $typ in the MIME database"
done
rm -rf "$mime"
appstreamcli validate --no-net "$metainfo" >/dev/null ||
  { appstreamcli validate --no-net "$metainfo" >&2 || true; blad "metainfo does not validate"; }
uruchamiacz=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$root/usr/share/applications/$uruchamiacz" ] ||
  blad "metainfo launches '$uruchamiacz', which the package lacks"
grep -q "<release version=\"$wersja\"" "$metainfo" || blad "metainfo has no release $wersja"

cli=$root/usr/bin/velmor-cli
ver=$("$cli" --version) || blad "velmor-cli --version failed"
[ "$ver" = "velmor-cli $wersja" ] || blad "velmor-cli --version printed: $ver"
info=$("$cli" info examples/demo.vlm) || blad "velmor-cli info examples/demo.vlm failed"
[[ "$info" == "version: 103"*"teachers: 35"* ]] || blad "velmor-cli info printed: $info"

echo "Package $deb checked."
