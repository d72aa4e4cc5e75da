; Velmora's Windows installer, made by tools/make-windows.sh with Debian's nsis:
;   makensis -DVERSION=... -DSTAGE=<the program's folder> -DOUTFILE=... -DICON=... installer.nsi
; Installs for the current user (no administrator needed) or for everyone, adds a Start menu
; entry and an uninstaller that removes only the files it installed: the user's own files
; (setting.ini and the catalogue in %APPDATA%\Velmora, or anything put beside the program) stay.
; /S installs silently for the current user; /AllUsers for everyone.
; A 64-bit installer for a 64-bit program; it also runs where Windows' 32-bit layer is missing
; (Wine without wine32).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "Velmora"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velmora.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\README.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\Velmora.exe" "" "$INSTDIR\Velmora.exe" 0
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Velmora developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section Uninstall
    ; The installed files by name (make-windows.sh lists them), then their folders if empty.
    !include "${STAGE}.uninstall.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Velmora.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
