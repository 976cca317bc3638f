// The main window's "导出报告": nothing before a decision; then the save dialog, the
// page written where it answers, and the shell asked to open exactly that file; a write
// or an open that fails says so.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decision/document/dec_format.h"
#include "decision/testing/main_window_test.h"
#include "kit/file_dialog.h"
#include "kit/testing/test_folder.h"
#include "kit/testing/seams.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_dialog.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using kit::testing::pump;

// 16:05 on 8 December.
constexpr kit::LocalTime kReportTime{2026, 12, 8, 16, 5};

// GBK to UTF-8 through the platform, independent of the report's own conversion.
std::string utf8_of(const std::string& gbk) {
  const std::wstring wide = kit::to_wide(gbk);
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

class ReportExportTest : public testing::MainWindowTest {
 protected:
  ReportExportTest() : MainWindowTest(kReportTime) {}
  void SetUp() override {
    MainWindowTest::SetUp();
    folder_path_ = scratch();
  }

  // Opens a decision of three named alternatives from the file name (by default "对比.dec").
  void open_decision(const fs::path& name = L"对比.dec") {
    Decision d;
    reset_decision(d);
    d.deci_count = 3;
    for (int i = 1; i <= 3; ++i) {
      d.alternatives[static_cast<std::size_t>(i)].deci_str = names_[i - 1];
      d.alternatives[static_cast<std::size_t>(i)].result_value[1] = i;
    }
    const fs::path path = folder_path_ / name;
    ASSERT_EQ(save_decision_file(d, path), kDecOk);
    ASSERT_EQ(dialog_->open_file(path), kDecOk);
  }
  void click_export() {
    SendMessageW(GetDlgItem(window_, IDC_EXPORT_REPORT), BM_CLICK, 0, 0);
    pump(40);
  }

  const std::string names_[3] = {"去深圳<大公司>", "留在成都 & 家人", "\"接私单\""};
  fs::path folder_path_;
};

TEST_F(ReportExportTest, NothingBeforeADecisionThenThePageIsWrittenAndOpened) {
  click_export();
  EXPECT_EQ(files_.calls, 0);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(launches_.opens.empty());

  open_decision();
  pump(100);
  testing::save_screenshot(window_, "decision-report-button.bmp");
  const fs::path target = folder_path_ / L"报告.htm";
  files_.answer = target;
  click_export();
  ASSERT_EQ(files_.calls, 1);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Save);
  EXPECT_EQ(files_.proposed, fs::path(L"对比.htm"));
  EXPECT_EQ(files_.filter, "网页(*.htm)|*.htm|");
  EXPECT_EQ(files_.extension, "htm");
  EXPECT_TRUE(messages_.shown.empty()) << (messages_.shown.empty() ? "" : messages_.shown[0].text);

  const std::string page = kit::testing::raw_contents(target);
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.find(utf8_of("去深圳&lt;大公司&gt;")), std::string::npos);
  EXPECT_NE(page.find(utf8_of("留在成都 &amp; 家人")), std::string::npos);
  EXPECT_NE(page.find(utf8_of("&quot;接私单&quot;")), std::string::npos);
  EXPECT_NE(page.find(utf8_of("对比.dec")), std::string::npos);
  EXPECT_NE(page.find(utf8_of("2026年12月8日 16:05")), std::string::npos);
  ASSERT_EQ(launches_.opens.size(), 1u);
  EXPECT_EQ(launches_.opens[0].target, files_.answer);
  // The decision itself is as it was.
  EXPECT_EQ(current_.alternatives[1].deci_str, names_[0]);
}

// Under a name GBK lacks (Hangul) the report's name and place stay whole.
TEST_F(ReportExportTest, AFailedWriteOpensNothingAndAFailedOpenSaysWhereThePageIs) {
  open_decision(L"\uD55C\uAD6D\uC5B4.dec");
  files_.answer = folder_path_ / "missing folder" / "report.htm";
  click_export();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "无法保存报告文件，原有文件未被改动。");
  EXPECT_EQ(messages_.shown[0].caption, "导出报告失败");
  EXPECT_TRUE(launches_.opens.empty());
  EXPECT_FALSE(fs::exists(folder_path_ / "missing folder"));

  launches_.open_answer = kit::kStartFileNotFound;
  const fs::path target = folder_path_ / L"\uBCF4\uACE0\uC11C.htm";
  files_.answer = target;
  click_export();
  EXPECT_EQ(files_.proposed, fs::path(L"\uD55C\uAD6D\uC5B4.htm"));
  EXPECT_TRUE(fs::exists(target));
  ASSERT_EQ(launches_.opens.size(), 1u);
  EXPECT_EQ(launches_.opens[0].target, target);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_NE(messages_.shown[1].exact_text.find(target.u8string()), std::u8string::npos);
  EXPECT_EQ(messages_.shown[1].caption, "导出报告");
}

}  // namespace
}  // namespace decision
