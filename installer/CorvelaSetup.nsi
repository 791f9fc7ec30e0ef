; The suite's installer: one script for both builds. The build (installer/CMakeLists.txt) hands in
;   TARGET            x86-unicode (the product, Windows XP and later) or amd64-unicode (run here
;                     under 64-bit Wine by the tests)
;   DIST              the build's dist folder (the four programs and config.bin)
;   OUTFILE           where CorvelaSetup.exe goes
;   VERSION           the suite's version, four numbers
;   MACHINE_DEFAULTS  the machine defaults as NSIS commands (scripts/write-machine-defaults --nsis)
;   ICON              the suite's icon
;   WIZARD_BITMAP     the picture of the welcome and finish pages
;
; It installs into Program Files\Brevant\Corvela (or the folder chosen, or the folder of an earlier
; install), writes the machine defaults key for that folder, starts the tray program at every logon
; through the machine's Run list and registers itself with Add/Remove Programs. It never writes the
; user's settings (HKCU\Software\Brevant\Corvela), so a reinstall keeps them; its uninstaller asks
; whether to remove them.
;
; Switches besides NSIS's own (/S silent, /D=folder):
;   uninstaller /REMOVESETTINGS   removes the settings of the user who runs it without asking (a
;                                 silent uninstall keeps them otherwise)

Unicode true
Target ${TARGET}

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Cor Vela"
!define PUBLISHER "Brevant"
!define MACHINE_KEY "Software\Brevant\Corvela"
!define USER_KEY "Software\Brevant\Corvela"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Perchlet"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvela"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The programs are built for the installer's own architecture: the x86 installer puts the 32-bit
; programs into the 32-bit Program Files (and its registry writes land in the 32-bit view that they
; read); the amd64 one puts the 64-bit programs into the 64-bit folder.
!if "${TARGET}" == "amd64-unicode"
InstallDir "$PROGRAMFILES64\Brevant\Corvela"
!else
InstallDir "$PROGRAMFILES\Brevant\Corvela"
!endif
; A reinstall goes where the suite already is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Perchlet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartTrayNow)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

; The installer speaks the language of the system it runs on: Korean where the user interface
; language is Korean (0x412), as the programs' own string tables do, English everywhere else (the
; first language is the fallback).
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Korean"
!include /CHARSET=UTF8 "English.nsh"
!include /CHARSET=UTF8 "Korean.nsh"

!include /CHARSET=UTF8 "${MACHINE_DEFAULTS}"
!include /CHARSET=UTF8 "EndPrograms.nsh"

; Program Files and HKLM need an administrator; on XP nothing elevates, so say it instead of
; failing half-way.
!macro REQUIRE_ADMIN
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
!macroend

Function .onInit
    !insertmacro REQUIRE_ADMIN
FunctionEnd

Function un.onInit
    !insertmacro REQUIRE_ADMIN
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    ; Running programs of an earlier install hold their files.
    Call EndSuitePrograms
    SetOverwrite on
    File "${DIST}\Corvela.exe"
    File "${DIST}\Lumivox.exe"
    File "${DIST}\Perchlet.exe"
    File "${DIST}\Tallyset.exe"
    File "${DIST}\config.bin"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The defaults are the installer's own: a key left by an earlier version is replaced whole.
    DeleteRegKey HKLM "${MACHINE_KEY}"
    ClearErrors
    !insertmacro WRITE_MACHINE_DEFAULTS
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Perchlet.exe"'

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvela.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    ${If} ${Errors}
        DetailPrint "$(RegistryFailed)"
        MessageBox MB_OK|MB_ICONSTOP "$(RegistryFailed)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
SectionEnd

; Deletes one file of the install; a file still held by a program that could not be ended goes at
; the next restart.
!macro REMOVE_FILE name
    ClearErrors
    Delete "$INSTDIR\${name}"
    ${If} ${Errors}
        Delete /REBOOTOK "$INSTDIR\${name}"
    ${EndIf}
!macroend

Section "Uninstall"
    Call un.EndSuitePrograms
    !insertmacro REMOVE_FILE "Corvela.exe"
    !insertmacro REMOVE_FILE "Lumivox.exe"
    !insertmacro REMOVE_FILE "Perchlet.exe"
    !insertmacro REMOVE_FILE "Tallyset.exe"
    !insertmacro REMOVE_FILE "config.bin"
    ; The index file that the panel and the settings dialog keep while they run.
    !insertmacro REMOVE_FILE "Pellary.ini"
    !insertmacro REMOVE_FILE "${UNINSTALLER}"
    ; Only what is empty: the folder may hold files of the user's, and it is never removed with
    ; its contents.
    RMDir /REBOOTOK "$INSTDIR"
    ${GetParent} "$INSTDIR" $0
    ${GetFileName} "$0" $1
    ${If} $1 == "Brevant"
        RMDir "$0"
    ${EndIf}

    DeleteRegKey HKLM "${MACHINE_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Brevant"
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    Call un.RemoveUserSettings
SectionEnd

; The menu items and settings are the user's: asked for, kept in a silent uninstall unless the
; switch asks for their removal.
Function un.RemoveUserSettings
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        Goto remove
    ${EndIf}
    IfSilent keep
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsQuestion)" IDYES remove
    keep:
        DetailPrint "$(SettingsKept)"
        Return
    remove:
        DeleteRegKey HKCU "${USER_KEY}"
        DeleteRegKey /ifempty HKCU "Software\Brevant"
        DetailPrint "$(SettingsRemoved)"
FunctionEnd
