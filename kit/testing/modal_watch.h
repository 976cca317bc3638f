// Test support: looking into a modal box while it runs.  A modal box keeps its own
// message loop until it closes, so the test's checks run from a thread timer inside that
// loop.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string_view>

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

// Runs check once on the modal box that owner opens while action runs (action returns
// when the box has closed).  check gets the box and must close it; if it does not, or
// no box appears, the box is closed anyway and the test fails.
template <typename Check>
void while_box_is_open(HWND owner, void (*action)(HWND owner), Check check) {
  struct Watch {
    HWND owner;
    Check* check;
    int ticks = 0;
    bool seen = false;
  };
  static Watch* watch = nullptr;
  Watch current{owner, &check};
  watch = &current;
  constexpr UINT kTickMilliseconds = 50;
  constexpr int kGiveUpTicks = 60;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!watch) return;
    ++watch->ticks;
    HWND box = find_owned_dialog(watch->owner);
    if (box && !watch->seen) {
      watch->seen = true;
      (*watch->check)(box);
      return;
    }
    if (box && watch->ticks > kGiveUpTicks) {
      ADD_FAILURE() << "the box did not close";
      EndDialog(box, IDCANCEL);
    }
  });
  action(owner);
  KillTimer(nullptr, timer);
  watch = nullptr;
  EXPECT_TRUE(current.seen) << "no box opened";
}

}  // namespace kit::testing
