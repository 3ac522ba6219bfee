; The per-user installer of Zorvat, built by scripts/package:
;   makensis -DZORVAT_EXE=... -DVERSION_NSH=... -DOUTFILE=... package/Zorvat.nsi
; Zorvat keeps Zorvat.ini, Lib\ and its autosave file beside itself, so it goes to the user's own
; programs folder, which the user can write to, and needs no administrator rights.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include "${VERSION_NSH}"

!define PRODUCT "Brumsel! Zorvat"
!define PUBLISHER "Kaldmoor Inc."
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvat"
!define PRODUCT_KEY "Software\Kaldmoor Inc.\Zorvat"
!define LIST_TYPE "Brumsel! ZorvatList"
!define SHORTCUT "Brumsel! Zorvat.lnk"
!define MAIN_WINDOW_CLASS "ZorvatMainWindow"
; ENDSESSION_CLOSEAPP | ENDSESSION_CRITICAL: the program is closed to be replaced, and nobody is
; asked; Zorvat then saves what is unsaved on its own.
!define ENDSESSION_FLAGS 0x40000001
; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
!define PROCESS_WAIT_AND_NAME 0x101000
!define CLOSE_TIMEOUT_MS 15000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Zorvat"
BrandingText "${PRODUCT} ${ZORVAT_VERSION}"

; The program's version resource names no copyright either.
!pragma warning disable 9100
VIProductVersion "${ZORVAT_VERSION}"
VIFileVersion "${ZORVAT_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${ZORVAT_VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${ZORVAT_VERSION}"

!define MUI_ICON "../res/pictures/zorvat.ico"
!define MUI_UNICON "../res/pictures/zorvat.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zorvat.exe"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Brumsel! Zorvat will be removed from $INSTDIR. Your lists and settings stay there unless you tick the box below."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends the Zorvat that runs from this folder (a copy elsewhere is left alone) as the end of the
; Windows session does: it writes its settings, saves a changed list and exits. A program that is
; still there after the timeout is the user's to close; silently, the setup gives up.
!macro CloseZorvatFunction prefix
  Function ${prefix}CloseZorvat
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    retry:
    StrCpy $5 0
    next:
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" 0 $5
    StrCmp $0 0 done
    StrCpy $5 $0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${PROCESS_WAIT_AND_NAME}, i 0, i r1) p .r2'
    IntCmp $2 0 next
    StrCpy $3 ""
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
    ${If} $3 != "$INSTDIR\Zorvat.exe"
      System::Call 'kernel32::CloseHandle(p r2)'
      Goto next
    ${EndIf}
    DetailPrint "Closing Brumsel! Zorvat ..."
    SendMessage $0 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_FLAGS} $4 /TIMEOUT=${CLOSE_TIMEOUT_MS}
    ${If} $4 <> 0
      StrCpy $4 1
    ${EndIf}
    SendMessage $0 ${WM_ENDSESSION} $4 ${ENDSESSION_FLAGS} $1 /TIMEOUT=${CLOSE_TIMEOUT_MS}
    System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_TIMEOUT_MS}) i .r1'
    ${If} $1 <> 0
    ${AndIf} $4 <> 0
      ; A Zorvat that lets the session end but stays: its close command.
      System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
      System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_TIMEOUT_MS}) i .r1'
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r2)'
    ${If} $1 <> 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Brumsel! Zorvat is still running. Close it, then click Retry." /SD IDCANCEL IDRETRY retry
      Abort "Brumsel! Zorvat is still running."
    ${EndIf}
    Goto retry
    done:
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro CloseZorvatFunction ""
!insertmacro CloseZorvatFunction "un."

Section "-Program"
  Call CloseZorvat
  SetOutPath "$INSTDIR"
  File "${ZORVAT_EXE}"
  ; A first settings file that switches the scheduler on at start. One already there, or one
  ; in the middle of being replaced (Zorvat puts its whole copy back), is the user's and stays.
  ${IfNot} ${FileExists} "$INSTDIR\Zorvat.ini"
  ${AndIfNot} ${FileExists} "$INSTDIR\Zorvat.ini.~save.tmp"
    File "Zorvat.ini"
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\Zorvat.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${ZORVAT_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zorvat.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The program's own files only: the lists and settings beside them are the user's.
  ${GetSize} "$INSTDIR" "/M=*.exe /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; What the program registers at each start, under HKEY_LOCAL_MACHINE or, refused there, under
; HKEY_CURRENT_USER; removed only where it names this installation, so that another copy's
; registration stays.
!macro RemoveRegistrations root
  ReadRegStr $0 ${root} "${PRODUCT_KEY}" "Directory"
  ${If} $0 == "$INSTDIR\Zorvat.exe"
    DeleteRegKey ${root} "${PRODUCT_KEY}"
    DeleteRegKey /ifempty ${root} "Software\Kaldmoor Inc."
  ${EndIf}
  ReadRegStr $0 ${root} "Software\Classes\${LIST_TYPE}\Shell\open\command" ""
  StrCpy $1 '"$INSTDIR\Zorvat.exe" "%1"'
  ${If} $0 == $1
    DeleteRegKey ${root} "Software\Classes\${LIST_TYPE}"
    ReadRegStr $0 ${root} "Software\Classes\.zrl" ""
    ${If} $0 == "${LIST_TYPE}"
      DeleteRegKey ${root} "Software\Classes\.zrl"
    ${EndIf}
  ${EndIf}
!macroend

Section "un.Brumsel! Zorvat" UninstallProgram
  SectionIn RO
  Call un.CloseZorvat
  Delete "$INSTDIR\Zorvat.exe"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$SMSTARTUP\${SHORTCUT}"
  !insertmacro RemoveRegistrations HKCU
  !insertmacro RemoveRegistrations HKLM
  ; Explorer shows the list files' icon from the removed program until told.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "un.Also remove my lists and settings" UninstallUserData
  Delete "$INSTDIR\Zorvat.ini"
  Delete "$INSTDIR\Zorvat.stamp"
  Delete "$INSTDIR\*.zrl"
  RMDir /r "$INSTDIR\Lib"
SectionEnd

Section "-un.Entry"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
