// The names assistive technology reads: the visible, enabled controls of a window that
// take a click (buttons, and statics that report clicks) but have no window text, which
// a screen reader would announce as nameless.  Window tests loop it over their dialogs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace kit::testing {

inline bool takes_click(HWND control) {
  wchar_t kind[16] = {};
  GetClassNameW(control, kind, 16);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (lstrcmpiW(kind, L"Button") == 0) return (style & BS_TYPEMASK) != BS_GROUPBOX;
  if (lstrcmpiW(kind, L"Static") == 0) return (style & SS_NOTIFY) != 0;
  return false;
}

// The ids of window's children that take a click and have no name, except those in skip.
inline std::vector<int> unnamed_controls(HWND window, std::vector<int> skip = {}) {
  std::vector<int> ids;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if (IsWindowVisible(child) && IsWindowEnabled(child) && takes_click(child) && GetWindowTextLengthW(child) == 0 &&
        std::find(skip.begin(), skip.end(), id) == skip.end())
      ids.push_back(id);
  }
  return ids;
}

}  // namespace kit::testing
