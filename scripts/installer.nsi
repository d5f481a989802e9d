; The installer of zorn, built by scripts/package.sh with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=3.3.0 -DOUTFILE=... -DEXE32=... -DEXE64=...
;            -DDOCS=<docs folder> -DDEMO=<demo settings folder> -DTOP=<source folder>
; It installs for the current user, with no administrator rights, into a
; folder the user chooses; the default, %LOCALAPPDATA%\Programs\ZORN, is one
; the user can write to, as the program keeps config.ini and
; user_settings.ini beside itself. A folder the user cannot write to (such as
; Program Files) is refused with the reason. The 64-bit program is installed
; on 64-bit Windows, the 32-bit one elsewhere. The uninstaller removes the
; program and leaves the settings files and the journal in place unless the
; user asks for them to go (a question, or /REMOVESETTINGS when silent).
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORN"

Name "ЗОРН ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ZORN"
InstallDirRegKey HKCU "Software\Vorant\ZORN" "InstallDir"
ShowInstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "ЗОРН"
VIAddVersionKey /LANG=0 "CompanyName" "Vorant"
VIAddVersionKey /LANG=0 "LegalCopyright" "Vorant"
VIAddVersionKey /LANG=0 "FileDescription" "ЗОРН ${VERSION} — установка"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorn.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString NotWritable ${LANG_RUSSIAN} "В папку $INSTDIR нельзя записывать без прав администратора.$\r$\nЗОРН хранит настройки рядом с программой, поэтому выберите папку, доступную для записи (например, предложенную)."
LangString NotWritable ${LANG_ENGLISH} "You cannot write to $INSTDIR without administrator rights.$\r$\nZORN keeps its settings beside the program: choose a folder you can write to (such as the one proposed)."
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить также настройки (config.ini, user_settings.ini) и журнал событий из $INSTDIR?"
LangString RemoveSettings ${LANG_ENGLISH} "Also delete the settings (config.ini, user_settings.ini) and the event journal in $INSTDIR?"
LangString GuideLink ${LANG_RUSSIAN} "Руководство оператора"
LangString GuideLink ${LANG_ENGLISH} "Operator's guide"
LangString UninstallLink ${LANG_RUSSIAN} "Удалить ЗОРН"
LangString UninstallLink ${LANG_ENGLISH} "Uninstall ZORN"

; Leaves $0 at 1 when a file can be made in $INSTDIR, else 0.
!macro WritableTest
  StrCpy $0 0
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $1 "$INSTDIR\zorn-write-test.tmp" w
  ${IfNot} ${Errors}
    FileClose $1
    Delete "$INSTDIR\zorn-write-test.tmp"
    StrCpy $0 1
  ${EndIf}
!macroend

Function CheckFolderPage
  !insertmacro WritableTest
  ${If} $0 == 0
    MessageBox MB_ICONEXCLAMATION|MB_OK "$(NotWritable)"
    Abort
  ${EndIf}
FunctionEnd

Section "ZORN"
  ; A silent installation skips the folder page: the test is made here too.
  !insertmacro WritableTest
  ${If} $0 == 0
    MessageBox MB_ICONEXCLAMATION|MB_OK "$(NotWritable)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}

  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=zorn.exe" "${EXE64}"
  ${Else}
    File "/oname=zorn.exe" "${EXE32}"
  ${EndIf}
  File "/oname=operator-guide.md" "${DOCS}\operator-guide.md"
  File "/oname=CHANGELOG.md" "${TOP}\CHANGELOG.md"
  SetOutPath "$INSTDIR\images"
  File "${DOCS}\images\*.png"
  ; The demonstration settings as an example; the program's own settings
  ; files are made by its first start and never overwritten here.
  SetOutPath "$INSTDIR\example"
  File "${DEMO}\config.ini"
  File "${DEMO}\user_settings.ini"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Vorant\ZORN" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ЗОРН ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vorant"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorn.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  SetShellVarContext current
  CreateDirectory "$SMPROGRAMS\ЗОРН"
  CreateShortcut "$SMPROGRAMS\ЗОРН\ЗОРН.lnk" "$INSTDIR\zorn.exe" "" "$INSTDIR\zorn.exe" 0
  CreateShortcut "$SMPROGRAMS\ЗОРН\$(GuideLink).lnk" "$INSTDIR\operator-guide.md"
  CreateShortcut "$SMPROGRAMS\ЗОРН\$(UninstallLink).lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\zorn.exe"
  Delete "$INSTDIR\operator-guide.md"
  Delete "$INSTDIR\CHANGELOG.md"
  RMDir /r "$INSTDIR\images"
  RMDir /r "$INSTDIR\example"

  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $R1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDNO IDNO keep
  ${EndIf}
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\user_settings.ini"
  RMDir /r "$INSTDIR\journal"
  keep:

  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"  ; only when nothing is left in it

  SetShellVarContext current
  Delete "$SMPROGRAMS\ЗОРН\*.lnk"
  RMDir "$SMPROGRAMS\ЗОРН"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Vorant\ZORN"
SectionEnd
