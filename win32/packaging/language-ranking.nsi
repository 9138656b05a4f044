; SPDX-License-Identifier: MIT
; Per-user installer in Bulgarian: no administrator rights, the program under
; the user's local application data, a Start-menu shortcut, an uninstall entry
; and an uninstaller. Neither installs nor uninstalls while the program runs
; (its named mutex): interactively it asks for the program to be closed, with
; retry or cancel; silently (/S) it ends with exit code 2, nothing changed.
; The uninstall entry records the uninstaller run in place (_?=), so that the
; command a deployment tool reads waits for it and gets its exit code: 0 when
; everything is gone, 2 when the program runs (nothing removed), 3 when
; something could not be removed (then the entry stays). Windows lets a
; running program's file be moved, not deleted: the uninstaller moves its own
; file to the temporary folder (deleted at the next start where the user may
; ask that of Windows, otherwise left among the temporary files).
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
!define NOT_ALL_REMOVED 3

Name "${NAME}"
!define TITLE "${NAME} ${VERSION}"
!define UNINSTALL_TITLE "Премахване на „${NAME}“"
Caption "${TITLE}"
UninstallCaption "${UNINSTALL_TITLE}"
BrandingText "${PUBLISHER}"
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
; Each page appends its subcaption (a space, in this interface) to the window's
; title; the show functions put the plain title back.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW showTitle
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_SHOW showTitle
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.showTitle
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.showTitle
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"
; The language file spaces the units apart ("68.8 Г Б"); Windows writes "ГБ".
LangString ^Kilo ${LANG_BULGARIAN} " К"
LangString ^Mega ${LANG_BULGARIAN} " М"
LangString ^Giga ${LANG_BULGARIAN} " Г"
LangString ^Byte ${LANG_BULGARIAN} "Б"

; Returns while the program does not run; otherwise asks (or, silent, quits).
!macro WaitUntilNotRunning
    check:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 notRunning
    System::Call 'kernel32::CloseHandle(p r0)'
    IfSilent stop
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "„${NAME}“ работи. Затворете програмата и опитайте отново." \
        IDRETRY check
    stop:
    SetErrorLevel ${STILL_RUNNING}
    Quit
    notRunning:
!macroend

Function showTitle
    SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:${TITLE}"
FunctionEnd

Function un.showTitle
    SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:${UNINSTALL_TITLE}"
FunctionEnd

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
    ; _?= goes last and unquoted, even with spaces in the folder.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
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
    ; Run in place, the uninstaller cannot delete its own file while it runs
    ; on Windows; it is moved out of the folder into the temporary files.
    Delete "$INSTDIR\uninstall.exe"
    IfFileExists "$INSTDIR\uninstall.exe" 0 removed
    GetTempFileName $0
    Delete $0
    Rename "$INSTDIR\uninstall.exe" $0
    Delete /REBOOTOK $0
    removed:
    RMDir "$INSTDIR"
    ; Whatever is left, the entry stays, so that it can be removed again.
    IfFileExists "$INSTDIR\*.*" 0 gone
    SetErrorLevel ${NOT_ALL_REMOVED}
    Goto done
    gone:
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    done:
SectionEnd
