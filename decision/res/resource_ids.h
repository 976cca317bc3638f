// Resource and control ids and window messages of decision.exe, shared by the resource
// script and the code; one section per window.
#pragma once

// ---- main window ---------------------------------------------------------------------
#define IDD_DECISION_MAIN 102
#define IDI_DECISION 128


// ---- small and large input boxes -----------------------------------------------------


// ---- probability and value pickers ---------------------------------------------------


// ---- new-decision chooser and case library -------------------------------------------
// The chooser: the three ways to begin, the number of alternatives of a blank decision.
#define IDD_NEW_DECISION 150
#define IDC_WIZARD_OPTION 1081
#define IDC_CASE_OPTION 1082
#define IDC_BLANK_OPTION 1083
#define IDC_ALTERNATIVE_COUNT 1151
#define IDC_NEW_DECISION_OK 1003
#define IDC_NEW_DECISION_CANCEL 2  // IDCANCEL: Escape presses it
// The case library.
#define IDD_CASE_LIBRARY 245
#define IDC_CASE_LIST 1158
#define IDC_OPEN_CASE 1041
#define IDC_CASE_LIBRARY_CANCEL 2  // IDCANCEL: Escape presses it
#define IDC_CASE_LIBRARY_CLOSE 1155
#define IDC_MORE_CASES 1083
// Pictures: the option buttons, the OK and Cancel pairs, the close button and the
// more-cases button (hover / normal).
#define IDB_OPTION_OFF 148
#define IDB_OPTION_ON 149
#define IDB_CANCEL_NORMAL 192
#define IDB_CANCEL_HOVER 193
#define IDB_OK_NORMAL 194
#define IDB_OK_HOVER 195
#define IDB_CLOSE_HOVER 241
#define IDB_CLOSE_NORMAL 242
#define IDB_MORE_CASES_NORMAL 247
#define IDB_MORE_CASES_HOVER 248

