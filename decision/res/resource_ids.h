// Resource and control ids and window messages of decision.exe, shared by the resource
// script and the code; one section per window.
#pragma once

// ---- main window ---------------------------------------------------------------------
#define IDD_DECISION_MAIN 102
#define IDI_DECISION 128
// The icon of decision files, which the installer registers for ".dec" (by this number:
// keep the line "#define IDI_DECISION_DOCUMENT value", the installer build reads it).
#define IDI_DECISION_DOCUMENT 129
// The system menu's item that shows the About box, and its text.
#define IDM_ABOUT_BOX 16
// Undo and redo: items of the system menu and commands of the main window's keys.
#define IDM_UNDO 32
#define IDM_REDO 48
// Enter in the main window: the command of its key, which presses the focused button or
// opens the focused summary or cell.
#define IDM_PRESS_FOCUSED 64
// The system menu's recent decisions: entry i (0..3) is command IDM_RECENT_FIRST +
// i * IDM_RECENT_STEP (system menu commands are multiples of 16).
#define IDM_RECENT_FIRST 80
#define IDM_RECENT_STEP 16
#define IDS_ABOUT_MENU_ITEM 101
// The logo, the command column, the two summaries, adding and deleting an alternative.
#define IDC_LOGO 1156
#define IDC_NEW 1000
#define IDC_OPEN 1001
#define IDC_SAVE 1002
#define IDC_SHOW_HELP 1003
#define IDC_ABOUT 1004
#define IDC_EXIT 1129
#define IDC_BACKGROUND_SUMMARY 1043
#define IDC_RECORD_SUMMARY 1049
#define IDC_ADD_ALTERNATIVE 1045
#define IDC_DELETE_ALTERNATIVE 1046
#define IDC_INSERT_AT 1047
#define IDC_DELETE_AT 1048
// The nine grid cells, row by row (consecutive ids, IDC_CELL_1 + i - 1 for alternative i).
#define IDC_CELL_1 1033
#define IDC_CELL_2 1034
#define IDC_CELL_3 1035
#define IDC_CELL_4 1036
#define IDC_CELL_5 1037
#define IDC_CELL_6 1038
#define IDC_CELL_7 1039
#define IDC_CELL_8 1040
#define IDC_CELL_9 1041
// The buttons that name the best, the runner-up and the worst alternative.
#define IDC_BEST 1050
#define IDC_RUNNER_UP 1051
#define IDC_WORST 1052
// The wizard button and the two hints (one place).
#define IDC_START_WIZARD 1150
#define IDC_SEVERAL_BEST_HINT 1152
#define IDC_TOO_CLOSE_HINT 1153
// Hidden buttons of the template the program never uses.
#define IDC_UNUSED_1 1006
#define IDC_UNUSED_9 1014
// Pictures: the command column (normal / hover), the summaries' and the cells'
// backgrounds, the add / delete and wizard buttons, the two hints.
#define IDB_HELP 130
#define IDB_HELP_HOVER 131
#define IDB_SAVE 132
#define IDB_SAVE_HOVER 133
#define IDB_OPEN 134
#define IDB_OPEN_HOVER 135
#define IDB_ABOUT 136
#define IDB_ABOUT_HOVER 137
#define IDB_EXIT 138
#define IDB_EXIT_HOVER 139
#define IDB_NEW 140
#define IDB_NEW_HOVER 141
#define IDB_CELL_PLAIN 177
#define IDB_CELL_WORST 178
#define IDB_CELL_BEST 179
#define IDB_RECORD_SUMMARY 180
#define IDB_BACKGROUND_SUMMARY 181
#define IDB_ADD_ALTERNATIVE_HOVER 205
#define IDB_DELETE_ALTERNATIVE 206
#define IDB_DELETE_ALTERNATIVE_HOVER 207
#define IDB_ADD_ALTERNATIVE 208
#define IDB_START_WIZARD 223
#define IDB_START_WIZARD_HOVER 224
#define IDB_SEVERAL_BEST_HINT 229
#define IDB_TOO_CLOSE_HINT 230
// The button by the rank strip that explains the ranking, and the command column's
// button that exports the decision as a printable page; ids no template gives.
#define IDC_EXPLAIN_RANKING 1190
#define IDC_EXPORT_REPORT 1191
#define IDB_EXPLAIN_RANKING 341
#define IDB_EXPLAIN_RANKING_HOVER 342
#define IDB_EXPORT_REPORT 343
#define IDB_EXPORT_REPORT_HOVER 344


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
// Sent by the value picker's method switch to its owner, and by a panel on to the main
// window: wParam the method (base_of) to switch the decision to.
#define METHOD_SWITCHED 1135


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
// The floating editor of one alternative: its number (in the title strip and again on
// the total's line), its description, adding and deleting a result with the position
// lists, the total and the keep / drop / close commands.
#define IDD_ALTERNATIVE_PANEL 155
#define IDC_PANEL_NUMBER 1018
#define IDC_PANEL_DESCRIPTION 1022
#define IDC_PANEL_ADD_RESULT 1042
#define IDC_PANEL_DELETE_RESULT 1079
#define IDC_PANEL_INSERT_AT 1047
#define IDC_PANEL_DELETE_AT 1048
#define IDC_PANEL_FOOT_NUMBER 1026
#define IDC_PANEL_TOTAL 1040
#define IDC_PANEL_KEEP 1041
#define IDC_PANEL_DROP 1129
#define IDC_PANEL_CLOSE 1155
// The nine result rows: the text, the value button and the probability button of each.
#define IDC_RESULT_TEXT_1 1023
#define IDC_RESULT_TEXT_2 1024
#define IDC_RESULT_TEXT_3 1025
#define IDC_RESULT_TEXT_4 1050
#define IDC_RESULT_TEXT_5 1056
#define IDC_RESULT_TEXT_6 1062
#define IDC_RESULT_TEXT_7 1068
#define IDC_RESULT_TEXT_8 1074
#define IDC_RESULT_TEXT_9 1075
#define IDC_RESULT_VALUE_1 1030
#define IDC_RESULT_VALUE_2 1035
#define IDC_RESULT_VALUE_3 1039
#define IDC_RESULT_VALUE_4 1054
#define IDC_RESULT_VALUE_5 1060
#define IDC_RESULT_VALUE_6 1066
#define IDC_RESULT_VALUE_7 1072
#define IDC_RESULT_VALUE_8 1078
#define IDC_RESULT_VALUE_9 1080
#define IDC_RESULT_PROBABILITY_1 1028
#define IDC_RESULT_PROBABILITY_2 1033
#define IDC_RESULT_PROBABILITY_3 1037
#define IDC_RESULT_PROBABILITY_4 1052
#define IDC_RESULT_PROBABILITY_5 1058
#define IDC_RESULT_PROBABILITY_6 1064
#define IDC_RESULT_PROBABILITY_7 1070
#define IDC_RESULT_PROBABILITY_8 1076
#define IDC_RESULT_PROBABILITY_9 1077
// Pictures: the blank band laid over the rows not in use, and the add and delete
// buttons (hover / normal).  Keep, drop and close show the OK, Cancel and close pairs
// of the section above.
#define IDB_PANEL_BLANK_ROWS 176
#define IDB_ADD_RESULT_HOVER 209
#define IDB_DELETE_RESULT 210
#define IDB_DELETE_RESULT_HOVER 211
#define IDB_ADD_RESULT 212
// Posted by a panel to its owner when it ends: wParam the alternative's number, lParam
// 1 to keep the panel's copy, 0 to drop it.  The owner then destroys the panel.
#define PANEL_CLOSED 1126


// ---- About box -----------------------------------------------------------------------
// The box, its link to the product's web address, and the picture the link shows.
#define IDD_DECISION_ABOUT 100
#define IDC_ABOUT_LINK 1161
#define IDB_ABOUT_WEB_ADDRESS 253



// ---- traps ---------------------------------------------------------------------------
// The ten trap texts: trap n is string IDS_TRAP_1 + n - 1.
#define IDS_TRAP_1 102
#define IDS_TRAP_2 103
#define IDS_TRAP_3 104
#define IDS_TRAP_4 105
#define IDS_TRAP_5 106
#define IDS_TRAP_6 107
#define IDS_TRAP_7 108
#define IDS_TRAP_8 109
#define IDS_TRAP_9 110
#define IDS_TRAP_10 111
// The trap panel beside the wizard pages: its ten trap buttons (consecutive ids; which
// trap each opens is trap_of_button in wizard/trap_panel_layout.h), and the timer of its blink.
#define IDD_TRAP_PANEL 244
#define IDC_TRAP_BUTTON_1 1171
#define IDC_TRAP_BUTTON_2 1172
#define IDC_TRAP_BUTTON_3 1173
#define IDC_TRAP_BUTTON_4 1174
#define IDC_TRAP_BUTTON_5 1175
#define IDC_TRAP_BUTTON_6 1176
#define IDC_TRAP_BUTTON_7 1177
#define IDC_TRAP_BUTTON_8 1178
#define IDC_TRAP_BUTTON_9 1179
#define IDC_TRAP_BUTTON_10 1180
#define IDT_TRAP_BLINK 11
// The trap buttons' pictures: button IDC_TRAP_BUTTON_1 + i shows IDB_TRAP_BUTTON_1 + i,
// and IDB_TRAP_BUTTON_HOVER_1 + i under the pointer (consecutive ids).
#define IDB_TRAP_BUTTON_1 320
#define IDB_TRAP_BUTTON_2 321
#define IDB_TRAP_BUTTON_3 322
#define IDB_TRAP_BUTTON_4 323
#define IDB_TRAP_BUTTON_5 324
#define IDB_TRAP_BUTTON_6 325
#define IDB_TRAP_BUTTON_7 326
#define IDB_TRAP_BUTTON_8 327
#define IDB_TRAP_BUTTON_9 328
#define IDB_TRAP_BUTTON_10 329
#define IDB_TRAP_BUTTON_HOVER_1 330
#define IDB_TRAP_BUTTON_HOVER_2 331
#define IDB_TRAP_BUTTON_HOVER_3 332
#define IDB_TRAP_BUTTON_HOVER_4 333
#define IDB_TRAP_BUTTON_HOVER_5 334
#define IDB_TRAP_BUTTON_HOVER_6 335
#define IDB_TRAP_BUTTON_HOVER_7 336
#define IDB_TRAP_BUTTON_HOVER_8 337
#define IDB_TRAP_BUTTON_HOVER_9 338
#define IDB_TRAP_BUTTON_HOVER_10 339
// The trap dialog: the question and the explanation boxes over their pictures, OK and
// the close button of its title strip (acts as OK).  OK and close show the pictures of
// the new-decision chooser's section.
#define IDD_TRAP_DIALOG 286
#define IDC_TRAP_HEADING 1174
#define IDC_TRAP_BODY 1175
#define IDC_TRAP_OK 1
#define IDC_TRAP_CLOSE 1155
#define IDB_TRAP_BODY 289
#define IDB_TRAP_HEADING 290


// ---- wizard --------------------------------------------------------------------------
// The four pages of the decision wizard: background, alternatives, results, rating.
#define IDD_WIZARD_BACKGROUND 164
#define IDD_WIZARD_ALTERNATIVES 167
#define IDD_WIZARD_RESULTS 171
#define IDD_WIZARD_RATING 174
// On every page: Next (the default button), Back (pages 2 to 4), Cancel (Escape
// presses it) and the side area where the trap panel stands (pages 2 to 4).
#define IDC_WIZARD_NEXT 1086
#define IDC_WIZARD_BACK 1087
#define IDC_WIZARD_CANCEL 2  // IDCANCEL
#define IDC_WIZARD_SIDE_TAB 1157
// Page 1: the background text.
#define IDC_WIZARD_BACKGROUND_TEXT 1085
// Page 2: the number of alternatives and the nine names (consecutive ids).
#define IDC_WIZARD_ALTERNATIVE_COUNT 1097
#define IDC_WIZARD_NAME_1 1088
#define IDC_WIZARD_NAME_9 1096
// Page 3: the current alternative's number and name, its number of results and the
// nine result texts (consecutive ids).
#define IDC_WIZARD_ALTERNATIVE_NUMBER 1109
#define IDC_WIZARD_ALTERNATIVE_NAME 1022
#define IDC_WIZARD_RESULT_COUNT 1108
#define IDC_WIZARD_RESULT_1 1099
#define IDC_WIZARD_RESULT_9 1107
// Page 4: the current pair's numbers and texts, the probability scale (positions 0..10)
// and the value scale (positions 0..20: value - 10), each with its number, and the
// method switch.  The name box is IDC_WIZARD_ALTERNATIVE_NAME as on page 3.
#define IDC_RATING_ALTERNATIVE_NUMBER 1127
#define IDC_RATING_RESULT_NUMBER 1126
#define IDC_RATING_RESULT_TEXT 1111
#define IDC_RATING_PROBABILITY_0 1115
#define IDC_RATING_PROBABILITY_10 1125
#define IDC_RATING_VALUE_0 1128
#define IDC_RATING_VALUE_20 1148
#define IDC_RATING_PROBABILITY_NUMBER 1112
#define IDC_RATING_VALUE_NUMBER 1113
#define IDC_RATING_METHOD 1154
// Pictures (normal / hover): Back and Next when they leave the page, Back and Next
// when they walk within it, Finish; the blank band over the rows not in use.  The
// method switch shows the method pictures of the pickers' section.
#define IDB_WIZARD_BACK_PAGE 196
#define IDB_WIZARD_BACK_PAGE_HOVER 197
#define IDB_WIZARD_NEXT_PAGE 198
#define IDB_WIZARD_NEXT_PAGE_HOVER 199
#define IDB_WIZARD_BACK_HOVER 235
#define IDB_WIZARD_NEXT 236
#define IDB_WIZARD_NEXT_HOVER 237
#define IDB_WIZARD_BACK 238
#define IDB_WIZARD_FINISH 239
#define IDB_WIZARD_FINISH_HOVER 240
#define IDB_WIZARD_BLANK_ROWS 350


// ---- ranking explanation -------------------------------------------------------------
// The dialog the main window's explain button opens: the chart of the totals (drawn by
// the dialog), the box of the sentences on the ranking and the box of the weightiest
// results over their pictures, OK and the close button of its title strip (acts as
// OK).  OK and close show the pictures of the new-decision chooser's section.
#define IDD_RANKING_EXPLANATION 300
#define IDC_EXPLANATION_CHART 1192
#define IDC_EXPLANATION_SENTENCES 1193
#define IDC_EXPLANATION_WEIGHTIEST 1194
#define IDC_EXPLANATION_CLOSE 1195
#define IDC_EXPLANATION_OK 1  // IDOK
#define IDB_EXPLANATION_SENTENCES 345
#define IDB_EXPLANATION_WEIGHTIEST 346
