// Resource and control ids of facelore.exe, shared by the resource script and the code.
#pragma once

#define IDS_ABOUT_MENU 101
#define IDD_FACELORE_MAIN 102
#define IDI_FACELORE 128

// The windows: the About box template and the system-menu command that opens it.
#define IDD_FACELORE_ABOUT 100
#define IDM_ABOUT 16

// Controls of the main window.
#define IDC_PART_LIST 1000
#define IDC_FEATURE_LIST 1001
#define IDC_OPTION_LIST 1002
#define IDC_ANALYSE 1003
#define IDC_DEFINITION_BOX 1004
#define IDC_HEADING 1005
#define IDC_CHARACTER_BOX 1006
#define IDC_ADVICE_BOX 1007
#define IDC_RESULT_1 1008
#define IDC_RESULT_2 1009
#define IDC_RESULT_3 1010
#define IDC_RESULT_4 1011
#define IDC_ABOUT 1015
#define IDC_CLOSE 1017
#define IDC_PART_PROMPT 1018
#define IDC_FEATURE_PROMPT 1019
#define IDC_OPTION_PROMPT 1020
#define IDC_INSTALLER 1029

// Control of the About box: the web address link.
#define IDC_WEB_LINK 1027

// Pictures painted at build time by tools/painter (see facelore/layout.h for their
// sizes and key colours).
#define IDB_ADVICE_BOX 130
#define IDB_DEFINITION_BOX 131
#define IDB_CHARACTER_BOX 132
#define IDB_ANALYSE_NORMAL 133
#define IDB_ANALYSE_HOVER 134
#define IDC_HAND_POINTER 136
#define IDB_WEB_ADDRESS 143
#define IDB_INSTALL_NORMAL 150
#define IDB_INSTALL_HOVER 151
