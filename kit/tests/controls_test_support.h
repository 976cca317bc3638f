// Shared by the control tests and their resource script: the dialog and control ids,
// and (for C++ only) the stripes' colours and the common controls' start-up.
#pragma once

#define IDD_LINK_TEST 100
#define IDC_LINK 1001
#define IDC_LINK_CENTER_IMAGE 1002
#define IDC_LINK_CENTER 1003
#define IDC_LINK_RIGHT 1004

#define IDD_LIST_TEST 200
#define IDC_LIST 2001
#define IDC_LIST_OTHER 2002

#define IDD_EDITS_TEST 300
#define IDC_PICTURE 3001
#define IDC_BITMAP_EDIT 3002
#define IDC_COLOR_EDIT 3003
#include "kit/tests/stripes_picture.h"

#ifndef RC_INVOKED

#include <windows.h>

#include <cstdint>

#include "kit/this_process.h"

namespace kit_test {

inline COLORREF stripe_color(int x) { return stripe_rgb(x).colorref(); }

// The common controls, once per process.
inline void start_once() {
  static bool started = false;
  if (!started) kit::set_up_this_process();
  started = true;
}

inline int brightest_channel(COLORREF c) {
  int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return r > g ? (r > b ? r : b) : (g > b ? g : b);
}

}  // namespace kit_test

#endif  // RC_INVOKED
