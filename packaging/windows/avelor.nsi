; The setup program of Avelor for Windows, made by scripts/build-windows:
;   makensis -DVERSION=3.39 -DSTAGE=<folder with the program> -DOUTFILE=<setup.exe> -DICON=<avelor.ico> avelor.nsi
; Installs into Program Files with a start-menu entry and an uninstaller. The
; breeder's data lie in the application-data folder and are never touched here.
; A 64-bit setup program for a 64-bit program (it runs where Wine has no 32-bit part either).
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define PRODUCT "Avelor Abstammungsnachweis"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Avelor"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Avelor"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\avelor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunProgram)"
; The setup asks for its language, German first, and the uninstaller keeps it.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "SetupLanguage"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString RunProgram ${LANG_GERMAN} "${PRODUCT} starten"
LangString RunProgram ${LANG_ENGLISH} "Start ${PRODUCT}"
LangString RunProgram ${LANG_DUTCH} "${PRODUCT} starten"
LangString RunProgram ${LANG_FRENCH} "Lancer ${PRODUCT}"
LangString RunProgram ${LANG_SPANISH} "Iniciar ${PRODUCT}"
LangString RunProgram ${LANG_ITALIAN} "Avvia ${PRODUCT}"
LangString RunProgram ${LANG_PORTUGUESE} "Iniciar ${PRODUCT}"
LangString Needs64Bit ${LANG_GERMAN} "Avelor braucht ein 64-Bit-Windows."
LangString Needs64Bit ${LANG_ENGLISH} "Avelor needs a 64-bit Windows."
LangString Needs64Bit ${LANG_DUTCH} "Avelor heeft een 64-bits Windows nodig."
LangString Needs64Bit ${LANG_FRENCH} "Avelor nécessite un Windows 64 bits."
LangString Needs64Bit ${LANG_SPANISH} "Avelor necesita un Windows de 64 bits."
LangString Needs64Bit ${LANG_ITALIAN} "Avelor richiede un Windows a 64 bit."
LangString Needs64Bit ${LANG_PORTUGUESE} "O Avelor precisa de um Windows de 64 bits."

Function .onInit
    SetRegView 64
    !insertmacro MUI_LANGDLL_DISPLAY
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(Needs64Bit)"
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Avelor"
    SetShellVarContext all ; the start-menu entry for every user, as the program is
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    CreateDirectory "$SMPROGRAMS\Avelor"
    CreateShortcut "$SMPROGRAMS\Avelor\${PRODUCT}.lnk" "$INSTDIR\avelor.exe"
    CreateShortcut "$SMPROGRAMS\Avelor\Avelor deinstallieren.lnk" "$INSTDIR\Deinstallieren.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\avelor.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the setup put there goes: a folder the breeder chose that holds other files keeps them.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Avelor\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\Avelor\Avelor deinstallieren.lnk"
    RMDir "$SMPROGRAMS\Avelor"

    Delete "$INSTDIR\avelor.exe"
    Delete "$INSTDIR\avelor-export.exe"
    Delete "$INSTDIR\avelor-import.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\LIZENZ.txt"
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\fonts"
    Delete "$INSTDIR\Deinstallieren.exe"
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
