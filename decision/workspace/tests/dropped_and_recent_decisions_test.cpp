// Files dropped on decision's main window and the system menu's recent decisions: a
// dropped decision file opens as Open does (the question first, the first of several),
// another kind is refused; every file opened or saved is listed, kept for the next
// window, and opens when chosen; a listed file that is gone leaves the list.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "decision/document/dec_format.h"
#include "decision/res/resource_ids.h"
#include "decision/testing/main_window_test.h"
#include "kit/testing/drop.h"
#include "kit/testing/test_folder.h"
#include "kit/text/wide.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using kit::testing::pump;

constexpr kit::LocalTime kFixedTime{2026, 12, 6, 9, 5};

UINT recent_command(int entry) { return IDM_RECENT_FIRST + (entry - 1) * IDM_RECENT_STEP; }

// The texts of the system menu's 最近的决策 submenu, GBK, with each item's greyed state.
struct MenuItem {
  std::string text;
  bool greyed;
};
std::vector<MenuItem> recent_menu(HWND window) {
  HMENU system = GetSystemMenu(window, FALSE);
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(system); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(system, i, text, 64, MF_BYPOSITION);
    if (kit::to_gbk(text) != "最近的决策") continue;
    HMENU recent = GetSubMenu(system, i);
    for (int k = 0; k < GetMenuItemCount(recent); ++k) {
      wchar_t item[MAX_PATH] = {};
      GetMenuStringW(recent, k, item, MAX_PATH, MF_BYPOSITION);
      items.push_back({kit::to_gbk(item), (GetMenuState(recent, k, MF_BYPOSITION) & MF_GRAYED) != 0});
    }
  }
  return items;
}

class DroppedAndRecentDecisionsTest : public testing::MainWindowTest {
 protected:
  DroppedAndRecentDecisionsTest() : MainWindowTest(kFixedTime) {}

  // A blank decision of count alternatives saved at path, through the window.
  void save_blank(int count, const fs::path& path) {
    ASSERT_EQ(session_.start_blank(count, kFixedTime), kShapeOk);
    ASSERT_EQ(dialog_->save_file(path), kDecOk);
  }
  void choose_recent(int entry) {
    SendMessageW(window_, WM_SYSCOMMAND, recent_command(entry), 0);
    pump(20);
  }
};

TEST_F(DroppedAndRecentDecisionsTest, ADroppedDecisionOpensAfterTheQuestionAndOnlyTheFirstOfSeveralCounts) {
  const fs::path folder = scratch();
  const fs::path first = folder / L"第一.DEC", second = folder / L"第二.dec";
  save_blank(3, first);
  save_blank(5, second);
  ASSERT_EQ(session_.insert_at(1), kShapeOk);
  messages_.answers = {IDCANCEL, IDNO};

  kit::testing::drop_files(window_, {first, second});  // 取消 keeps everything
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].exact_text, unsaved_question(L"第二.dec"));
  EXPECT_EQ(current_.deci_count, 6);
  EXPECT_EQ(title(), "择优宝 V1.2 — 第二.dec");

  kit::testing::drop_files(window_, {first, second});  // 否: the first file opens
  EXPECT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(current_.deci_count, 3);
  EXPECT_EQ(title(), "择优宝 V1.2 — 第一.DEC");
  EXPECT_FALSE(session_.modified());
  ASSERT_FALSE(launches_.recent_documents.empty());
  EXPECT_EQ(launches_.recent_documents.back(), first);
}

TEST_F(DroppedAndRecentDecisionsTest, ADroppedFileOfAnotherKindIsRefusedAndNothingChanges) {
  const fs::path folder = scratch();
  save_blank(4, folder / L"留下.dec");
  kit::testing::write_raw(folder / L"说明.txt", "text");
  const Decision before = current_;

  kit::testing::drop_files(window_, {folder / L"说明.txt", folder / L"留下.dec"});
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "只能打开决策文件（*.dec）。");
  EXPECT_EQ(messages_.shown[0].caption, "择优宝");
  EXPECT_EQ(current_, before);
  EXPECT_EQ(title(), "择优宝 V1.2 — 留下.dec");
}

TEST_F(DroppedAndRecentDecisionsTest, OpenedAndSavedFilesAreListedKeptForTheNextWindowAndOpenWhenChosen) {
  const fs::path folder = scratch();
  ASSERT_EQ(recent_menu(window_).size(), 1u);
  EXPECT_TRUE(recent_menu(window_)[0].greyed) << recent_menu(window_)[0].text;

  const fs::path first = folder / L"第一.dec", second = folder / L"第二.dec";
  save_blank(2, first);
  save_blank(7, second);
  ASSERT_EQ(dialog_->open_file(first), kDecOk);  // to the top again
  files_.answer = second;
  SendMessageW(GetDlgItem(window_, IDC_OPEN), BM_CLICK, 0, 0);
  pump(20);

  // The next window (another run) shows the same list: newest first, each file once.
  dialog_.reset();
  pump(20);
  dialog_ = kit::make_dialog<DecisionDialog>(module(), session_, wizard_);
  window_ = dialog_->create(nullptr);
  ASSERT_NE(window_, nullptr);
  const std::vector<MenuItem> listed = recent_menu(window_);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_TRUE(listed[0].text.starts_with("&1 ") && listed[0].text.ends_with("第二.dec")) << listed[0].text;
  EXPECT_TRUE(listed[1].text.starts_with("&2 ") && listed[1].text.ends_with("第一.dec")) << listed[1].text;
  EXPECT_FALSE(listed[0].greyed || listed[1].greyed);

  choose_recent(2);
  EXPECT_EQ(title(), "择优宝 V1.2 — 第一.dec");
  EXPECT_EQ(current_.deci_count, 2);
  EXPECT_TRUE(recent_menu(window_)[0].text.ends_with("第一.dec"));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DroppedAndRecentDecisionsTest, AListedFileThatIsGoneLeavesTheListWithOpensMessage) {
  const fs::path folder = scratch();
  const fs::path gone = folder / L"已删除.dec";
  save_blank(3, gone);
  save_blank(4, folder / L"还在.dec");
  fs::remove(gone);

  choose_recent(2);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "文件不存在！");
  EXPECT_EQ(title(), "择优宝 V1.2 — 还在.dec");
  const std::vector<MenuItem> listed = recent_menu(window_);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_TRUE(listed[0].text.ends_with("还在.dec")) << listed[0].text;
}

}  // namespace
}  // namespace decision
