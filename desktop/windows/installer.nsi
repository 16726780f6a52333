; The Windows installer: per user, without administrator rights, into the
; user's own program folder, with a Start-menu shortcut and an entry in the
; system's list of installed programs. /S installs and uninstalls silently.
; The uninstaller removes the program and its shortcut and keeps the player's
; settings (HKCU\Software\Kelvox\Brimal).
;
; makensis -DVERSION=1.2.4 -DSTAGE=<folder with the program's files>
;          -DICON=<MAINICON.ico> -DOUTFILE=<setup.exe> -DFILES=<files.nsh> installer.nsi
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvox.Brimal"

Name "Brimal"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Brimal"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Brimal"
VIAddVersionKey /LANG=1041 "CompanyName" "Kelvox"
VIAddVersionKey /LANG=1041 "FileDescription" "Brimal セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (C) Kelvox"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Brimal.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Brimal"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; The shortcut starts the program in its own folder, where the help
    ; command finds Brimal.txt first.
    CreateShortcut "$SMPROGRAMS\Brimal.lnk" "$INSTDIR\Brimal.exe" "" "$INSTDIR\Brimal.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brimal"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kelvox"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brimal.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Brimal.lnk"
    ; Only the files the installer put there: a folder chosen by the player may
    ; hold others.
    !include "${FILES}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR\imageformats"
    RMDir "$INSTDIR\translations"
    RMDir "$INSTDIR\licenses\common-licenses"
    RMDir "$INSTDIR\licenses"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
