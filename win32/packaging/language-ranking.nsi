; SPDX-License-Identifier: MIT
; Per-user installer in Bulgarian: no administrator rights, the program under
; the user's local application data, a Start-menu shortcut, an uninstall entry
; and an uninstaller. Neither installs nor uninstalls while the program runs
; (its named mutex): interactively it asks for the program to be closed, with
; retry or cancel; silently (/S) it ends with exit code 2, nothing changed.
; makensis gets VERSION, APP_ID, RUNNING_MUTEX, PROGRAM, README and OUTFILE with -D.
; The program is 64-bit: so is its installer (it also runs where only 64-bit Wine is).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NAME "Класация на езиците"
!define PUBLISHER "Проект Класация"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define STILL_RUNNING 2

Name "${NAME}"
Caption "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\LanguageRanking"
ShowInstDetails nevershow
ShowUninstDetails nevershow
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1026 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "FileDescription" "Инсталиране на „${NAME}“"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "${PUBLISHER}, лиценз MIT"

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

; Returns while the program does not run; otherwise asks (or, silent, quits).
!macro WaitUntilNotRunning
    check:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 notRunning
    System::Call 'kernel32::CloseHandle(p r0)'
    IfSilent stop
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "„${NAME}“ работи. Затворете програмата и изберете „Повторен опит“, за да продължите, или „Отказ“, за да спрете." \
        IDRETRY check
    stop:
    SetErrorLevel ${STILL_RUNNING}
    Quit
    notRunning:
!macroend

Function .onInit
    SetShellVarContext current
    !insertmacro WaitUntilNotRunning
FunctionEnd

Function un.onInit
    SetShellVarContext current
    !insertmacro WaitUntilNotRunning
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File "/oname=language-ranking.exe" "${PROGRAM}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\language-ranking.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\language-ranking.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$INSTDIR\language-ranking.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
