; The per-user installer of Ridoduvuzi Zedez: a 64-bit program that needs no administrator rights
; and installs into the user's own program folder. scripts/package.sh runs makensis with:
;   /DVERSION=1.10 /DVERSION_QUAD=1.10.0.0   the version users see, and the four-part one
;   /DYEAR=2026                              the release's year
;   /DSTAGE=folder                           zedez.exe and the texts that go with it
;   /DICON=file                              the program's icon
;   /DOUTFILE=file                           the installer to write
;   /DSIGN=command                           (optional) signs the uninstaller: command "file"
;
; It claims nothing it did not do: a file that cannot be written, a copy that does not close, a
; folder that holds other files, an invalid folder or an older version over a newer one end it
; with a message (silent: exit code 2) before the Apps entry or the shortcut are written.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinMessages.nsh

!define APP "Ridoduvuzi Zedez"
!define WINDOW_CLASS "RidoduvuziZedezMain"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RidoduvuziZedez"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Korvane-Software\Magnifier"
!define SHORTCUT "$SMPROGRAMS\${APP}.lnk"
!define CLOSE_WAIT_MS 10000

; Where the install began, for .onInstFailed: the folder's DirState (-1 none, 0 empty, 1 not
; empty) and the deepest of it and its parents that was there ("" when none was).
Var FolderState
Var FolderThere

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "Korvane"
SetOverwrite try  ; a file that cannot be written sets the error flag instead of asking
!ifdef SIGN
!uninstfinalize `${SIGN} "%1"` = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckTarget
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zedez.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

VIProductVersion ${VERSION_QUAD}
VIFileVersion ${VERSION_QUAD}
VIAddVersionKey ProductName "${APP}"
VIAddVersionKey CompanyName "Korvane"
VIAddVersionKey FileDescription "${APP} ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (c) ${YEAR} Korvane"

; Expands the macro named for every file the installer writes besides the uninstaller.
!macro FOR_EACH_FILE what
    !insertmacro ${what} zedez.exe
    !insertmacro ${what} README.txt
    !insertmacro ${what} LICENSE.txt
    !insertmacro ${what} THIRD-PARTY-NOTICES.txt
!macroend
!macro DELETE_FILE name
    Delete "$INSTDIR\${name}"
!macroend
!macro ADD_SIZE name  ; to $1
    FileOpen $5 "$INSTDIR\${name}" r
    FileSeek $5 0 END $6
    FileClose $5
    IntOp $1 $1 + $6
!macroend

; Tells the user why (unless silent) and ends with exit code 2; in the directory page's check,
; the user stays on the page instead.
!macro FAIL text
    MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
    SetErrorLevel 2
    Abort "${text}"
!macroend

; Closes every running copy the way the user would (WM_CLOSE: it stores its settings and ends),
; after asking unless silent, and waits for each process, not its window, to end. Cancel, or a
; process still there after CLOSE_WAIT_MS, ends the (un)install before any file is touched.
!macro CLOSE_RUNNING_COPIES un
Function ${un}CloseRunningCopies
    FindWindow $0 "${WINDOW_CLASS}"
    ${If} $0 <> 0
        MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "${APP} is running.$\r$\n$\r$\nOK closes it (it stores its settings first); Cancel stops here." /SD IDOK IDOK +3
        SetErrorLevel 2
        Abort "${APP} is still running."
    ${EndIf}
    ${DoWhile} $0 <> 0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'  ; SYNCHRONIZE
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
        StrCpy $3 1
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r3'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${EndIf}
        ${If} $3 <> 0  ; not WAIT_OBJECT_0
            !insertmacro FAIL "${APP} did not close. Close it and try again."
        ${EndIf}
        FindWindow $0 "${WINDOW_CLASS}"
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPIES ""
!insertmacro CLOSE_RUNNING_COPIES "un."

; $R0: a folder that may hold a copy of the program. Refuses (or, interactive, asks) when that copy
; is newer than this installer's.
Function RefuseDowngrade
    ClearErrors
    GetDLLVersion "$R0\zedez.exe" $1 $2
    ${IfNot} ${Errors}
        IntOp $3 $1 >> 16
        IntOp $1 $1 & 0xFFFF
        IntOp $4 $2 >> 16
        IntOp $2 $2 & 0xFFFF
        StrCpy $1 "$3.$1.$4.$2"
        ${VersionCompare} $1 ${VERSION_QUAD} $3
        ${If} $3 = 1
            MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$R0 holds a newer version of ${APP} ($1).$\r$\n$\r$\nReplace it with the older ${VERSION}?" /SD IDNO IDYES +3
            SetErrorLevel 2
            Abort "A newer version ($1) is installed in $R0."
        ${EndIf}
    ${EndIf}
FunctionEnd

; $0: "" when $INSTDIR holds nothing but this program's uninstaller, known by its name and its
; version information (the English block that VIAddVersionKey writes), as an uninstall run in place
; (_?=) leaves it; "other" otherwise.
Function OnlyOwnUninstaller
    StrCpy $0 ""
    FindFirst $1 $2 "$INSTDIR\*"
    ${DoWhile} $2 != ""
        ${If} $2 != "."
        ${AndIf} $2 != ".."
        ${AndIf} $2 != "uninstall.exe"
            StrCpy $0 other
        ${EndIf}
        FindNext $1 $2
    ${Loop}
    FindClose $1
    System::Alloc 4096  ; more than the uninstaller's version information
    Pop $1
    StrCpy $4 1
    System::Call 'version::GetFileVersionInfoW(w "$INSTDIR\uninstall.exe", i 0, i 4096, p r1) i .r2'
    ${If} $2 <> 0
        System::Call 'version::VerQueryValueW(p r1, w "\StringFileInfo\040904e4\ProductName", *p .r2, *i .r5) i .r3'
        ${If} $3 <> 0
            System::Call 'kernel32::lstrcmpW(p r2, w "${APP}") i .r4'
        ${EndIf}
    ${EndIf}
    System::Free $1
    ${If} $4 <> 0
        StrCpy $0 other
    ${EndIf}
FunctionEnd

; The folder must be a real one that the installer may call its own: not a drive's root, not under
; a file, and empty or holding this program (or only its uninstaller); and no newer version may be
; installed.
Function CheckTarget
    ${GetRoot} $INSTDIR $0
    ${If} $0 == ""
    ${OrIf} $INSTDIR == $0
    ${OrIf} $INSTDIR == "$0\"
        !insertmacro FAIL "$INSTDIR is not a folder to install into: choose a full path below a drive."
    ${EndIf}
    StrCpy $1 $INSTDIR
    ${DoUntil} $1 == ""
        ${If} ${FileExists} "$1"
        ${AndIfNot} ${FileExists} "$1\*.*"
            !insertmacro FAIL "$1 is a file, not a folder. Choose a folder."
        ${EndIf}
        ${GetParent} $1 $1
    ${Loop}
    ${DirState} $INSTDIR $0
    ${If} $0 = 1
    ${AndIfNot} ${FileExists} "$INSTDIR\zedez.exe"
        Call OnlyOwnUninstaller
    ${EndIf}
    ${If} $0 == other
        !insertmacro FAIL "$INSTDIR already holds other files. Choose an empty or new folder, or the folder of ${APP}."
    ${EndIf}
    StrCpy $R0 $INSTDIR
    Call RefuseDowngrade
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" InstallLocation
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
        Call RefuseDowngrade
    ${EndIf}
FunctionEnd

Function .onInit
    SetShellVarContext current
    ${IfNot} ${Silent}
        Return
    ${EndIf}
    ; NSIS puts its default in the place of a /D= it finds invalid (a drive's root, a quoted path):
    ; the folder asked for is checked instead, so that nothing is installed elsewhere.
    System::Call 'kernel32::GetCommandLineW() t .r0'
    ${WordFind} $0 "/D=" "E+1}" $1
    ${IfNot} ${Errors}
        StrCpy $2 $1 1 -1
        ${If} $2 == '"'
            StrCpy $1 $1 -1
        ${EndIf}
        StrCpy $INSTDIR $1
    ${EndIf}
    Call CheckTarget
FunctionEnd

Section
    ${DirState} $INSTDIR $FolderState
    StrCpy $FolderThere $INSTDIR
    ${Do}
        ${IfThen} ${FileExists} "$FolderThere\*.*" ${|} ${ExitDo} ${|}
        ${GetParent} $FolderThere $FolderThere
    ${LoopUntil} $FolderThere == ""

    ; Can the folder be written at all? Asked before a running copy is closed and before the copy
    ; installed elsewhere goes.
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\zedez.exe.new" w
    FileClose $0
    Delete "$INSTDIR\zedez.exe.new"
    ${If} ${Errors}
        !insertmacro FAIL "$INSTDIR cannot be written."
    ${EndIf}
    Call CloseRunningCopies

    ; One installed copy: the one in another folder is uninstalled (silently, keeping the
    ; settings); its autorun entry comes here.
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" InstallLocation
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
    ${AndIf} ${FileExists} "$R0\uninstall.exe"
        ReadRegStr $R1 HKCU "${RUN_KEY}" "zedez.exe"
        ExecWait '"$R0\uninstall.exe" /S _?=$R0' $0
        ${If} $0 <> 0
            !insertmacro FAIL "The copy of ${APP} in $R0 could not be removed."
        ${EndIf}
        Delete "$R0\uninstall.exe"
        RMDir "$R0"
        ${If} $R1 == "$\"$R0\zedez.exe$\""
        ${OrIf} $R1 == "$R0\zedez.exe"
            WriteRegStr HKCU "${RUN_KEY}" "zedez.exe" "$\"$INSTDIR\zedez.exe$\""
        ${EndIf}
    ${EndIf}

    ; The program first: when a process still holds it, nothing else is replaced.
    ; (Testing the error flag clears it.)
    ClearErrors
    SetOutPath "$INSTDIR"
    File "${STAGE}/zedez.exe"
    StrCpy $8 error
    ${IfNot} ${Errors}
        File "${STAGE}/README.txt"
        File "${STAGE}/LICENSE.txt"
        File "${STAGE}/THIRD-PARTY-NOTICES.txt"
        WriteUninstaller "$INSTDIR\uninstall.exe"
        CreateShortcut "${SHORTCUT}" "$INSTDIR\zedez.exe" "" "$INSTDIR\zedez.exe" 0
        ${IfNot} ${Errors}
            StrCpy $8 ""
        ${EndIf}
    ${EndIf}
    ${If} $8 == error
        !insertmacro FAIL "Not every file could be written to $INSTDIR; ${APP} is not installed."
    ${EndIf}

    ; The size of what was installed, in KiB.
    StrCpy $1 0
    !insertmacro FOR_EACH_FILE ADD_SIZE
    !insertmacro ADD_SIZE uninstall.exe
    IntOp $1 $1 + 1023
    IntOp $1 $1 / 1024
    ${GetTime} "" "L" $2 $3 $4 $5 $6 $7 $8

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "Korvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallDate "$4$3$2"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\zedez.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $1
    SetErrorLevel 0  ; a folder refused on the directory page before does not count
SectionEnd

; An install that ended early removes what it wrote: this program's files, unless the folder held
; some before, and the folders it created. The user's files, and folders holding them, stay.
Function .onInstFailed
    ${If} $FolderState < 1
        !insertmacro FOR_EACH_FILE DELETE_FILE
        Delete "$INSTDIR\uninstall.exe"
    ${EndIf}
    StrCpy $0 $INSTDIR
    ${DoUntil} $0 == $FolderThere
        RMDir "$0"
        ${GetParent} $0 $0
    ${Loop}
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section Uninstall
    Call un.CloseRunningCopies

    ; Only what the installer wrote: other files in the folder, and the folder with them, stay.
    ; The program goes first, and nothing else changes unless it went: while another program holds
    ; it open (a virus scanner may), this copy stays whole, its autorun entry and Apps entry too.
    ; (Testing the error flag clears it.) Run in place (_?=), the uninstaller cannot remove
    ; itself; whoever ran it does.
    ClearErrors
    Delete "$INSTDIR\zedez.exe"
    ${If} ${Errors}
        !insertmacro FAIL "${APP} is still in use; nothing was removed."
    ${EndIf}

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

    ClearErrors  ; a missing autorun value set it
    !insertmacro FOR_EACH_FILE DELETE_FILE
    ${If} $EXEPATH != "$INSTDIR\uninstall.exe"
        Delete "$INSTDIR\uninstall.exe"
    ${EndIf}
    ${If} ${Errors}
        !insertmacro FAIL "Not every file of ${APP} could be removed from $INSTDIR."
    ${EndIf}
    RMDir "$INSTDIR"

    ; The Apps entry and the shortcut only when they are this copy's.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" InstallLocation
    ${If} $0 == $INSTDIR
        Delete "${SHORTCUT}"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}

    ; The settings stay unless the user asks otherwise: a later install finds them again.
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Remove your settings of ${APP} too?$\r$\n$\r$\nNo keeps them for a later install." /SD IDNO IDNO +3
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Korvane-Software"
SectionEnd
