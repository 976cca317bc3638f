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


// ---- new-decision chooser and case library -------------------------------------------

