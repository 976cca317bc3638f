// The case library, driven as a user drives it, over a program folder of the test's
// own: a temporary folder with an "exp" folder holding the directory and the case files
// each test lays out.  Message boxes are recorded, not shown; the more-cases page is
// recorded, not opened.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "decision/testing/decision_window_test.h"
#include "decision/document/dec_format.h"
#include "decision/document/decision.h"
#include "decision/guidance/case_library_dialog.h"
#include "decision/guidance/case_library_dialog_layout.h"
#include "kit/geometry.h"
#include "kit/testing/test_folder.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
namespace lay = case_library_layout;
using testing::pump;

// A small sound decision whose background names it, so a test can tell cases apart.
Decision sample_case(const std::string& background) {
  Decision d;
  reset_decision(d);
  d.background = background;
  d.alternatives[1].result_prob[1] = 7;
  d.alternatives[1].result_value[1] = 5;
  return d;
}

class CaseLibrary : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    // A folder whose name GBK lacks, as the program's own folder may be.
    folder_path_ = fs::temp_directory_path() / u8"decision_cases K\u00E4ufe \uD55C \U0001F600";
    folder_path_ += "_" + std::to_string(GetCurrentProcessId()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_path_);
    ASSERT_TRUE(fs::create_directories(folder_path_ / "exp"));
  }
  void TearDown() override {
    library_.reset();
    std::error_code ignored;
    fs::remove_all(folder_path_, ignored);
    DecisionWindowTest::TearDown();
  }

  // The directory "exp\目录.txt" with the GBK bytes given.
  void write_directory(const std::string& gbk) { kit::testing::write_raw(folder_path_ / L"exp" / L"目录.txt", gbk); }
  // The case file of a title (GBK), holding these bytes as they are on disk.
  void write_case_bytes(const std::string& title, const std::string& bytes) {
    kit::testing::write_raw(folder_path_ / L"exp" / kit::to_wide(title + ".dec"), bytes);
  }
  void write_case(const std::string& title, const Decision& d) {
    std::string bytes = write_decision_text(d);
    scramble_bytes(bytes);
    write_case_bytes(title, bytes);
  }

  HWND open_library() {
    library_ = kit::make_dialog<CaseLibraryDialog>(module(), folder_path_);
    HWND window = library_->create(nullptr);
    pump(30);
    return window;
  }
  HWND list() const { return library_->item(IDC_CASE_LIST); }
  int row_count() const { return ListView_GetItemCount(list()); }
  std::string cell(int row, int column) const {
    wchar_t text[256] = {};
    ListView_GetItemText(list(), row, column, text, 256);
    return kit::to_gbk(text);
  }
  void choose_row(int row) {
    ListView_SetItemState(list(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    pump(10);
  }
  void click(int id) {
    SendMessageW(library_->item(id), BM_CLICK, 0, 0);
    pump(10);
  }
  bool is_open() const { return library_->hwnd() && IsWindow(library_->hwnd()); }

  fs::path folder_path_;
  kit::DialogPtr<CaseLibraryDialog> library_;
};

TEST_F(CaseLibrary, ListsOnlyClosedTitlesAndAnUnclosedBracketEndsTheList) {
  write_directory("xx【A】yy【B\r\n【C】");
  open_library();
  EXPECT_TRUE(messages_.shown.empty());
  ASSERT_EQ(row_count(), 1);
  EXPECT_EQ(cell(0, 0), "  案例1");
  EXPECT_EQ(cell(0, 1), " A");
  EXPECT_EQ(library_->selection(), 0);
}

TEST_F(CaseLibrary, UnsafeTitlesAreNotOfferedAndBlanksAreKept) {
  write_directory("【..\\..\\秘密】【 甲 】【a/b】【c:d】【】【乙?】【丙 案例】");
  open_library();
  ASSERT_EQ(row_count(), 2);
  EXPECT_EQ(cell(0, 0), "  案例1");
  EXPECT_EQ(cell(0, 1), "  甲 ");
  EXPECT_EQ(cell(1, 0), "  案例2");
  EXPECT_EQ(cell(1, 1), " 丙 案例");
}

TEST_F(CaseLibrary, TheSecondRowOpensTheSecondTitlesFile) {
  write_directory("【 换工作 】【买房】");
  write_case(" 换工作 ", sample_case("第一个"));
  write_case("买房", sample_case("第二个"));
  HWND window = open_library();
  choose_row(1);
  EXPECT_EQ(library_->selection(), 2);
  click(IDC_OPEN_CASE);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(library_->case_text(), write_decision_text(sample_case("第二个")));
  EXPECT_EQ(library_->case_name(), "买房.dec");
}

TEST_F(CaseLibrary, ATitleWithBlanksOpensTheFileWithThem) {
  write_directory("【 换工作 】【买房】");
  write_case(" 换工作 ", sample_case("第一个"));
  write_case("换工作", sample_case("没有空格的另一个"));
  open_library();
  choose_row(0);
  click(IDC_OPEN_CASE);
  EXPECT_FALSE(is_open());
  EXPECT_EQ(library_->case_text(), write_decision_text(sample_case("第一个")));
  EXPECT_EQ(library_->case_name(), " 换工作 .dec");
}

// A missing directory is reported, an empty one is not; either leaves the list empty,
// and OK then asks for a case and keeps the library open.
TEST_F(CaseLibrary, WithoutTitlesOkAsksForACase) {
  write_directory("");
  open_library();
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(row_count(), 0);
  library_.reset();

  fs::remove_all(folder_path_ / "exp");
  open_library();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "文件错误！");
  EXPECT_EQ(row_count(), 0);

  click(IDC_OPEN_CASE);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[1].text, "    请选择一个案例。    ");
  EXPECT_EQ(messages_.shown[1].caption, "未选择案例");
  EXPECT_TRUE(is_open());
}

TEST_F(CaseLibrary, MissingAndCorruptCaseFilesAreRefusedAndTheLibraryStaysOpen) {
  write_directory("【甲】【乙】");
  open_library();
  choose_row(1);
  click(IDC_OPEN_CASE);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "该案例文件不存在，请重新选择。");
  EXPECT_EQ(messages_.shown[0].caption, "案例不存在");
  EXPECT_TRUE(is_open());
  EXPECT_EQ(library_->selection(), 2);

  // Scrambled like a case file, but not a decision: the reader's refusal, shown here.
  std::string corrupt = "background=只有背景\xA1\xFE";
  scramble_bytes(corrupt);
  write_case_bytes("乙", corrupt);
  click(IDC_OPEN_CASE);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[1].text, dec_message(kDecMissingRecord).text);
  EXPECT_EQ(messages_.shown[1].caption, dec_message(kDecMissingRecord).caption);
  EXPECT_TRUE(is_open());
  EXPECT_EQ(library_->selection(), 2);
  EXPECT_TRUE(library_->case_text().empty());

  write_case("乙", sample_case("修好了"));
  click(IDC_OPEN_CASE);
  EXPECT_FALSE(is_open());
  EXPECT_EQ(library_->case_name(), "乙.dec");
}

TEST_F(CaseLibrary, CloseActsAsCancelAndMoreCasesOpensTheCasesPage) {
  write_directory("【甲】");
  write_case("甲", sample_case("甲"));
  open_library();
  choose_row(0);
  click(IDC_MORE_CASES);
  ASSERT_EQ(launches_.opens.size(), 1u);
  EXPECT_EQ(launches_.opens[0].text, lay::kMoreCasesAddress);
  EXPECT_TRUE(is_open());

  click(IDC_CASE_LIBRARY_CLOSE);
  EXPECT_FALSE(is_open());
  EXPECT_TRUE(library_->case_text().empty());
  EXPECT_TRUE(library_->case_name().empty());
}

// The library as it ships: the cases the build wrote into exp\ beside the program.
class ShippedLibrary : public testing::DecisionWindowTest {
 protected:
  void TearDown() override {
    library_.reset();
    DecisionWindowTest::TearDown();
  }
  HWND open_library() {
    const fs::path folder = kit::testing::host_path(DECISION_CASE_LIBRARY_DIR);
    library_ = kit::make_dialog<CaseLibraryDialog>(module(), folder);
    HWND window = library_->create(nullptr);
    pump(30);
    return window;
  }
  HWND list() const { return library_->item(IDC_CASE_LIST); }

  kit::DialogPtr<CaseLibraryDialog> library_;
};

TEST_F(ShippedLibrary, ControlsSitOnTheirPaintedPlacesOverTheRealCases) {
  HWND window = open_library();
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, lay::kWidth);
  EXPECT_EQ(client.bottom, lay::kHeight);
  kit::testing::expect_placed(window, lay::kPlacements);
  kit::testing::expect_placed(window, lay::kButtons);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_GE(ListView_GetItemCount(list()), 12);
  ListView_SetItemState(list(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  pump(50);
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "decision-case-library.bmp");
}

TEST_F(ShippedLibrary, EveryCaseOpensAsASoundDecision) {
  open_library();
  const int count = ListView_GetItemCount(list());
  ASSERT_GE(count, 12);
  library_.reset();
  for (int row = 0; row < count; ++row) {
    open_library();
    ListView_SetItemState(list(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    pump(5);
    SendMessageW(library_->item(IDC_OPEN_CASE), BM_CLICK, 0, 0);
    pump(5);
    ASSERT_FALSE(library_->hwnd()) << "row " << row << " did not open";
    Decision opened;
    reset_decision(opened);
    EXPECT_EQ(read_decision_text(opened, library_->case_text()), kDecOk) << library_->case_name();
    EXPECT_GE(opened.deci_count, kMinAlternatives) << library_->case_name();
    library_.reset();
  }
  EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace decision
