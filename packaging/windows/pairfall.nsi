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
; The game holds this while it runs (platform/RunningMark.h names it too).
!define RUNNING_MARK "Local\Pairfall-running"
; Held by a running installer or uninstaller.  "Global\": the program folder
; is one for the whole machine, whoever is logged on.
!define SETUP_MARK "Global\Pairfall-setup"
; Exit codes besides NSIS's own (1: cancelled on a page, 2: aborted).
!define EXIT_GAME_RUNNING 3
!define EXIT_SETUP_RUNNING 4
!define EXIT_NOT_WRITABLE 5
!define EXIT_NO_RIGHTS 6
!define EXIT_FILES_NOT_WRITTEN 7

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
!include "LogicLib.nsh"

!define MUI_ICON "pairfall.ico"
!define MUI_UNICON "pairfall.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${PAYLOAD}/licenses/Pairfall.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The game's languages, in NSIS's own words.  Without a choice offered,
; the installer speaks the user's display language where it is one of
; these, and English otherwise (the first).
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Swedish"
!include /CHARSET=UTF8 "texts.nsh"

; One installer or uninstaller at a time: the mark is held until this
; process ends.  Where it is there already, another one runs; where it is
; there but refused (access denied), another account's runs.  Where it cannot
; be made for any other reason there is no guard.
!macro ONE_SETUP_AT_A_TIME
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_MARK}") p .r0 ?e'
  Pop $1
  StrCpy $2 0
  ${If} $0 P<> 0
    ${If} $1 = 183 ; ERROR_ALREADY_EXISTS
      StrCpy $2 1
    ${EndIf}
  ${ElseIf} $1 = 5 ; ERROR_ACCESS_DENIED
    StrCpy $2 1
  ${EndIf}
  ${If} $2 = 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(SetupRunning)" /SD IDOK
    SetErrorLevel ${EXIT_SETUP_RUNNING}
    Quit
  ${EndIf}
!macroend

!macro GAME_CHECKS un question no_rights failed
; Pushes what stands in the way of writing the program file: 0 nothing (or
; no file there), 1 a program runs from it (a sharing violation), 2 no right
; to write it (access denied: read-only, or another's), 3 anything else.
Function ${un}ProgramFileState
  System::Call 'kernel32::CreateFileW(w "$INSTDIR\pairfall.exe", i 0x40000000, i 7, p 0, i 3, i 0x80, p 0) p .r0 ?e' ; GENERIC_WRITE, OPEN_EXISTING
  Pop $1
  ${If} $0 P<> -1
    System::Call 'kernel32::CloseHandle(p r0)'
    Push 0
  ${ElseIf} $1 = 32 ; ERROR_SHARING_VIOLATION
    Push 1
  ${ElseIf} $1 = 5 ; ERROR_ACCESS_DENIED
    Push 2
  ${ElseIf} $1 = 2 ; ERROR_FILE_NOT_FOUND
  ${OrIf} $1 = 3 ; ERROR_PATH_NOT_FOUND
    Push 0
  ${Else}
    Push 3
  ${EndIf}
FunctionEnd

; Pushes 1 while the game runs: its mark is there (refused counts: another
; account's game in this session), or its program file is in use (a copy
; from before the mark, or one in another session).
Function ${un}GameRuns
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MARK}") p .r0 ?e' ; SYNCHRONIZE
  Pop $1
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    Push 1
    Return
  ${EndIf}
  ${If} $1 = 5 ; ERROR_ACCESS_DENIED
    Push 1
    Return
  ${EndIf}
  Call ${un}ProgramFileState
  Pop $0
  ${If} $0 = 1
    Push 1
  ${Else}
    Push 0
  ${EndIf}
FunctionEnd

; After the program file could not be written or removed: returns while the
; game runs (the caller asks again); otherwise ends here and says why.
Function ${un}StopUnlessGameRuns
  Call ${un}GameRuns
  Pop $0
  ${If} $0 = 1
    Return
  ${EndIf}
  Call ${un}ProgramFileState
  Pop $0
  ${If} $0 = 2
    MessageBox MB_OK|MB_ICONSTOP "$(${no_rights})" /SD IDOK
    SetErrorLevel ${EXIT_NO_RIGHTS}
  ${Else}
    MessageBox MB_OK|MB_ICONSTOP "$(${failed})" /SD IDOK
    SetErrorLevel ${EXIT_NOT_WRITABLE}
  ${EndIf}
  Quit
FunctionEnd

; Returns once the game is closed; asks the player to close it meanwhile.
; A cancel (and /S, which cannot ask) ends here, before anything changed.
Function ${un}CloseTheGame
  ${Do}
    Call ${un}GameRuns
    Pop $0
    ${If} $0 = 0
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(${question})" /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_GAME_RUNNING}
    Quit
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro GAME_CHECKS "" GameRunningInstall NoRightToReplace NotReplaced
!insertmacro GAME_CHECKS "un." GameRunningUninstall NoRightToRemove NotRemoved

; For every user of the machine: the Start menu of all users.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro ONE_SETUP_AT_A_TIME
  Call CloseTheGame
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro ONE_SETUP_AT_A_TIME
  Call un.CloseTheGame
FunctionEnd

Section "Pairfall"
  ; The program first, and only where it can be replaced: a game started
  ; while the pages were shown is asked about again, and until the new
  ; program is in place nothing of the old install has changed.
  SetOverwrite try
  ${Do}
    Call CloseTheGame
    SetOutPath "$INSTDIR"
    ClearErrors
    File "${PAYLOAD}/pairfall.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    Call StopUnlessGameRuns
  ${Loop}
  SetOverwrite on
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
  ; A file NSIS could not write and was told to pass over (Ignore, which /S
  ; always answers) leaves the error flag: such an install is finished, so
  ; that it can be uninstalled, but said to have failed.  Read before
  ; GetSize, whose search sets the flag as it ends.
  StrCpy $9 0
  ${If} ${Errors}
    StrCpy $9 1
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  ${If} $9 = 1
    MessageBox MB_OK|MB_ICONSTOP "$(FilesNotWritten)" /SD IDOK
    SetErrorLevel ${EXIT_FILES_NOT_WRITTEN}
    Quit
  ${EndIf}
SectionEnd

; Takes away what the installer put in place and nothing else: the player's
; statistics and window position (HKCU\Software\Pairfall) stay, and so does
; any file of the player's in the program's folders.  An upgrade runs no
; uninstaller: the new files go over the old ones.
Section "Uninstall"
  ; The program first: while it cannot go, nothing goes, the uninstall
  ; entry least of all.
  ${Do}
    Call un.CloseTheGame
    Delete "$INSTDIR\pairfall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\pairfall.exe"
      ${Break}
    ${EndIf}
    Call un.StopUnlessGameRuns
  ${Loop}
  Delete "$SMPROGRAMS\Pairfall.lnk"
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
