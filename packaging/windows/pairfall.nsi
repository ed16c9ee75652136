; The Pairfall installer, for NSIS 3.  scripts/package-windows runs
;   makensis -DVERSION=1.0.0 -DPAYLOAD=<folder> -DOUTFILE=<setup.exe> pairfall.nsi
; PAYLOAD is the folder that `cmake --install` filled: pairfall.exe,
; pictures\, translations\ (the program's .qm files and Qt's) and licenses\
; (its Pairfall.txt is the licence page's text).
; /S installs, and uninstalls, without asking.

Unicode true
; 64-bit like the program: Debian's wine64 runs nothing else, and the
; 64-bit Program Files and registry view come without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!ifndef VERSION | PAYLOAD | OUTFILE
  !error "define VERSION, PAYLOAD and OUTFILE (see the top of pairfall.nsi)"
!endif

!define PUBLISHER "The Pairfall developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pairfall"

Name "Pairfall"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Pairfall"
; A new version goes where the last one was put.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Pairfall"
VIAddVersionKey /LANG=1033 "FileDescription" "Pairfall Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}, MIT licence"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "pairfall.ico"
!define MUI_UNICON "pairfall.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${PAYLOAD}/licenses/Pairfall.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; For every user of the machine: the Start menu of all users.
Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Pairfall"
  SetOutPath "$INSTDIR"
  File "${PAYLOAD}/pairfall.exe"
  SetOutPath "$INSTDIR\pictures"
  File "${PAYLOAD}/pictures/*.bmp"
  SetOutPath "$INSTDIR\translations"
  File "${PAYLOAD}/translations/*.qm"
  SetOutPath "$INSTDIR\licenses"
  File /r "${PAYLOAD}/licenses/*"

  ; The shortcut starts the game in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Pairfall.lnk" "$INSTDIR\pairfall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pairfall"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pairfall.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Takes away what the installer put in place and nothing else: the player's
; statistics and window position (HKCU\Software\Pairfall) stay, and so does
; any file of the player's in the program's folders.
Section "Uninstall"
  Delete "$SMPROGRAMS\Pairfall.lnk"
  Delete "$INSTDIR\pairfall.exe"
  Delete "$INSTDIR\pictures\*.bmp"
  Delete "$INSTDIR\translations\*.qm"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only when empty.
  RMDir "$INSTDIR\pictures"
  RMDir "$INSTDIR\translations"
  RMDir "$INSTDIR"
SectionEnd
