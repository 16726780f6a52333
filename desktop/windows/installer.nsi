; The Windows installer: per user, without administrator rights, into the
; user's own program folder, with a Start-menu shortcut and an entry in the
; system's list of installed programs. /S installs and uninstalls silently.
; The uninstaller removes the program and its shortcut and keeps the player's
; settings (HKCU\Software\Kelvox\Brimal). Neither runs while the game does:
; the files in use could be neither replaced nor removed.
;
; makensis -DVERSION=1.2.4 -DSTAGE=<folder with the program's files>
;          -DICON=<MAINICON.ico> -DOUTFILE=<setup.exe> -DFILES=<files.nsh> installer.nsi
Target amd64-unicode
Unicode true
; Sharp at any display scaling, not stretched by the system.
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "TextFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvox.Brimal"
; The game holds this mutex while it runs (app/PlatformStartWindows.cpp).
!define RUNNING_MUTEX "Local\Kelvox.Brimal.Running"
; Every file that an installer put in the folder, one relative path a line,
; kept across upgrades, so that the uninstaller removes older versions' too.
!define INSTALL_LOG "install.log"
!system 'bash "${__FILEDIR__}/installed-files.sh" "${STAGE}" "${STAGE}/../installed-files.nsh"' = 0

Name "Brimal"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Brimal"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Brimal.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the system's language where it is one of these, and
; the first one otherwise: Japanese on a Japanese system, English elsewhere.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

!macro VersionKeys lang description
    VIAddVersionKey /LANG=${lang} "ProductName" "Brimal"
    VIAddVersionKey /LANG=${lang} "CompanyName" "Kelvox"
    VIAddVersionKey /LANG=${lang} "FileDescription" "${description}"
    VIAddVersionKey /LANG=${lang} "FileVersion" "${VERSION}"
    VIAddVersionKey /LANG=${lang} "ProductVersion" "${VERSION}"
    VIAddVersionKey /LANG=${lang} "LegalCopyright" "Copyright (C) Kelvox"
!macroend
!insertmacro VersionKeys ${LANG_ENGLISH} "Brimal Setup"
!insertmacro VersionKeys ${LANG_JAPANESE} "Brimal セットアップ"

LangString RunningSetup ${LANG_ENGLISH} "Brimal is running. Quit Brimal, then run the setup again."
LangString RunningSetup ${LANG_JAPANESE} "Brimal が実行中です。Brimal を終了してから、もう一度セットアップを実行してください。"
LangString RunningUninstall ${LANG_ENGLISH} "Brimal is running. Quit Brimal, then run the uninstaller again."
LangString RunningUninstall ${LANG_JAPANESE} "Brimal が実行中です。Brimal を終了してから、もう一度アンインストールしてください。"

; Refuses, with the exit code 2 when silent, while the game runs.
!macro RefuseWhileRunning message
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_OK|MB_ICONEXCLAMATION "${message}" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
!macroend

Function .onInit
    !insertmacro RefuseWhileRunning "$(RunningSetup)"
FunctionEnd

Function un.onInit
    !insertmacro RefuseWhileRunning "$(RunningUninstall)"
FunctionEnd

Section "Brimal"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    FileOpen $0 "$INSTDIR\${INSTALL_LOG}" a
    FileSeek $0 0 END
    !include "${STAGE}/../installed-files.nsh"
    FileClose $0
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; The shortcut starts the program in its own folder, where the help
    ; command finds Brimal.txt (and Brimal.en.txt) first.
    CreateShortcut "$SMPROGRAMS\Brimal.lnk" "$INSTDIR\Brimal.exe" "" "$INSTDIR\Brimal.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brimal"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kelvox"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brimal.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Brimal.lnk"
    ; Only the files the installers put there: a folder chosen by the player may
    ; hold others. The log names those of every version installed here; this
    ; version's own list covers a folder without a log.
    Call un.RemoveLoggedFiles
    !include "${FILES}"
    Delete "$INSTDIR\${INSTALL_LOG}"
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

; Deletes each file that the install log names, then each of its folders that
; is left empty. A line that would lead out of the installation folder is
; skipped.
Function un.RemoveLoggedFiles
    GetFullPathName $3 "$INSTDIR"
    StrCpy $3 "$3\"
    StrLen $4 $3
    ClearErrors
    FileOpen $0 "$INSTDIR\${INSTALL_LOG}" r
    IfErrors done
    ${Do}
        ClearErrors
        FileRead $0 $1
        ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
        ${un.TrimNewLines} "$1" $1
        ${If} $1 == ""
            ${Continue}
        ${EndIf}
        GetFullPathName $2 "$INSTDIR\$1"
        StrCpy $5 $2 $4
        ${If} $5 != $3
            ${Continue}
        ${EndIf}
        Delete $2
        ${Do}
            ${un.GetParent} $2 $2
            StrLen $5 $2
            ${IfThen} $5 < $4 ${|} ${ExitDo} ${|}
            RMDir $2
        ${Loop}
    ${Loop}
    FileClose $0
done:
FunctionEnd
