// Test support: looking into a modal box while it runs.  A modal box keeps its own
// message loop until it closes, so the test's checks run from a thread timer inside that
// loop.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

namespace kit::testing {

// The visible dialog window of this thread that owner owns (a modal box it opened).
inline HWND find_owned_dialog(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        if (std::wstring_view(class_name) == L"#32770" && window != s->owner && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == s->owner) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// How long a box may stay open before the watch takes it for a hang and closes it: far
// longer than any check takes, so that only a box that never closes fails.
inline constexpr ULONGLONG kBoxHangMilliseconds = 30000;

// Runs check once on the modal box that owner opens while action(owner) runs (action
// returns when the box has closed).  check gets the box and must close it; if it does
// not, or no box appears, the box is closed anyway and the test fails.  The box is
// looked for every tick_milliseconds (soak tests look more often).
template <typename Action, typename Check>
void while_box_is_open(HWND owner, Action action, Check check, UINT tick_milliseconds = 50) {
  struct Watch {
    HWND owner;
    Check* check;
    bool seen = false;
    ULONGLONG seen_at = 0;
  };
  static Watch* watch = nullptr;
  Watch current{owner, &check};
  watch = &current;
  const UINT_PTR timer = SetTimer(nullptr, 0, tick_milliseconds, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!watch) return;
    HWND box = find_owned_dialog(watch->owner);
    if (box && !watch->seen) {
      watch->seen = true;
      watch->seen_at = GetTickCount64();
      (*watch->check)(box);
      return;
    }
    if (box && GetTickCount64() - watch->seen_at > kBoxHangMilliseconds) {
      ADD_FAILURE() << "the box did not close";
      EndDialog(box, IDCANCEL);
    }
  });
  action(owner);
  KillTimer(nullptr, timer);
  watch = nullptr;
  EXPECT_TRUE(current.seen) << "no box opened";
}

// Like while_box_is_open for an action that opens several boxes one after the other
// (a chooser, then the box it leads to): each check gets the next box that appears and
// must close it.
template <typename Action>
void while_boxes_are_open(HWND owner, Action action, std::vector<std::function<void(HWND box)>> checks) {
  struct Watch {
    HWND owner;
    std::vector<std::function<void(HWND)>>* checks;
    std::size_t next = 0;
    HWND last = nullptr;
    ULONGLONG last_at = 0;
  };
  static Watch* watch = nullptr;
  Watch current{owner, &checks};
  watch = &current;
  constexpr UINT kTickMilliseconds = 50;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!watch) return;
    HWND box = find_owned_dialog(watch->owner);
    if (box && box != watch->last && watch->next < watch->checks->size()) {
      watch->last = box;
      watch->last_at = GetTickCount64();
      (*watch->checks)[watch->next++](box);
      return;
    }
    if (box && GetTickCount64() - watch->last_at > kBoxHangMilliseconds) {
      ADD_FAILURE() << "a box did not close";
      EndDialog(box, IDCANCEL);
    }
  });
  action(owner);
  KillTimer(nullptr, timer);
  watch = nullptr;
  EXPECT_EQ(current.next, checks.size()) << "fewer boxes opened than expected";
}

}  // namespace kit::testing
