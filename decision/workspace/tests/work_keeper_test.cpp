// What keeps the user's work, wired into the main window: the question from 退出, the
// close box and 打开决策 with each of its answers, the window's keys (Ctrl+Z, Ctrl+Y and
// the command column's), and a killed decision.exe whose next start offers the decision
// back.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decision/res/resource_ids.h"
#include "decision/testing/decision_process.h"
#include "decision/testing/main_window_test.h"
#include "kit/list_text.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/test_folder.h"
#include "kit/text/utf8.h"
#include "kit/text/wide.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using kit::testing::pump;
using kit::testing::pump_until;
using testing::box_text;
using testing::kChildHangNet;
using testing::start_decision;
using testing::wait_for_window;

constexpr kit::LocalTime kFixedTime{2026, 12, 6, 9, 5};
constexpr char kName[] = "新决策(12-6 9：5).dec";

void click_new(HWND window) { SendMessageW(GetDlgItem(window, IDC_NEW), BM_CLICK, 0, 0); }
void choose_three(HWND chooser) {
  kit::combo_select(GetDlgItem(chooser, IDC_ALTERNATIVE_COUNT), 1);
  SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
}

class WorkKeeperTest : public testing::MainWindowTest {
 protected:
  WorkKeeperTest() : MainWindowTest(kFixedTime) {}

  void new_blank_with_a_change() {
    kit::testing::while_box_is_open(window_, click_new, choose_three);
    click(IDC_ADD_ALTERNATIVE);
    ASSERT_EQ(current_.deci_count, 4);
  }
  void click(int id) {
    SendMessageW(GetDlgItem(window_, id), BM_CLICK, 0, 0);
    pump(40);
  }
  // A key pressed with Ctrl (and Shift) held while control has the focus, through the
  // window's message loop.
  void press(UINT key, bool shift = false, int control = IDC_NEW, bool ctrl = true) {
    SetFocus(GetDlgItem(window_, control));
    BYTE keys[256] = {}, held[256] = {};
    GetKeyboardState(keys);
    std::copy(std::begin(keys), std::end(keys), held);
    held[VK_CONTROL] = ctrl ? 0x80 : 0;
    held[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(held);
    PostMessageW(GetDlgItem(window_, control), WM_KEYDOWN, key, 0);
    pump(40, window_);
    SetKeyboardState(keys);
  }
  bool greyed(UINT command) {
    SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSystemMenu(window_, FALSE)), MAKELPARAM(0, TRUE));
    return (GetMenuState(GetSystemMenu(window_, FALSE), command, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
};

TEST_F(WorkKeeperTest, TheQuestionFromExitTheCloseBoxAndOpenAndItsThreeAnswers) {
  new_blank_with_a_change();
  const fs::path saved = scratch() / "saved.dec";
  messages_.answers = {IDCANCEL, IDYES, IDYES, IDNO, IDNO};

  click(IDC_EXIT);  // 取消: nothing happens
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "“" + std::string(kName) + "”已修改。是否保存修改？");
  EXPECT_EQ(messages_.shown[0].caption, "择优宝");
  EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_TRUE(IsWindow(window_));

  SendMessageW(window_, WM_CLOSE, 0, 0);  // 是, but the save dialog is cancelled: it stays
  pump(40);
  EXPECT_EQ(files_.calls, 1);
  EXPECT_EQ(files_.proposed.u8string(), kit::gbk_to_u8(kName));
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(session_.modified());

  files_.answer = saved;  // 是: saved, then the open dialog, which opens the saved file
  click(IDC_OPEN);
  EXPECT_EQ(files_.calls, 3);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Open);
  EXPECT_EQ(title(), "择优宝 V1.2 — saved.dec");
  EXPECT_FALSE(session_.modified());

  click(IDC_ADD_ALTERNATIVE);
  click(IDC_OPEN);  // 否: opened without saving
  EXPECT_EQ(current_.deci_count, 4);
  click(IDC_ADD_ALTERNATIVE);
  click(IDC_EXIT);  // 否: the window closes
  EXPECT_EQ(messages_.shown.size(), 5u);
  EXPECT_FALSE(IsWindow(window_));
}

TEST_F(WorkKeeperTest, CtrlZAndCtrlYWalkOverAnAddedAlternativeAndTheMenuFollows) {
  new_blank_with_a_change();
  EXPECT_FALSE(greyed(IDM_UNDO));
  press('Z');
  EXPECT_EQ(current_.deci_count, 3);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window_, IDC_CELL_4)));
  EXPECT_TRUE(greyed(IDM_UNDO));
  EXPECT_FALSE(greyed(IDM_REDO));
  press('Y');
  EXPECT_EQ(current_.deci_count, 4);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, IDC_CELL_4)));
  press('Z');
  press('Z', true);
  EXPECT_EQ(current_.deci_count, 4);
  // The system menu's items do the same.
  SendMessageW(window_, WM_SYSCOMMAND, IDM_UNDO, 0);
  EXPECT_EQ(current_.deci_count, 3);
}

// Each key from another control than its button; without a decision Save and Export do
// nothing, as their buttons do.
TEST_F(WorkKeeperTest, TheCommandColumnsKeysWorkFromAnyControl) {
  const fs::path folder = scratch();
  const fs::path saved = folder / "keys.dec";
  files_.answer = saved;
  press('S', false, IDC_EXIT);
  press('E', false, IDC_EXIT);
  EXPECT_EQ(files_.calls, 0);

  kit::testing::while_box_is_open(window_, [&](HWND) { press('N', false, IDC_EXIT); }, choose_three);
  ASSERT_EQ(current_.deci_count, 3);
  press('S', false, IDC_INSERT_AT);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Save);
  EXPECT_EQ(title(), "择优宝 V1.2 — keys.dec");

  files_.answer = folder / "keys.htm";
  press('E', false, IDC_ADD_ALTERNATIVE);
  EXPECT_EQ(files_.calls, 2);
  EXPECT_TRUE(fs::exists(folder / "keys.htm"));

  press(VK_F1, false, IDC_OPEN, false);
  ASSERT_EQ(launches_.help_files.size(), 1u);
  EXPECT_EQ(launches_.help_files[0].filename(), "help.chm");

  click(IDC_ADD_ALTERNATIVE);
  files_.answer = saved;
  messages_.answers = {IDNO};
  press('O', false, IDC_SAVE);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Open);
  EXPECT_EQ(current_.deci_count, 3);
  EXPECT_EQ(messages_.shown.size(), 1u);
}

// ---- a killed run ---------------------------------------------------------------------

// Has the child's window (and its controls) paint what is due now: the paint messages
// are sent, so the picture is whole when this returns.
void paint_now(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

int recovery_files(const fs::path& folder) {
  int count = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().filename().string().starts_with("recovery-") && it->path().extension() == ".dec") ++count;
  return count;
}

TEST_F(WorkKeeperTest, AKilledRunsEditIsOfferedAtTheNextStart) {
  const fs::path app_data = scratch();
  {
    testing::DecisionProcess killed;
    ASSERT_TRUE(start_decision(killed, app_data));
    HWND main = wait_for_window(killed, nullptr);
    ASSERT_NE(main, nullptr);
    PostMessageW(GetDlgItem(main, IDC_NEW), BM_CLICK, 0, 0);
    HWND chooser = wait_for_window(killed, main);
    ASSERT_NE(chooser, nullptr);
    SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
    ASSERT_TRUE(pump_until([&] { return IsWindowVisible(GetDlgItem(main, IDC_ADD_ALTERNATIVE)); }, kChildHangNet));
    EXPECT_EQ(recovery_files(app_data), 0) << "nothing unsaved yet";
    SendMessageW(GetDlgItem(main, IDC_ADD_ALTERNATIVE), BM_CLICK, 0, 0);
    EXPECT_EQ(recovery_files(app_data), 1);
  }  // killed

  testing::DecisionProcess next;
  ASSERT_TRUE(start_decision(next, app_data));
  HWND main = wait_for_window(next, nullptr);
  ASSERT_NE(main, nullptr);
  HWND box = wait_for_window(next, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(kit::get_window_text(box), "择优宝");
  EXPECT_TRUE(box_text(box).starts_with("上次未正常关闭，有未保存的决策“新决策(")) << box_text(box);
  RECT area{};
  GetWindowRect(box, &area);
  paint_now(box);
  kit::testing::save_screen_area(area, "decision-recovery-question.bmp");
  PostMessageW(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
  ASSERT_TRUE(pump_until([&] { return kit::get_window_text(main).starts_with("择优宝 V1.2 — 新决策("); },
                         kChildHangNet))
      << "the decision is back under its name";

  // Restored with unsaved changes: closing asks; 否 ends the run and takes the file.
  PostMessageW(main, WM_CLOSE, 0, 0);
  box = wait_for_window(next, main);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box_text(box).ends_with("”已修改。是否保存修改？")) << box_text(box);
  GetWindowRect(main, &area);
  paint_now(main);
  paint_now(box);
  kit::testing::save_screen_area(area, "decision-unsaved-question.bmp");
  PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  EXPECT_TRUE(next.ended());
  EXPECT_EQ(recovery_files(app_data), 0);
}

}  // namespace
}  // namespace decision
