// Test support: the fixture every window test derives from.  All tests of a test program
// run in one process, one after another on one thread, so a test must leave the thread
// as it found it.  After each test the fixture fails the test for every window, seam,
// timer or mouse capture it left behind, then clears them away so that the next test
// starts clean.  It also fails a test that destroyed a dialog object before its window
// or left a floating window's object alive without its window.  The programs' window
// timers are stepped by the test (timers_), never started.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "kit/dialog.h"
#include "kit/message_box.h"
#include "kit/launch.h"
#include "kit/testing/timers.h"

namespace kit::testing {

// A window as a failure message names it: class, title (UTF-8) and handle.
inline std::string describe_window(HWND window) {
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  auto utf8 = [](const wchar_t* text) {
    char out[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof(out) - 1, nullptr, nullptr);
    return std::string(out);
  };
  char handle[32] = {};
  wsprintfA(handle, "%p", static_cast<void*>(window));
  return "class \"" + utf8(class_name) + "\", title \"" + utf8(title) + "\", handle " + handle +
         (IsWindowVisible(window) ? ", visible" : ", hidden");
}

// A window the platform keeps for the thread by itself: the hidden default IME window
// (system class "IME"), which Wine makes beside the thread's first window and removes
// with its last one.  No test makes it, so it is never counted as left behind.
inline bool is_platform_window(HWND window) {
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  return std::wstring_view(class_name) == L"IME";
}

// The top-level windows of this thread, owned ones included, the platform's left out.
inline std::vector<HWND> thread_windows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (!is_platform_window(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

class WindowTest : public ::testing::Test {
 public:
  // Adds one failure to the running test for each thing this thread still holds: the
  // mouse capture, the kit's message seam, the kit's launch seam, each stepped timer,
  // each window, each thread timer that is due; and clears each away.
  static void expect_nothing_left() {
    if (HWND captured = GetCapture()) {
      ADD_FAILURE() << "the test left the mouse captured by " << describe_window(captured);
      ReleaseCapture();
    }
    if (set_message_seam(nullptr)) ADD_FAILURE() << "the test left the message seam installed";
    const LaunchSeam launch = set_launch_seam({});
    if (launch.start_program_command || launch.shell_open || launch.read_registry_default ||
        launch.add_recent_document)
      ADD_FAILURE() << "the test left the launch seam installed";

    if (SteppedTimers* timers = SteppedTimers::current())
      for (const auto& [window, id] : timers->take_running())
        ADD_FAILURE() << "the test left a timer running: id " << id << " of a window: " << describe_window(window);

    // Each window left behind is named once and destroyed, together with whatever goes
    // with it (owned windows, tooltips, drop-down lists).  Unowned and visible windows
    // come first, so that a dialog is named rather than the parts it takes along.
    std::vector<HWND> windows = thread_windows();
    auto rank = [](HWND window) { return (GetWindow(window, GW_OWNER) ? 2 : 0) + (IsWindowVisible(window) ? 0 : 1); };
    std::stable_sort(windows.begin(), windows.end(), [&](HWND a, HWND b) { return rank(a) < rank(b); });
    std::vector<bool> gone(windows.size(), false);
    for (std::size_t i = 0; i < windows.size(); ++i) {
      if (gone[i] || !IsWindow(windows[i])) continue;
      const std::string name = describe_window(windows[i]);
      DestroyWindow(windows[i]);
      gone[i] = true;
      int with_it = 0;
      for (std::size_t j = 0; j < windows.size(); ++j)
        if (!gone[j] && !IsWindow(windows[j])) gone[j] = true, ++with_it;
      ADD_FAILURE() << "the test left a window behind (taking " << with_it << " more with it): " << name;
    }

    // Every floating window is gone now, so every floating object must have gone with it.
    if (const int floating = FloatingDialog::live_count(); floating != 0)
      ADD_FAILURE() << "the test left " << floating << " floating dialog object(s) alive without a window";
    if (const int faults = Dialog::teardown_faults(); faults != faults_seen()) {
      ADD_FAILURE() << "the test destroyed " << faults - faults_seen() << " dialog object(s) before their window";
      faults_seen() = faults;
    }

    // Anything else queued (messages for the windows just destroyed) is handled too.  A
    // thread timer cannot be listed: one left running is seen when it is due by now.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_TIMER) {
        ADD_FAILURE() << "the test left a timer running: id " << message.wParam
                      << (message.hwnd ? " of a window" : " of the thread");
        KillTimer(message.hwnd, message.wParam);
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // For the test that makes a teardown fault on purpose: the faults so far are known.
  static void accept_teardown_faults() { faults_seen() = Dialog::teardown_faults(); }

 protected:
  // A fixture with its own TearDown calls this one last.
  void TearDown() override {
    checked_ = true;
    expect_nothing_left();
  }
  ~WindowTest() override {
    if (checked_) return;
    ADD_FAILURE() << "the fixture's TearDown did not call WindowTest::TearDown";
    expect_nothing_left();
  }

 private:
  static int& faults_seen() {
    static int seen = 0;
    return seen;
  }

  bool checked_ = false;

 protected:
  // The programs' window timers, recorded for the test to step.
  SteppedTimers timers_;
};

}  // namespace kit::testing
