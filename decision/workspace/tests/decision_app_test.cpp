// decision.exe started with a file on its command line, as the shell starts it for a
// ".dec" file: the file opens (a name with blanks and Chinese), a missing one is
// reported and the program starts empty, and a left-over decision the user restores is
// not replaced by the file.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "decision/testing/decision_process.h"
#include "decision/workspace/decision_session.h"
#include "kit/testing/host_path.h"
#include "kit/testing/test_folder.h"
#include "kit/text/wide.h"
#include "release/product.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using kit::testing::pump_until;
using testing::box_text;
using testing::DecisionProcess;
using testing::kChildHangNet;
using testing::start_decision;
using testing::wait_for_window;

class DecisionAppTest : public kit::testing::TestFolder {
 protected:
  void SetUp() override {
    TestFolder::SetUp();
    ASSERT_TRUE(fs::create_directories(folder_ = dir_ / L"我的 决策"));
    // A shipped case is a sound .dec file.
    fs::copy_file(fs::path(kit::testing::host_path(DECISION_CASE_LIBRARY_DIR)) / L"exp" / L"买车还是不买车.dec",
                  file_ = folder_ / L"x y.dec");
  }
  // decision.exe started with the quoted path (and what follows); its main window.
  static HWND start(DecisionProcess& child, const fs::path& path, const fs::path& app_data,
                    std::wstring_view rest = {}) {
    if (!start_decision(child, app_data, L"\"" + path.wstring() + L"\"" + std::wstring(rest))) return nullptr;
    return wait_for_window(child, nullptr);
  }
  static bool title_becomes(HWND window, std::u8string_view name) {
    return pump_until([&] { return kit::get_window_text_u8(window) == kTitlePrefix + std::u8string(name); },
                      kChildHangNet);
  }

  fs::path folder_, file_;
};

TEST_F(DecisionAppTest, OpensTheFirstFileNamedOnItsCommandLine) {
  DecisionProcess child;
  HWND main = start(child, file_, dir_, L" other.dec");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(title_becomes(main, u8"x y.dec")) << kit::get_window_text(main);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(child.ended()) << "closing asked something";
}

TEST_F(DecisionAppTest, AMissingFileIsReportedAndTheProgramStartsEmpty) {
  DecisionProcess child;
  HWND main = start(child, folder_ / L"没有 这个.dec", dir_);
  ASSERT_NE(main, nullptr);
  HWND box = wait_for_window(child, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), "文件不存在！");
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(pump_until([&] { return !IsWindow(box); }, kChildHangNet));
  EXPECT_EQ(kit::get_window_text_u8(main), kTitlePrefix + std::u8string(kNoDecisionTitle));
}

// A run left a decision behind: restored, it stays and the file is not opened; refused,
// the file opens.  (The holder ends each run: a restored decision counts as unsaved.)
TEST_F(DecisionAppTest, TheFileOpensOnlyWhenALeftOverDecisionIsRefused) {
  for (const int answer : {IDYES, IDNO}) {
    const fs::path app_data = dir_ / std::to_wstring(answer);
    const fs::path recovery = app_data / kit::to_wide(DECISION_PRODUCT_NAME);
    ASSERT_TRUE(fs::create_directories(recovery));
    fs::copy_file(file_, recovery / L"recovery-left.dec");
    kit::testing::write_raw(recovery / L"recovery-left.name", "留下的.dec");
    DecisionProcess child;
    HWND main = start(child, file_, app_data);
    ASSERT_NE(main, nullptr);
    HWND box = wait_for_window(child, main);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box_text(box).starts_with("上次未正常关闭")) << box_text(box);
    PostMessageW(GetDlgItem(box, answer), BM_CLICK, 0, 0);
    EXPECT_TRUE(title_becomes(main, answer == IDYES ? u8"留下的.dec" : u8"x y.dec")) << kit::get_window_text(main);
    EXPECT_EQ(testing::child_window(child, main), nullptr) << "nothing more is asked";
  }
}

}  // namespace
}  // namespace decision
