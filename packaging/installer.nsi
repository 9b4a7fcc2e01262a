; The installer of Ovel Launch Bar: a per-user install that needs no
; administrator rights. Built by the olb_package target, which passes
;   /DVERSION=x.y.z /DSTAGE=<folder with the files> /DICON=<icon>
;   /DBITMAP=<welcome picture> /DOUTFILE=<setup.exe>
; Silent: "setup.exe /S" (add /AUTOSTART=1 or /AUTOSTART=0 to choose whether
; the bar starts with Windows; without it an upgrade keeps the current choice
; and a fresh install does not start with Windows; any other value is refused).
; Silent removal: "Uninstall.exe /S" keeps the user's shortcuts and settings.
;
; What it never does: write into a folder holding files it did not put
; there (such a folder is refused with a message, not swapped for a
; subfolder the user did not choose), replace a file it did not install, or report success when the
; program could not be replaced or removed. Exit codes: 0 done, 1 cancelled,
; 2 refused (a bad option or folder; nothing written), 3 failed (the running
; program could not be replaced or removed; Apps & Features unchanged).
;
; The install list (Uninstall.lst in the program's folder) names, one full
; path a line, every file this installer wrote; the uninstaller removes only
; those, and only when they are plain files (never a link or junction).

Unicode true
!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include TextFunc.nsh
!include WinMessages.nsh

!macro REQUIRE name
  !ifndef ${name}
    !error "makensis needs /D${name}=..."
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE STAGE
!insertmacro REQUIRE ICON
!insertmacro REQUIRE BITMAP
!insertmacro REQUIRE OUTFILE

!define PRODUCT "Ovel Launch Bar"
!define PUBLISHER "Vantrel Software"
!define EXE "OvelLaunchBar.exe"
!define HELP "OvelLaunchBar.CHM"
!define LICENSE "License.txt"
!define UNINSTALLER "Uninstall.exe"
!define LIST "Uninstall.lst"
!define BAR_CLASS "TOVB_Form1"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\${PUBLISHER}\${PRODUCT}"
!define SHORTCUTS_DIR "$APPDATA\${PRODUCT}"
!define MENU_LINK "$SMPROGRAMS\${PRODUCT}.lnk"
; The longest folder whose files all stay within the shell's 260 characters
; (the folder, a backslash, the longest file name, the terminator).
!define MAX_DIR_LENGTH 240
!define EXIT_REFUSED 2
!define EXIT_FAILED 3
!define FILE_ATTRIBUTE_DIRECTORY 0x10
!define FILE_ATTRIBUTE_REPARSE_POINT 0x400

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; The user's own programs folder (what Windows calls UserProgramFiles).
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}.0"
VIAddVersionKey "ProductVersion" "${VERSION}.0"
VIAddVersionKey "LegalCopyright" "Copyright (c) ${PUBLISHER}"

Var Autostart     ; "1": the bar starts with Windows
Var AutostartBox
Var BarWasRunning ; "1": the installer closed a running bar, which starts again
Var OurFolder     ; "1": $INSTDIR is where Apps & Features says we are installed

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${BITMAP}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "${PRODUCT} is a launch bar: it docks to an edge of the screen and shows a folder of your shortcuts, one subfolder per category.$\r$\n$\r$\nThis setup installs it for you alone and needs no administrator rights. Installing over an older version closes the running bar and keeps your shortcuts and settings.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
Page custom AutostartPage AutostartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running bar to close (as its Exit command does), waits until its
; window is gone and its program file can be replaced, at most ten seconds.
; Sets $BarWasRunning to 1 when a bar was running.
!macro CLOSE_BAR_FUNCTION prefix
Function ${prefix}CloseBar
  StrCpy $BarWasRunning 0
  FindWindow $0 "${BAR_CLASS}"
  ${If} $0 == 0
    Return
  ${EndIf}
  StrCpy $BarWasRunning 1
  DetailPrint "Closing the running ${PRODUCT}"
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${BAR_CLASS}"
    ${If} $0 == 0
      Call ${prefix}ProgramIsFree
      ${If} $0 == 1
        ${ExitDo}
      ${EndIf}
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 > 100
      ${ExitDo}
    ${EndIf}
    Sleep 100
  ${Loop}
FunctionEnd

; Sets $0 to 1 when the program file is missing or can be opened for
; writing (no running copy holds it), else 0.
Function ${prefix}ProgramIsFree
  StrCpy $0 1
  ${If} ${FileExists} "$INSTDIR\${EXE}"
    ClearErrors
    FileOpen $2 "$INSTDIR\${EXE}" a
    ${If} ${Errors}
      StrCpy $0 0
    ${Else}
      FileClose $2
    ${EndIf}
  ${EndIf}
FunctionEnd

; Sets $0 to 1 when the Run value starts the program of this install (in the
; quoted form written today or the unquoted one of older versions).
Function ${prefix}RunValueIsOurs
  ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
  StrCpy $0 0
  ${If} $1 == '"$INSTDIR\${EXE}"'
  ${OrIf} $1 == "$INSTDIR\${EXE}"
    StrCpy $0 1
  ${EndIf}
FunctionEnd

; Sets $0 to 1 when the path on the stack is a line of the install list.
; Without a list (a folder installed by an older setup that Apps & Features
; names) the files every setup wrote count as listed.
Function ${prefix}IsListed
  Exch $R0
  Push $R1
  Push $R2
  StrCpy $0 0
  ${If} ${FileExists} "$INSTDIR\${LIST}"
    ClearErrors
    FileOpen $R1 "$INSTDIR\${LIST}" r
    ${IfNot} ${Errors}
      ${Do}
        ClearErrors
        FileReadUTF16LE $R1 $R2
        ${If} ${Errors}
          ${ExitDo}
        ${EndIf}
        ${${prefix}TrimNewLines} $R2 $R2
        ${If} $R2 == $R0
          StrCpy $0 1
          ${ExitDo}
        ${EndIf}
      ${Loop}
      FileClose $R1
    ${EndIf}
  ${ElseIf} $OurFolder == 1
    ${If} $R0 == "$INSTDIR\${EXE}"
    ${OrIf} $R0 == "$INSTDIR\${HELP}"
    ${OrIf} $R0 == "$INSTDIR\${LICENSE}"
    ${OrIf} $R0 == "$INSTDIR\${UNINSTALLER}"
    ${OrIf} $R0 == "${MENU_LINK}"
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; Sets $OurFolder: 1 when Apps & Features names $INSTDIR as our install.
Function ${prefix}FindOurFolder
  StrCpy $OurFolder 0
  ClearErrors
  ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
  ${IfNot} ${Errors}
  ${AndIf} $0 != ""
  ${AndIf} $0 == $INSTDIR
    StrCpy $OurFolder 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_BAR_FUNCTION ""
!insertmacro CLOSE_BAR_FUNCTION "un."

; Sets $0 to the reason the chosen folder cannot take the program, or "".
; A folder is refused when its path is too long, when it is a file, or when
; it holds anything and is not our install; our install is refused when a
; file of one of our names is there that no setup of ours wrote.
Function CheckFolder
  Call FindOurFolder
  StrLen $1 $INSTDIR
  ${If} $1 > ${MAX_DIR_LENGTH}
    StrCpy $0 "The folder's path is $1 characters long: with the program's files inside, it would pass the 260 characters Windows allows for a file's path.$\n$\nChoose a folder whose path has at most ${MAX_DIR_LENGTH} characters."
    Return
  ${EndIf}
  StrCpy $0 ""
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    ${If} ${FileExists} "$INSTDIR"
      StrCpy $0 "$INSTDIR is a file, not a folder.$\n$\nChoose a folder for ${PRODUCT}."
    ${EndIf}
    Return
  ${EndIf}
  ${If} $OurFolder != 1
    FindFirst $1 $2 "$INSTDIR\*.*"
    ${DoWhile} $2 != ""
      ${If} $2 != "."
      ${AndIf} $2 != ".."
        StrCpy $0 "The folder $INSTDIR already holds files that ${PRODUCT} did not put there.$\n$\nChoose an empty or new folder, for example one named ${PRODUCT}."
        ${ExitDo}
      ${EndIf}
      FindNext $1 $2
    ${Loop}
    FindClose $1
    Return
  ${EndIf}
  ; Our install: the files of our names there must be ours.
  ${ForEach} $3 1 4 + 1
    ${Select} $3
      ${Case} 1
        StrCpy $4 "${EXE}"
      ${Case} 2
        StrCpy $4 "${HELP}"
      ${Case} 3
        StrCpy $4 "${LICENSE}"
      ${Case} 4
        StrCpy $4 "${UNINSTALLER}"
    ${EndSelect}
    ${If} ${FileExists} "$INSTDIR\$4"
      Push "$INSTDIR\$4"
      Call IsListed
      ${If} $0 != 1
        StrCpy $0 "The folder $INSTDIR holds a file $4 that ${PRODUCT} did not install; it is kept as it is.$\n$\nChoose another folder, or move that file away first."
        Return
      ${EndIf}
      StrCpy $0 ""
    ${EndIf}
  ${Next}
FunctionEnd

; Refuses: a message (a silent install tells by its exit code alone), then
; the installer ends with nothing written.
!macro REFUSE text
  MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
  SetErrorLevel ${EXIT_REFUSED}
  Quit
!macroend

Function .onInit
  SetShellVarContext current
  Call RunValueIsOurs
  StrCpy $Autostart $0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 S== 1
      StrCpy $Autostart 1
    ${ElseIf} $R1 S== 0
      StrCpy $Autostart 0
    ${Else}
      !insertmacro REFUSE "/AUTOSTART=$R1 is not understood: use /AUTOSTART=1 to start ${PRODUCT} with Windows or /AUTOSTART=0 not to.$\n$\nNothing was installed or changed."
    ${EndIf}
  ${EndIf}
  ; A silent install has no folder page: the folder is checked here, before
  ; anything is written.
  ${If} ${Silent}
    Call CheckFolder
    ${If} $0 != ""
      !insertmacro REFUSE "$0"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  Call CheckFolder
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$0"
    Abort
  ${EndIf}
FunctionEnd

Function AutostartPage
  !insertmacro MUI_HEADER_TEXT "Start with Windows" "Choose whether the bar starts when you sign in."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 36u "${PRODUCT} can start by itself each time you sign in to Windows.$\r$\nYou can switch this off later in Windows' list of startup apps."
  Pop $0
  ${NSD_CreateCheckbox} 0 44u 100% 12u "&Start ${PRODUCT} with Windows"
  Pop $AutostartBox
  ${If} $Autostart == 1
    ${NSD_Check} $AutostartBox
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function AutostartPageLeave
  ${NSD_GetState} $AutostartBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Autostart 1
  ${Else}
    StrCpy $Autostart 0
  ${EndIf}
FunctionEnd

; A bar the upgrade started again needs no second start.
Function FinishShow
  ${If} $BarWasRunning == 1
    ${NSD_Uncheck} $mui.FinishPage.Run
  ${EndIf}
FunctionEnd

; Ends the install as failed: what is already there stays, Apps & Features
; is not touched.
!macro FAIL text
  DetailPrint "${text}"
  MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
  SetErrorLevel ${EXIT_FAILED}
  Abort "${text}"
!macroend

; Writes one file of the stage into $INSTDIR and adds it to the new list;
; any failure fails the install.
!macro INSTALL_FILE name
  ClearErrors
  File "${STAGE}\${name}"
  ${If} ${Errors}
    !insertmacro FAIL "${PRODUCT} could not write $INSTDIR\${name}."
  ${EndIf}
  FileWriteUTF16LE $9 "$INSTDIR\${name}$\r$\n"
!macroend

Section "Install"
  SetShellVarContext current
  ; The folder page checked the folder; the check is repeated for a folder
  ; that changed since (and for silent installs it ran in .onInit).
  Call CheckFolder
  ${If} $0 != ""
    !insertmacro FAIL "$0"
  ${EndIf}
  Call CloseBar
  Call ProgramIsFree
  ${If} $0 != 1
    !insertmacro FAIL "${PRODUCT} is still running and could not be replaced: close what it shows (a question or a message box) and run the setup again.$\n$\nNothing was changed."
  ${EndIf}

  ; Whether the Start menu entry there now is ours, asked of the old list.
  StrCpy $8 1
  ${If} ${FileExists} "${MENU_LINK}"
    Push "${MENU_LINK}"
    Call IsListed
    StrCpy $8 $0
  ${EndIf}

  SetOutPath "$INSTDIR"
  SetOverwrite on
  ; The new list is written beside the old one and replaces it at the end.
  ClearErrors
  FileOpen $9 "$INSTDIR\${LIST}.new" w
  ${If} ${Errors}
    !insertmacro FAIL "${PRODUCT} could not write into $INSTDIR."
  ${EndIf}
  FileWriteUTF16LE /BOM $9 ""
  !insertmacro INSTALL_FILE "${EXE}"
  !insertmacro INSTALL_FILE "${HELP}"
  !insertmacro INSTALL_FILE "${LICENSE}"
  ClearErrors
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ${If} ${Errors}
    !insertmacro FAIL "${PRODUCT} could not write $INSTDIR\${UNINSTALLER}."
  ${EndIf}
  FileWriteUTF16LE $9 "$INSTDIR\${UNINSTALLER}$\r$\n"
  ; A Start menu entry of that name that is not ours stays as it is.
  ${If} $8 == 1
    CreateShortcut "${MENU_LINK}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
    FileWriteUTF16LE $9 "${MENU_LINK}$\r$\n"
  ${EndIf}
  FileClose $9
  Delete "$INSTDIR\${LIST}"
  Rename "$INSTDIR\${LIST}.new" "$INSTDIR\${LIST}"

  ; The same value the program's own Autoload writes: its quoted full path.
  ${If} $Autostart == 1
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${EXE}"'
  ${Else}
    Call RunValueIsOurs
    ${If} $0 == 1
      DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
  ${EndIf}

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0

  ; The bar the upgrade closed comes back.
  ${If} $BarWasRunning == 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

; Counts what the folder on the stack holds, adding to $R8 (files) and $R9
; (folders); a link or junction counts as one folder and is not entered.
Function un.CountTree
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  FindFirst $R1 $R2 "$R0\*.*"
  ${DoWhile} $R2 != ""
    ${If} $R2 != "."
    ${AndIf} $R2 != ".."
      System::Call 'kernel32::GetFileAttributesW(w "$R0\$R2") i .R3'
      IntOp $R3 $R3 & ${FILE_ATTRIBUTE_DIRECTORY}
      ${If} $R3 == 0
        IntOp $R8 $R8 + 1
      ${Else}
        IntOp $R9 $R9 + 1
        System::Call 'kernel32::GetFileAttributesW(w "$R0\$R2") i .R3'
        IntOp $R3 $R3 & ${FILE_ATTRIBUTE_REPARSE_POINT}
        ${If} $R3 == 0
          Push "$R0\$R2"
          Call un.CountTree
        ${EndIf}
      ${EndIf}
    ${EndIf}
    FindNext $R1 $R2
  ${Loop}
  FindClose $R1
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; "1 file" or "N files": $0 = count, $1 = singular, $2 = plural -> $0.
Function un.Counted
  ${If} $0 == 1
    StrCpy $0 "1 $1"
  ${Else}
    StrCpy $0 "$0 $2"
  ${EndIf}
FunctionEnd

; Moves the shortcuts folder to the Recycle Bin with the shell, which moves
; it whole (links inside stay links) and asks before it would ever delete
; for good (an item too large for the bin, a drive without one). Sets $0 to
; 1 when the folder is gone.
Function un.RecycleShortcuts
  ; pFrom is a list ending in two NULs: a zeroed buffer longer than the path.
  System::Call '*(&w${NSIS_MAX_STRLEN})p.r1'
  System::Call '*$1(&w${NSIS_MAX_STRLEN} "${SHORTCUTS_DIR}")'
  ; SHFILEOPSTRUCTW as a 32-bit program lays it out (packed): FO_DELETE,
  ; FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING.
  System::Call '*(p $HWNDPARENT, i 3, p r1, p 0, &i2 0x4050, i 0, p 0, p 0)p.r2'
  System::Call 'shell32::SHFileOperationW(p r2)i.r3'
  System::Free $2
  System::Free $1
  StrCpy $0 1
  ${If} ${FileExists} "${SHORTCUTS_DIR}\*.*"
    StrCpy $0 0
  ${EndIf}
FunctionEnd

; Removes one listed file: only a plain file of that path, never a link.
!macro UNINSTALL_FILE path
  Push "${path}"
  Call un.IsListed
  ${If} $0 == 1
    System::Call 'kernel32::GetFileAttributesW(w "${path}") i .r1'
    IntOp $1 $1 & ${FILE_ATTRIBUTE_REPARSE_POINT}
    ${If} $1 == 0
      Delete "${path}"
    ${EndIf}
  ${EndIf}
!macroend

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.FindOurFolder
  Call un.CloseBar
  ; The program first: when it cannot go, nothing else does, and the
  ; uninstaller stays to try again.
  !insertmacro UNINSTALL_FILE "$INSTDIR\${EXE}"
  ${If} ${FileExists} "$INSTDIR\${EXE}"
    DetailPrint "${PRODUCT} could not be removed"
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is still running and could not be removed: close what it shows (a question or a message box) and uninstall again.$\n$\nNothing was removed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}
  !insertmacro UNINSTALL_FILE "$INSTDIR\${HELP}"
  !insertmacro UNINSTALL_FILE "$INSTDIR\${LICENSE}"
  !insertmacro UNINSTALL_FILE "${MENU_LINK}"
  !insertmacro UNINSTALL_FILE "$INSTDIR\${UNINSTALLER}"
  Delete "$INSTDIR\${LIST}"
  ; Only if empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  ; A Run value that starts another copy (a portable one) is not ours.
  Call un.RunValueIsOurs
  ${If} $0 == 1
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINST_KEY}"

  ; The shortcuts folder holds what the user dropped on the bar (documents
  ; too, not only shortcuts): it is theirs, kept unless they say otherwise,
  ; and then it goes to the Recycle Bin. A silent removal keeps it.
  ${If} $APPDATA == ""
  ${OrIfNot} ${FileExists} "${SHORTCUTS_DIR}\*.*"
    Return
  ${EndIf}
  StrCpy $R8 0
  StrCpy $R9 0
  Push "${SHORTCUTS_DIR}"
  Call un.CountTree
  StrCpy $0 $R8
  StrCpy $1 "file"
  StrCpy $2 "files"
  Call un.Counted
  StrCpy $R8 $0
  StrCpy $0 $R9
  StrCpy $1 "folder"
  StrCpy $2 "folders"
  Call un.Counted
  StrCpy $R9 $0
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Also move your shortcuts folder to the Recycle Bin, and remove the bar's settings?$\n$\n${SHORTCUTS_DIR}$\nholds $R8 and $R9: your shortcuts and whatever else was dropped on the bar.$\n$\nChoose No to keep them for a later install." \
    /SD IDNO IDNO keep
  Call un.RecycleShortcuts
  ${If} $0 != 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "Your shortcuts folder was not moved to the Recycle Bin and is kept:$\n$\n${SHORTCUTS_DIR}"
    Goto keep
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
  keep:
SectionEnd
