#!/usr/bin/env bash
# The Windows installer under Wine, in the build's Wine prefix: a silent
# install holds the portable folder's files, the installed velmor-cli reads
# the demo plan and prints it to PDF through the installed velmor.exe, the
# shortcut and the .vlm type are in place; a silent uninstall then leaves
# none of it. Made by scripts/windows-pakiet.sh BUILD_DIR first.
# Usage: tests/windows/instalator.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."

DIR=${1:-build/windows}
blad() { echo "instalator: $*" >&2; exit 1; }

wersja=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$DIR/CPackConfig.cmake")
[ -n "$wersja" ] || blad "no package version in $DIR/CPackConfig.cmake"
setup=$DIR/pakiet/velmor-$wersja-win64-setup.exe
przenosny=$DIR/pakiet/velmor-$wersja-win64
[ -f "$setup" ] || blad "no $setup; scripts/windows-pakiet.sh $DIR makes it"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The installed programs find their DLLs in their own folder or nowhere: the
# build's wine.sh without the build's DLL folders on the path.
wine=$tmp/wine.sh
sed '/^export WINEPATH=/d' "$DIR/wine.sh" >"$wine"
chmod +x "$wine"

W='C:\Program Files\Velmor'
inst="$DIR/wine/drive_c/Program Files/Velmor"
skrot="$DIR/wine/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmor $wersja.lnk"
klucze=('HKLM\Software\Classes\.vlm' 'HKLM\Software\Classes\Velmor.Plan'
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor')
# The uninstaller runs in place and waits only with _?=INSTDIR last and
# unquoted, which wine's own quoting of a path with spaces breaks; a batch
# file passes the line as it is.
printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$W" "$W" >"$tmp/usun.bat"
odinstaluj() { "$wine" cmd /c "Z:${tmp//\//\\}\\usun.bat"; }
# reg_wartosc KEY: the key's default value as `reg query` prints it.
reg_wartosc() { "$wine" reg query "$1" /ve | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }

# What an earlier, failed run left.
if [ -f "$inst/Uninstall.exe" ]; then odinstaluj || true; fi
rm -rf "$inst" "$skrot"
for k in "${klucze[@]}"; do "$wine" reg delete "$k" /f >/dev/null 2>&1 || true; done

"$wine" "$setup" /S || blad "the installer failed (exit $?)"
[ -f "$inst/velmor-cli.exe" ] || blad "no $W\\velmor-cli.exe after the install"
[ -f "$inst/Uninstall.exe" ] || blad "no $W\\Uninstall.exe after the install"
diff -r -x Uninstall.exe "$przenosny" "$inst" >&2 || blad "the installation differs from $przenosny"
[ -f "$skrot" ] || blad "no Start-menu shortcut $skrot"

wersja_cli=$("$wine" "$W\\velmor-cli.exe" --version | tr -d '\r') || blad "installed velmor-cli --version failed"
[ "$wersja_cli" = "velmor-cli $wersja" ] || blad "installed velmor-cli --version printed: $wersja_cli"
info=$("$wine" "$W\\velmor-cli.exe" info "$W\\przyklady\\demo.vlm" | tr -d '\r') ||
  blad "installed velmor-cli info on the demo plan failed"
grep -qx 'teachers: 35' <<<"$info" || blad "installed velmor-cli info printed: $info"
pdf="Z:${tmp//\//\\}\\plan.pdf"
"$wine" "$W\\velmor-cli.exe" export "$W\\przyklady\\demo.vlm" --format pdf -o "$pdf" >/dev/null ||
  blad "installed velmor-cli export --format pdf (velmor.exe --print) failed"
[ "$(head -c 5 "$tmp/plan.pdf")" = "%PDF-" ] || blad "the installed programs wrote no PDF"

[ "$(reg_wartosc 'HKLM\Software\Classes\.vlm')" = Velmor.Plan ] || blad ".vlm is not Velmor.Plan"
polecenie=$(reg_wartosc 'HKLM\Software\Classes\Velmor.Plan\shell\open\command')
[ "$polecenie" = "\"$W\\velmor.exe\" \"%1\"" ] || blad "Velmor.Plan opens with: $polecenie"
"$wine" reg query "${klucze[2]}" /v UninstallString | grep -qF "\"$W\\Uninstall.exe\"" ||
  blad "no UninstallString under ${klucze[2]}"

# Run in place, the uninstaller leaves itself.
odinstaluj || blad "the uninstaller failed (exit $?)"
rm -f "$inst/Uninstall.exe"
rmdir "$inst" 2>/dev/null || blad "the uninstaller left: $(cd "$inst" && find . -mindepth 1 | tr '\n' ' ')"
[ ! -e "$skrot" ] || blad "the uninstaller left the shortcut"
for k in "${klucze[@]}"; do
  if "$wine" reg query "$k" >/dev/null 2>&1; then blad "the uninstaller left $k"; fi
done

echo "Installer $setup: installed, ran, uninstalled."
