#!/usr/bin/env bash
# Windows packages from a cross build folder (default build/windows), in
# BUILD_DIR/pakiet: the portable folder velmor-VERSION-win64 (the programs,
# the DLLs and Qt plugins they load, Qt's Polish translation, the demo plan,
# the help pages), its zip, and the NSIS installer of the same files
# (desktop/velmor.nsi). Fails when a DLL that a shipped file imports is
# neither shipped nor a Windows system DLL.
# Usage: scripts/windows-pakiet.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

DIR=${1:-build/windows}
OUT=$DIR/pakiet
blad() { echo "windows-pakiet: $*" >&2; exit 1; }

cache=$DIR/CMakeCache.txt
[ -f "$cache" ] || blad "$DIR is not a configured build folder"
prefix=$(sed -n 's/^VELMOR_MINGW_PREFIX:PATH=//p' "$cache")
[ -d "$prefix/bin" ] || blad "no mingw prefix (VELMOR_MINGW_PREFIX) in $cache"
wersja=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$DIR/CPackConfig.cmake")
[ -n "$wersja" ] || blad "no package version in $DIR/CPackConfig.cmake"
nazwa=velmor-$wersja-win64
port=$OUT/$nazwa
gxx=x86_64-w64-mingw32-g++-posix
objdump=x86_64-w64-mingw32-objdump
qm=/usr/share/qt6/translations/qtbase_pl.qm

rm -rf "$port" "$port.zip" "$port-setup.exe" "$port-pliki.nsh"
mkdir -p "$port"/{platforms,styles,imageformats,translations,przyklady,pomoc}

# kopiuj FILE FOLDER: a file that must exist.
kopiuj() { [ -f "$1" ] || blad "missing $1"; cp "$1" "$2/"; }
kopiuj "$DIR/gui/velmor.exe" "$port"
kopiuj "$DIR/cli/velmor-cli.exe" "$port"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  kopiuj "$($gxx -print-file-name=$dll)" "$port"
done
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do kopiuj "$prefix/bin/$dll.dll" "$port"; done
kopiuj "$prefix/plugins/platforms/qwindows.dll" "$port/platforms"
kopiuj "$prefix/plugins/platforms/qoffscreen.dll" "$port/platforms"
kopiuj "$prefix/plugins/styles/qwindowsvistastyle.dll" "$port/styles"
if [ -f "$prefix/plugins/imageformats/qico.dll" ]; then
  cp "$prefix/plugins/imageformats/qico.dll" "$port/imageformats/"
else
  rmdir "$port/imageformats"
fi
# Qt's prefix is the folder of Qt6Core.dll, so translations/ beside it.
[ -f "$qm" ] || blad "missing $qm (package qt6-translations-l10n)"
cp "$qm" "$port/translations/"
kopiuj examples/demo.vlm "$port/przyklady"
kopiuj examples/demo.tbx "$port/przyklady"
cp help/*.html "$port/pomoc/"
kopiuj README.md "$port"
# The build's and the compiler's binaries carry their debug sections.
find "$port" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# Every imported DLL is shipped or Windows' own: an API set, or a DLL in
# Wine's system32 other than the Visual C++ runtimes, which Windows lacks.
sys32=$DIR/wine/drive_c/windows/system32
[ -d "$sys32" ] || "$DIR/wine.sh" wineboot -i >/dev/null 2>&1 || true
[ -d "$sys32" ] || blad "no Wine prefix with $sys32 to tell Windows' own DLLs"
systemowe=$(find "$sys32" -maxdepth 1 -printf '%f\n' | tr '[:upper:]' '[:lower:]')
dostarczone=$(find "$port" -maxdepth 1 -name '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]')
braki=() zsystemu=() uzyte=
while read -r plik; do
  while read -r dll; do
    uzyte+=$dll$'\n'
    grep -qxF "$dll" <<<"$dostarczone" && continue
    case $dll in
      api-ms-win-*|ext-ms-*) ;;
      msvcp*|vcruntime*|msvcr[0-9]*) braki+=("${plik#"$port"/} imports $dll") ;;
      *) grep -qxF "$dll" <<<"$systemowe" && zsystemu+=("$dll") || braki+=("${plik#"$port"/} imports $dll") ;;
    esac
  done < <($objdump -p "$plik" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
done < <(find "$port" \( -name '*.exe' -o -name '*.dll' \) | sort)
[ ${#braki[@]} -eq 0 ] || blad "DLLs neither shipped nor Windows' own:$(printf '\n  %s' "${braki[@]}")"
while read -r dll; do
  grep -qxF "$dll" <<<"$uzyte" || blad "$dll is shipped but nothing imports it"
done <<<"$dostarczone"
echo "DLLs checked; Windows' own used: $(printf '%s\n' "${zsystemu[@]}" | sort -u | tr '\n' ' ')"

if command -v zip >/dev/null; then
  (cd "$OUT" && zip -qrX "$nazwa.zip" "$nazwa")
else
  (cd "$OUT" && python3 -m zipfile -c "$nazwa.zip" "$nazwa")
fi

# The installer's file list, from the portable folder: each folder's files,
# and for the uninstaller the same files and then the folders, deepest first.
abs=$(realpath "$port")
{
  echo '!macro VELMOR_INSTALUJ'
  while read -r d; do
    echo "  SetOutPath \"\$INSTDIR${d//\//\\}\""
    find "$abs$d" -maxdepth 1 -type f -printf '  File "%p"\n' | sort
  done < <(cd "$abs" && find . -type d | sed 's|^\.||' | sort)
  echo '!macroend'
  echo '!macro VELMOR_USUN'
  (cd "$abs" && find . -type f | sort) | sed 's|^\.||; s|/|\\|g; s|.*|  Delete "$INSTDIR&"|'
  (cd "$abs" && find . -mindepth 1 -type d | sort -r) | sed 's|^\.||; s|/|\\|g; s|.*|  RMDir "$INSTDIR&"|'
  echo '!macroend'
} >"$port-pliki.nsh"
makensis -V2 -INPUTCHARSET UTF8 -DZRODLO="$abs" -DPLIKI="$(realpath "$port-pliki.nsh")" \
  -DWERSJA="$wersja" -DWYNIK="$(realpath "$OUT")/$nazwa-setup.exe" desktop/velmor.nsi ||
  blad "makensis failed"
[ -f "$port-setup.exe" ] || blad "makensis did not make $port-setup.exe"

echo "Made $port, $port.zip ($(stat -c %s "$port.zip") bytes), $port-setup.exe ($(stat -c %s "$port-setup.exe") bytes)."
