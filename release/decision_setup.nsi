; decision's installer: the program, its pictures, help.chm and the case library exp\ into
; a folder of the user's choice, a Start menu folder, an optional desktop shortcut, an
; entry in the list of installed programs, and ".dec" files registered to open in the
; program with an icon of their own.  The uninstaller removes exactly the files the
; installer wrote (installer_files.nsh, generated at build time from the staged program
; folder) and leaves everything else, and the folder with it; the registration of ".dec"
; goes only while it still opens this installation's program.
;
; Defined on makensis's command line by release/CMakeLists.txt:
;   PRODUCT_DEFINES (product.nsh: PRODUCT_NAME, PRODUCT_MAKER, VERSION_MAJOR, VERSION_MINOR,
;   VERSION_TEXT from release/product.h, PROGRAM_ICON, and DOCUMENT_ICON_ID, the id of the
;   icon of decision files in decision.exe), FILE_LIST (installer_files.nsh)
;   and OUTPUT_FILE.
; Silent: decision_setup.exe /S /D=C:\folder (the folder last and without quotes).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "${PRODUCT_DEFINES}"
!include "${FILE_LIST}"

!define PROGRAM_EXE "decision.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\decision"
!define START_MENU_FOLDER "$SMPROGRAMS\${PRODUCT_NAME}"
!define DESKTOP_SHORTCUT "$DESKTOP\${PRODUCT_NAME}.lnk"
; Decision files: the extension names the program identifier, under the maker's name,
; whose open command starts the program with the file.
!define DOC_EXTENSION_KEY "Software\Classes\.dec"
!define PROG_ID "${PRODUCT_MAKER}.decision.1"
!define PROG_ID_KEY "Software\Classes\${PROG_ID}"
!define OPEN_COMMAND '"$INSTDIR\${PROGRAM_EXE}" "%1"'
; SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, 0, 0): the shell shows the new icon and
; command at once.
!define NOTIFY_ASSOCIATION_CHANGED "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Name "${PRODUCT_NAME} ${VERSION_TEXT}"
OutFile "${OUTPUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT_NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_MAKER}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${PROGRAM_ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT_NAME} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PRODUCT_MAKER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "${PRODUCT_MAKER}"

; Shortcuts and the registry entry are for every user of the machine; the 64-bit view
; of the registry is the one the list of installed programs reads.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; The program reads its pictures from its working folder: started in the install folder.
Function StartProgram
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${PROGRAM_EXE}"'
FunctionEnd

Section "!${PRODUCT_NAME} 程序文件" SectionProgram
  SectionIn RO
  ; Files of an earlier installation are overwritten; files the user added stay.
  !insertmacro INSTALL_FILES
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; A shortcut's working folder is the output folder when it is made: the install folder.
  CreateDirectory "${START_MENU_FOLDER}"
  CreateShortcut "${START_MENU_FOLDER}\${PRODUCT_NAME}.lnk" "$INSTDIR\${PROGRAM_EXE}"
  CreateShortcut "${START_MENU_FOLDER}\${PRODUCT_NAME} 帮助.lnk" "$INSTDIR\help.chm"
  CreateShortcut "${START_MENU_FOLDER}\卸载 ${PRODUCT_NAME}.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_TEXT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT_MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_EXE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${INSTALLED_SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; For every user, like the shortcuts and the entry above.
  WriteRegStr HKLM "${DOC_EXTENSION_KEY}" "" "${PROG_ID}"
  WriteRegStr HKLM "${PROG_ID_KEY}" "" "${PRODUCT_NAME} 决策文件"
  WriteRegStr HKLM "${PROG_ID_KEY}\DefaultIcon" "" '"$INSTDIR\${PROGRAM_EXE}",-${DOCUMENT_ICON_ID}'
  WriteRegStr HKLM "${PROG_ID_KEY}\shell\open\command" "" '${OPEN_COMMAND}'
  System::Call '${NOTIFY_ASSOCIATION_CHANGED}'
SectionEnd

Section "桌面快捷方式" SectionDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "${DESKTOP_SHORTCUT}" "$INSTDIR\${PROGRAM_EXE}"
SectionEnd

Section "Uninstall"
  !insertmacro UNINSTALL_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "${START_MENU_FOLDER}\${PRODUCT_NAME}.lnk"
  Delete "${START_MENU_FOLDER}\${PRODUCT_NAME} 帮助.lnk"
  Delete "${START_MENU_FOLDER}\卸载 ${PRODUCT_NAME}.lnk"
  RMDir "${START_MENU_FOLDER}"
  Delete "${DESKTOP_SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The registration of ".dec" goes only while it opens this folder's program: another
  ; installation (or program) that took it over keeps it.
  ReadRegStr $0 HKLM "${PROG_ID_KEY}\shell\open\command" ""
  ${If} $0 == '${OPEN_COMMAND}'
    DeleteRegKey HKLM "${PROG_ID_KEY}"
    ReadRegStr $1 HKLM "${DOC_EXTENSION_KEY}" ""
    ${If} $1 == "${PROG_ID}"
      DeleteRegValue HKLM "${DOC_EXTENSION_KEY}" ""
      DeleteRegKey /ifempty HKLM "${DOC_EXTENSION_KEY}"
    ${EndIf}
    System::Call '${NOTIFY_ASSOCIATION_CHANGED}'
  ${EndIf}
  ; Removed only when nothing else is left in it.
  SetOutPath "$TEMP"
  RMDir "$INSTDIR"
SectionEnd
