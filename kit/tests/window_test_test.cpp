// The window tests' shared fixture checked on itself: a test that leaves a window, a
// seam, a timer or the mouse capture behind is failed for exactly that, and the next
// test finds the thread clean.
#include "kit/testing/window_test.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/dialog.h"
#include "kit/launch.h"
#include "kit/testing/pump.h"
#include "kit/timer.h"

namespace {

using kit::testing::WindowTest;

HWND make_window(HWND owner = nullptr) {
  return CreateWindowExW(0, L"STATIC", L"left behind", WS_POPUP | WS_VISIBLE, 10, 10, 40, 20, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

int answer_nothing(HWND, std::wstring_view, std::wstring_view, UINT) { return IDOK; }
int open_nothing(std::wstring_view, int) { return kit::kShellSuccessAbove + 1; }

// Each test leaves something behind and names the failures the fixture must report for
// it, one failure each; TearDown runs the fixture's own TearDown with its failures
// caught and compares.  Afterwards the thread must be clean.
// The messages of the failures that run() adds to the running test, caught before they
// reach it.
template <typename Run>
std::vector<std::string> failures_of(Run run, ::testing::TestPartResultArray& failures) {
  {
    ::testing::ScopedFakeTestPartResultReporter catcher(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    run();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < failures.size(); ++i) messages.push_back(failures.GetTestPartResult(i).message());
  return messages;
}

class LeftBehind : public WindowTest {
 protected:
  void TearDown() override {
    ::testing::TestPartResultArray failures;
    const std::vector<std::string> messages = failures_of([this] { WindowTest::TearDown(); }, failures);
    ASSERT_EQ(messages.size(), expected_.size()) << ::testing::PrintToString(messages);
    for (std::size_t i = 0; i < expected_.size(); ++i) {
      EXPECT_TRUE(failures.GetTestPartResult(static_cast<int>(i)).nonfatally_failed());
      EXPECT_NE(messages[i].find(expected_[i]), std::string::npos) << messages[i];
    }
    // Cleared away: a second check finds nothing.
    EXPECT_TRUE(kit::testing::thread_windows().empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(kit::set_message_seam(nullptr), nullptr);
    const kit::LaunchSeam launch = kit::set_launch_seam({});
    EXPECT_EQ(launch.shell_open, nullptr);
    EXPECT_TRUE(timers_.take_running().empty());
  }

  std::vector<std::string> expected_;  // in the order the fixture checks
};

TEST_F(LeftBehind, NothingIsReportedWhenTheTestClosedWhatItOpened) {
  HWND window = make_window();
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 60, 10, 80, 20, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SetFocus(edit);
  const UINT_PTR timer = SetTimer(nullptr, 0, 5, nullptr);
  SetCapture(window);
  kit::testing::pump(20);
  kit::start_timer(window, 7, 100);
  kit::stop_timer(window, 7);
  ReleaseCapture();
  KillTimer(nullptr, timer);
  DestroyWindow(edit);
  DestroyWindow(window);
}

TEST_F(LeftBehind, AWindow) {
  make_window();
  expected_ = {"left a window behind (taking 0 more with it): class \"Static\", title \"left behind\""};
}

TEST_F(LeftBehind, AHiddenWindowAndTheWindowItOwns) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  make_window(owner);
  expected_ = {"left a window behind (taking 1 more with it): class \"Static\", title \"owner\""};
}

TEST_F(LeftBehind, TheMessageSeam) {
  kit::set_message_seam(answer_nothing);
  expected_ = {"left the message seam installed"};
}

TEST_F(LeftBehind, TheLaunchSeam) {
  kit::LaunchSeam seam;
  seam.shell_open = open_nothing;
  kit::set_launch_seam(seam);
  expected_ = {"left the launch seam installed"};
}

// A thread timer is seen once it is due: the test waits for its tick to be queued (the
// wait ends at the tick; its limit is only a net for a platform that never ticks).
TEST_F(LeftBehind, AThreadTimerThatIsDue) {
  SetTimer(nullptr, 0, 10, nullptr);
  ASSERT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 30000, QS_TIMER), WAIT_OBJECT_0);
  expected_ = {"left a timer running"};
}

// A stepped window timer is named with its window, before the window.
TEST_F(LeftBehind, ASteppedTimerAndItsWindow) {
  HWND window = make_window();
  ASSERT_TRUE(kit::start_timer(window, 7, 100));
  EXPECT_TRUE(timers_.running(window, 7));
  expected_ = {"left a timer running: id 7 of a window: class \"Static\"", "left a window behind"};
}

TEST_F(LeftBehind, NoSteppedTimerOnceStoppedOrGoneWithItsWindow) {
  HWND window = make_window();
  kit::start_timer(window, 7, 100);
  kit::start_timer(window, 8, 100);
  kit::stop_timer(window, 7);
  EXPECT_FALSE(timers_.step(window, 7));
  EXPECT_TRUE(timers_.step(window, 8));
  DestroyWindow(window);
  EXPECT_FALSE(timers_.running(window, 8));
}

TEST_F(LeftBehind, TheMouseCaptureAndTheWindowHoldingIt) {
  SetCapture(make_window());
  expected_ = {"left the mouse captured by class \"Static\"", "left a window behind"};
}

// A fixture whose TearDown does not reach WindowTest::TearDown is failed for that when it
// goes, and what its test left is cleared all the same.
TEST_F(LeftBehind, AFixtureThatSkipsTheCheck) {
  struct Skipping : WindowTest {
    void TearDown() override {}
    void TestBody() override {}
  };
  ::testing::TestPartResultArray failures;
  const std::vector<std::string> messages = failures_of(
      [] {
        Skipping fixture;
        make_window();
      },
      failures);
  ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
  EXPECT_NE(messages[0].find("did not call WindowTest::TearDown"), std::string::npos) << messages[0];
  EXPECT_NE(messages[1].find("left a window behind"), std::string::npos) << messages[1];
}

}  // namespace
