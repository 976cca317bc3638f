// Resource and control ids and window messages of decision.exe, shared by the resource
// script and the code; one section per window.
#pragma once

// ---- main window ---------------------------------------------------------------------
#define IDD_DECISION_MAIN 102
#define IDI_DECISION 128


// ---- small and large input boxes -----------------------------------------------------
#define IDD_SMALL_INPUT_BOX 157
#define IDD_BIG_INPUT_BOX 190
#define IDC_SMALL_INPUT_TEXT 1082
#define IDC_BIG_INPUT_TEXT 1130
// Both boxes: the save button is the default button; the don't-save button carries the
// platform's cancel id, so Esc and Alt+F4 end a box the way it does.
#define IDC_INPUT_BOX_OK 1041
#define IDC_INPUT_BOX_CANCEL 2
// The edits' backgrounds and the save / don't-save pictures both boxes share.
#define IDB_SMALL_INPUT_TEXT 189
#define IDB_BIG_INPUT_TEXT 191
#define IDB_INPUT_BOX_OK 201
#define IDB_INPUT_BOX_OK_HOVER 202
#define IDB_INPUT_BOX_CANCEL 203
#define IDB_INPUT_BOX_CANCEL_HOVER 204


// ---- probability and value pickers ---------------------------------------------------
// The probability picker: template, and its eleven scale buttons for probabilities 0..10
// (consecutive ids, IDC_PROBABILITY_0 + p).
#define IDD_PROBABILITY_PICKER 183
#define IDC_PROBABILITY_0 1126
#define IDC_PROBABILITY_10 1136
// The value picker: template, its 21 scale buttons for values -10..+10 (consecutive ids,
// IDC_VALUE_0 + value + 10; the range overlaps the probability picker's, a separate
// dialog), and the switch of the evaluation method (the template's default button).
#define IDD_VALUE_PICKER 184
#define IDC_VALUE_0 1127
#define IDC_VALUE_20 1147
#define IDC_METHOD_SWITCH 1148
// The method switch's pictures, a hover/normal pair per method.
#define IDB_METHOD_EVALUATION 215
#define IDB_METHOD_EVALUATION_HOVER 220
#define IDB_METHOD_PREFERENCE 219
#define IDB_METHOD_PREFERENCE_HOVER 233
#define IDB_METHOD_UTILITY 232
#define IDB_METHOD_UTILITY_HOVER 216
// Window messages posted to a picker's owner after every choice (wParam 1, lParam 0);
// the owner then reads the picker's value.
#define PROBABILITY_PICKED 1124
#define VALUE_PICKED 1125


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


// ---- alternative panel ---------------------------------------------------------------


// ---- About box -----------------------------------------------------------------------
// The box, its link to the product's web address, and the picture the link shows.
#define IDD_DECISION_ABOUT 100
#define IDC_ABOUT_LINK 1161
#define IDB_ABOUT_WEB_ADDRESS 253

