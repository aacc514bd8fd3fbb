; The setup program of Quorvane for Windows (NSIS). Without administrator rights it installs for the
; current user; run as administrator, for all users (/CurrentUser and /AllUsers choose). The player's
; data folder, %APPDATA%\Quorvane, is the program's: the uninstaller leaves it in place.
; Given by scripts/pacchetto-windows.sh: VERSIONE, ICONA, LICENZA, ELENCHI (the folder of the
; lists installa.nsh and rimuovi.nsh made from the files to install), DIMENSIONE_KB, USCITA.
; A 64-bit setup program for a 64-bit program: Windows on 32 bits refuses it before it starts.
Target amd64-unicode
SetCompressor /SOLID lzma

!define CHIAVE_DISINSTALLA "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Quorvane"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

Name "Quorvane ${VERSIONE}"
OutFile "${USCITA}"
!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvane.exe"

VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=1040 "ProductName" "Quorvane"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Quorvane"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "Licenza GPL-3.0 o successive"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENZA}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Quorvane"
  SetOutPath "$INSTDIR"
  ; The files, made by the packaging script from the programs' import tables.
  !include "${ELENCHI}/installa.nsh"
  WriteUninstaller "$INSTDIR\Disinstalla.exe"

  CreateShortCut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\quorvane.exe" "" "$INSTDIR\quorvane.exe" 0
  CreateShortCut "$DESKTOP\Quorvane.lnk" "$INSTDIR\quorvane.exe" "" "$INSTDIR\quorvane.exe" 0

  ; Listed among the installed apps; the uninstaller is told in which mode it was installed.
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "DisplayName" "Quorvane"
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "DisplayVersion" "${VERSIONE}"
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "Publisher" "Quorvane"
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "DisplayIcon" "$INSTDIR\quorvane.exe,0"
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "UninstallString" '"$INSTDIR\Disinstalla.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${CHIAVE_DISINSTALLA}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${CHIAVE_DISINSTALLA}" "NoModify" 1
  WriteRegDWORD SHCTX "${CHIAVE_DISINSTALLA}" "NoRepair" 1
  WriteRegDWORD SHCTX "${CHIAVE_DISINSTALLA}" "EstimatedSize" ${DIMENSIONE_KB}
SectionEnd

Section "Uninstall"
  !include "${ELENCHI}/rimuovi.nsh"
  Delete "$INSTDIR\Disinstalla.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quorvane.lnk"
  Delete "$DESKTOP\Quorvane.lnk"
  DeleteRegKey SHCTX "${CHIAVE_DISINSTALLA}"
SectionEnd
