; The per-user installer of Ridoduvuzi Zedez: a 64-bit program that needs no administrator rights
; and installs into the user's own program folder. scripts/package.sh runs makensis with:
;   /DVERSION=1.10 /DVERSION_QUAD=1.10.0.0   the version users see, and the four-part one
;   /DSTAGE=folder                           zedez.exe, README.txt and LICENSE.txt
;   /DOUTFILE=file                           the installer to write
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define APP "Ridoduvuzi Zedez"
!define WINDOW_CLASS "RidoduvuziZedezMain"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RidoduvuziZedez"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Korvane-Software\Magnifier"
!define SHORTCUT "$SMPROGRAMS\${APP}.lnk"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "Korvane"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zedez.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

VIProductVersion ${VERSION_QUAD}
VIAddVersionKey ProductName "${APP}"
VIAddVersionKey CompanyName "Korvane"
VIAddVersionKey FileDescription "${APP} ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (c) 2026 Korvane"

; Closes every running copy the way the user would (WM_CLOSE: it stores its settings and ends),
; after asking unless silent. Cancel, or a copy still there after about ten seconds, aborts.
!macro CLOSE_RUNNING_COPIES un
Function ${un}CloseRunningCopies
    FindWindow $0 "${WINDOW_CLASS}"
    ${If} $0 <> 0
        MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "${APP} is running.$\r$\n$\r$\nOK closes it (it stores its settings first); Cancel stops here." /SD IDOK IDOK +2
        Abort "${APP} is still running."
    ${EndIf}
    StrCpy $1 0
    ${DoWhile} $0 <> 0
        ${If} $1 >= 100
            Abort "${APP} did not close."
        ${EndIf}
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
        Sleep 100
        IntOp $1 $1 + 1
        FindWindow $0 "${WINDOW_CLASS}"
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPIES ""
!insertmacro CLOSE_RUNNING_COPIES "un."

Function .onInit
    SetShellVarContext current
FunctionEnd

Section
    Call CloseRunningCopies
    SetOutPath "$INSTDIR"
    File "${STAGE}/zedez.exe"
    File "${STAGE}/README.txt"
    File "${STAGE}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\zedez.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "Korvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\zedez.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section Uninstall
    Call un.CloseRunningCopies

    ; The autorun entry goes only when it starts this copy: "path", quoted as the program
    ; writes it, or bare; Windows paths compare without regard to case, as StrCmp does.
    ReadRegStr $0 HKCU "${RUN_KEY}" "zedez.exe"
    StrCpy $1 $0 1
    ${If} $1 == '"'
        StrCpy $0 $0 -1 1
    ${EndIf}
    ${If} $0 == "$INSTDIR\zedez.exe"
        DeleteRegValue HKCU "${RUN_KEY}" "zedez.exe"
    ${EndIf}

    Delete "$INSTDIR\zedez.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; The settings stay unless the user asks otherwise: a later install finds them again.
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Remove your settings of ${APP} too?$\r$\n$\r$\nNo keeps them for a later install." /SD IDNO IDNO +3
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Korvane-Software"
SectionEnd
