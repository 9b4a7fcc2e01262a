; The installer of Ovel Launch Bar: a per-user install that needs no
; administrator rights. Built by the olb_package target, which passes
;   /DVERSION=x.y.z /DSTAGE=<folder with the files> /DICON=<icon> /DOUTFILE=<setup.exe>
; Silent: "setup.exe /S" (add /AUTOSTART=1 or /AUTOSTART=0 to choose whether
; the bar starts with Windows; without it an upgrade keeps the current choice
; and a fresh install does not start with Windows).
; Silent removal: "Uninstall.exe /S" keeps the user's shortcuts and settings.

Unicode true
!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!macro REQUIRE name
  !ifndef ${name}
    !error "makensis needs /D${name}=..."
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE STAGE
!insertmacro REQUIRE ICON
!insertmacro REQUIRE OUTFILE

!define PRODUCT "Ovel Launch Bar"
!define PUBLISHER "Vantrel Software"
!define EXE "OvelLaunchBar.exe"
!define BAR_CLASS "TOVB_Form1"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\${PUBLISHER}\${PRODUCT}"
!define SHORTCUTS_DIR "$APPDATA\${PRODUCT}"
!define MENU_LINK "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; The user's own programs folder (what Windows calls UserProgramFiles).
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

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

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
Page custom AutostartPage AutostartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running bar to close (as its Exit command does), waits until its
; window is gone and its program file can be replaced, at most ten seconds.
!macro CLOSE_BAR_FUNCTION prefix
Function ${prefix}CloseBar
  FindWindow $0 "${BAR_CLASS}"
  ${If} $0 == 0
    Return
  ${EndIf}
  DetailPrint "Closing the running ${PRODUCT}"
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${BAR_CLASS}"
    ${If} $0 == 0
      ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
        ${ExitDo}
      ${EndIf}
      ClearErrors
      FileOpen $2 "$INSTDIR\${EXE}" a
      ${IfNot} ${Errors}
        FileClose $2
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
!macroend
!insertmacro CLOSE_BAR_FUNCTION ""
!insertmacro CLOSE_BAR_FUNCTION "un."

; Sets $0 to 1 when the Run value starts the program of this install (in the
; quoted form written today or the unquoted one of older versions).
!macro RUN_VALUE_IS_OURS_FUNCTION prefix
Function ${prefix}RunValueIsOurs
  ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
  StrCpy $0 0
  ${If} $1 == '"$INSTDIR\${EXE}"'
  ${OrIf} $1 == "$INSTDIR\${EXE}"
    StrCpy $0 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro RUN_VALUE_IS_OURS_FUNCTION ""
!insertmacro RUN_VALUE_IS_OURS_FUNCTION "un."

Function .onInit
  SetShellVarContext current
  Call RunValueIsOurs
  StrCpy $Autostart $0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == 1
      StrCpy $Autostart 1
    ${Else}
      StrCpy $Autostart 0
    ${EndIf}
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

Section "Install"
  SetShellVarContext current
  Call CloseBar
  SetOutPath "$INSTDIR"
  File "${STAGE}\${EXE}"
  File "${STAGE}\OvelLaunchBar.CHM"
  File "${STAGE}\License.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "${MENU_LINK}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

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
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.CloseBar
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\OvelLaunchBar.CHM"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only if empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  Delete "${MENU_LINK}"
  ; A Run value that starts another copy (a portable one) is not ours.
  Call un.RunValueIsOurs
  ${If} $0 == 1
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINST_KEY}"

  ; The shortcuts and the docking settings are the user's: kept unless asked.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Also remove your shortcuts folder and the bar's settings?$\n$\n${SHORTCUTS_DIR}$\n$\nChoose No to keep them for a later install." \
    /SD IDNO IDNO keep
  ${If} $APPDATA != ""
    RMDir /r "${SHORTCUTS_DIR}"
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
  keep:
SectionEnd
