; SPDX-License-Identifier: GPL-3.0-or-later
; Installer for qx210 on Windows (x86_64). scripts/windows.sh runs
;   makensis -DVERSION=.. -DSTAGE=<folder with the program> -DOUTFILE=.. -DHELPFILE=.. qx210.nsi
; The user chooses an install for everybody (Program Files, needs
; administrator rights) or for this user only (no rights needed).

; A 64-bit installer: the program is 64-bit, and so Wine without 32-bit support runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APPNAME "QX-210 Radio Software"
!define APPKEY "qx210"
!define PROGID "qx210.DataFile"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPKEY}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APPNAME}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "Software\${APPKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "Software\${APPKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "qx210 ${VERSION}"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\qx210.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString GuideName ${LANG_ENGLISH} "User guide"
LangString GuideName ${LANG_SIMPCHINESE} "使用说明"
LangString FileTypeName ${LANG_ENGLISH} "QX-210 radio data"
LangString FileTypeName ${LANG_SIMPCHINESE} "QX-210 对讲机数据"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "This program needs 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${APPNAME}"
  CreateShortcut "$SMPROGRAMS\${APPNAME}\${APPNAME}.lnk" "$INSTDIR\qx210.exe"
  CreateShortcut "$SMPROGRAMS\${APPNAME}\$(GuideName).lnk" "$INSTDIR\${HELPFILE}"
  CreateShortcut "$SMPROGRAMS\${APPNAME}\Uninstall.lnk" "$INSTDIR\uninstall.exe"

  ; .DAT files open with the program.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(FileTypeName)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\qx210.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\qx210.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\.DAT" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\.DAT\OpenWithProgids" "${PROGID}" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr SHCTX "Software\${APPKEY}" "InstallDir" "$INSTDIR"
  WriteRegStr SHCTX "Software\${APPKEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\qx210.exe"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "qx210 developers"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APPNAME}\*.lnk"
  RMDir "$SMPROGRAMS\${APPNAME}"
  ; Only what the installer put there: a parameter file the program wrote
  ; beside itself stays out of this list, so RMDir leaves the folder then.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\licenses"
  RMDir /r "$INSTDIR\plans"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.html"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir "$INSTDIR"

  ReadRegStr $0 SHCTX "Software\Classes\.DAT" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegValue SHCTX "Software\Classes\.DAT" ""
  DeleteRegValue SHCTX "Software\Classes\.DAT\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.DAT\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.DAT"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "Software\${APPKEY}"
  DeleteRegKey SHCTX "${UNINSTKEY}"
SectionEnd
