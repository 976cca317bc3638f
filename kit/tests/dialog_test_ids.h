// Ids of the dialog tests, shared by dialog_test.rc and dialog_test.cpp.
#pragma once

// A small pop-up without a caption: the floating window of the tests.
#define IDD_FLOATING_TEST 400
// A captioned window with a drop-down list, a list box and two buttons: owner of the
// floating windows and subject of the placement and list tests.
#define IDD_OWNER_TEST 401
// A template that does not exist.
#define IDD_MISSING_TEST 499

#define IDC_TEST_COMBO 4001
#define IDC_TEST_LIST 4002
#define IDC_TEST_BUTTON 4003
#define IDC_TEST_OTHER_BUTTON 4004
// A control that no template has.
#define IDC_TEST_MISSING 4099

// The painted stripes of the control tests, as a button picture.
#define IDB_TEST_STRIPES 4100
// A cursor resource that does not exist.
#define IDC_TEST_NO_POINTER 4199
