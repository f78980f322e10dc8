; Velmor's installer for 64-bit Windows, made by scripts/windows-pakiet.sh:
;   makensis -INPUTCHARSET UTF8 -DZRODLO=PORTABLE_FOLDER -DPLIKI=FILE_LIST.nsh
;            -DWERSJA=VERSION -DWYNIK=SETUP.exe desktop/velmor.nsi
; FILE_LIST.nsh holds the macros VELMOR_INSTALUJ (the portable folder's files)
; and VELMOR_USUN (the same files and their folders), so the uninstaller
; removes what was installed and nothing else.
; A 64-bit installer: Velmor runs on 64-bit Windows only.
Target amd64-unicode

!ifndef ZRODLO | PLIKI | WERSJA | WYNIK
  !error "makensis needs -DZRODLO, -DPLIKI, -DWERSJA and -DWYNIK"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include "${PLIKI}"

!define KLUCZ "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor"
!define SKROT "$SMPROGRAMS\Velmor ${WERSJA}.lnk"

Name "Velmor ${WERSJA}"
OutFile "${WYNIK}"
InstallDir "$PROGRAMFILES64\Velmor"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section
  !insertmacro VELMOR_INSTALUJ
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "${SKROT}" "$INSTDIR\velmor.exe"

  WriteRegStr HKLM "Software\Classes\.vlm" "" "Velmor.Plan"
  WriteRegStr HKLM "Software\Classes\Velmor.Plan" "" "Plan dyżurów Velmor"
  WriteRegStr HKLM "Software\Classes\Velmor.Plan\DefaultIcon" "" "$INSTDIR\velmor.exe,0"
  WriteRegStr HKLM "Software\Classes\Velmor.Plan\shell\open\command" "" '"$INSTDIR\velmor.exe" "%1"'

  WriteRegStr HKLM "${KLUCZ}" "DisplayName" "Velmor ${WERSJA}"
  WriteRegStr HKLM "${KLUCZ}" "DisplayVersion" "${WERSJA}"
  WriteRegStr HKLM "${KLUCZ}" "Publisher" "Velmor maintainers"
  WriteRegStr HKLM "${KLUCZ}" "DisplayIcon" "$INSTDIR\velmor.exe"
  WriteRegStr HKLM "${KLUCZ}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KLUCZ}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${KLUCZ}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${KLUCZ}" "NoModify" 1
  WriteRegDWORD HKLM "${KLUCZ}" "NoRepair" 1
  ; Explorer rereads the file types.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section Uninstall
  !insertmacro VELMOR_USUN
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SKROT}"

  ; .vlm stays with a program that took it over since.
  ReadRegStr $0 HKLM "Software\Classes\.vlm" ""
  ${If} $0 == "Velmor.Plan"
    DeleteRegValue HKLM "Software\Classes\.vlm" ""
  ${EndIf}
  DeleteRegKey /ifempty HKLM "Software\Classes\.vlm"
  DeleteRegKey HKLM "Software\Classes\Velmor.Plan"
  DeleteRegKey HKLM "${KLUCZ}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
