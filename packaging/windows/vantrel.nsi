; SPDX-License-Identifier: MIT
; The Windows installer. scripts/windows/make-packages runs makensis with
;   -DVERSION=x.y.z -DDIST=<the program folder> -DFILES=<its file lists>
;   -DOUTFILE=<setup.exe>
; An administrator installs for all users into Program Files; anyone else
; (or /CurrentUser) for themselves into %LOCALAPPDATA%\Programs. The user's
; data folder (%LOCALAPPDATA%\Vantrel) is theirs: the uninstaller removes
; exactly the files the installer put in place, and nothing else.

; The programs are 64-bit only, and so is the installer (which also runs
; where Windows or wine has no 32-bit side).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel highest
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define PRODUCT "Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
; The uninstaller beside the programs also tells an installed copy from a
; portable one, which keeps its files in its own folder.
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "MIT licence"

Var AllUsers

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantrel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ProgramRunning ${LANG_ENGLISH} "Vantrel is running. Quit it from its tray icon, then choose Retry."
LangString ProgramRunning ${LANG_RUSSIAN} "Vantrel запущен. Закройте его через значок в трее и нажмите «Повтор»."
LangString ProgramRunning ${LANG_SIMPCHINESE} "Vantrel 正在运行。请从托盘图标退出它，然后选择“重试”。"

; All users when the installer has an administrator's rights and was not
; told /CurrentUser; the registry and the Start menu follow the choice.
Function ChooseInstallMode
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${If} ${Errors}
        UserInfo::GetAccountType
        Pop $R2
        ${If} $R2 == "Admin"
            StrCpy $AllUsers 1
        ${EndIf}
    ${EndIf}
    ${If} $AllUsers == 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; The running program keeps its files open: it is asked to be closed first
; (a silent run gives up and says so in its exit code).
!macro WaitForTheProgram
    ${Do}
        FindWindow $R0 "" "VANTREL"
        ${If} $R0 == 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY +2
        Quit
    ${Loop}
!macroend

Function .onInit
    SetRegView 64
    StrCpy $AllUsers 0
    Call ChooseInstallMode
    ${If} $AllUsers == 1
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
    ; An /D=... on the command line comes in before .onInit and wins.
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/D=" $R1
    ${IfNot} ${Errors}
        StrCpy $INSTDIR $R1
    ${EndIf}
FunctionEnd

Section "Vantrel"
    !insertmacro WaitForTheProgram
    SetOutPath "$INSTDIR"
    !include "${FILES}/install.nsh"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\vantrel.exe"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Vantrel developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantrel.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R0
SectionEnd

Function un.onInit
    SetRegView 64
    StrCpy $AllUsers 0
    ; The copy for all users is the one the machine's key names.
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro WaitForTheProgram
    !include "${FILES}/uninstall.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only emptied folders go: anything the user put there stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
