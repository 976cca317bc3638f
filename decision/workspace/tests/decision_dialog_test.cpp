// decision's main window, driven as a user would: New through the chooser, the grid and
// its panels, adding and deleting alternatives, the summaries' input box, Open and Save
// through the file dialogs' seam (and once through the real dialogs), help and About.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "decision/document/dec_format.h"
#include "decision/testing/main_window_test.h"
#include "decision/input/value_picker.h"
#include "kit/file_dialog.h"
#include "kit/list_text.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/geometry.h"
#include "kit/testing/test_folder.h"
#include "kit/testing/seams.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/alternative_panel.h"
#include "decision/workspace/decision_dialog.h"
#include "decision/workspace/decision_dialog_layout.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
namespace lay = main_window_layout;
using kit::testing::pump;
using kit::testing::save_screenshot;

// 09:05 on 6 December.
constexpr kit::LocalTime kFixedTime{2026, 12, 6, 9, 5};

void click(HWND window, int id) {
  SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
  pump(40);
}

std::string text_of(HWND window, int id) { return kit::get_dlg_item_text(window, id); }
bool shows(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }

RECT frame_of(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The chooser's answer: a blank decision of count alternatives.
auto choose_blank(int count) {
  return [count](HWND chooser) {
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(chooser, IDC_WIZARD_OPTION))) << "the wizard is offered";
    kit::combo_select(GetDlgItem(chooser, IDC_ALTERNATIVE_COUNT), count - 2);
    SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
  };
}
void click_new(HWND window) { click(window, IDC_NEW); }

class DecisionDialogTest : public testing::MainWindowTest {
 protected:
  DecisionDialogTest() : MainWindowTest(kFixedTime) {}

  void new_blank(int count) {
    kit::testing::while_box_is_open(window_, click_new, choose_blank(count));
    pump(40);
  }
  // Gives alternative i one result of value and probability and shows it.
  void rate(int i, int value, int probability) {
    Alternative a = current_.alternatives[static_cast<std::size_t>(i)];
    a.result_value[1] = value;
    a.result_prob[1] = probability;
    session_.accept_alternative(i, a);
    dialog_->refresh();
  }
  // Opens the panel of alternative i by a click on its cell.
  HWND click_cell(int i) {
    SetFocus(GetDlgItem(window_, IDC_CELL_1 + i - 1));
    pump(120);
    return dialog_->panel(i);
  }
  std::string cell_text(int i) const { return text_of(window_, IDC_CELL_1 + i - 1); }
  // A key pressed (held while the window handles it, as Tab is) where the focus is.
  int press(UINT key, bool shift = false) {
    BYTE keys[256] = {}, held[256] = {};
    GetKeyboardState(keys);
    std::copy(std::begin(keys), std::end(keys), held);
    held[key] = 0x80;
    held[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(held);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    pump(30, window_);
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000000);
    pump(30, window_);
    return GetDlgCtrlID(GetFocus());
  }
};

// Tab walks the commands and boxes once each in their visual order and opens nothing; the
// focused button wears its mark only once the keyboard moved the focus; Enter and Space
// press the focused button, Enter opens the focused cell's panel.
TEST_F(DecisionDialogTest, TabWalksTheWindowInVisualOrderAndEnterOrSpacePressesWhatHasTheFocus) {
  new_blank(3);
  for (int i : {1, 2, 3}) rate(i, 10 - 3 * i, 10);
  SetFocus(GetDlgItem(window_, IDC_EXIT));
  pump(30, window_);
  const kit::PixelRect exit = lay::kExitButton;
  const COLORREF mark = lay::kLightInk.colorref();
  const int mark_x = exit.x + 2, mark_y = exit.y + exit.h / 2 + 1;  // a dot of the mark's left edge
  EXPECT_NE(kit::testing::painted(window_).at(mark_x, mark_y), mark) << "no mark before a key";

  const std::vector<int> visual_order{
      IDC_BACKGROUND_SUMMARY, IDC_RECORD_SUMMARY, IDC_ADD_ALTERNATIVE, IDC_INSERT_AT, IDC_DELETE_ALTERNATIVE,
      IDC_DELETE_AT, IDC_CELL_1, IDC_CELL_2, IDC_CELL_3, IDC_BEST, IDC_RUNNER_UP, IDC_WORST, IDC_EXPLAIN_RANKING,
      IDC_START_WIZARD, IDC_NEW, IDC_OPEN, IDC_SAVE, IDC_SHOW_HELP, IDC_ABOUT, IDC_EXPORT_REPORT, IDC_EXIT};
  std::vector<int> walked;
  for (std::size_t i = 0; i < visual_order.size(); ++i) walked.push_back(press(VK_TAB));
  EXPECT_EQ(walked, visual_order);
  EXPECT_EQ(dialog_->panel(1), nullptr) << "the focus Tab brings opens nothing";
  EXPECT_EQ(press(VK_TAB, true), IDC_EXPORT_REPORT);
  EXPECT_EQ(press(VK_TAB), IDC_EXIT);
  const kit::testing::Pixels shot = kit::testing::painted(window_);
  EXPECT_EQ(shot.at(mark_x, mark_y), mark);
  save_screenshot(window_, "decision-keyboard-focus.bmp");

  // Enter on the About button opens the box; Space on Help starts the help.
  SetFocus(GetDlgItem(window_, IDC_ABOUT));
  kit::testing::while_box_is_open(window_, [&](HWND) { press(VK_RETURN); }, [](HWND box) { EndDialog(box, IDOK); });
  SetFocus(GetDlgItem(window_, IDC_SHOW_HELP));
  press(VK_SPACE);
  EXPECT_EQ(launches_.help_files.size(), 1u);
  SetFocus(GetDlgItem(window_, IDC_DELETE_AT));
  press(VK_TAB);
  EXPECT_EQ(press(VK_TAB), IDC_CELL_2);
  EXPECT_EQ(dialog_->panel(2), nullptr);
  press(VK_RETURN);
  EXPECT_NE(dialog_->panel(2), nullptr);
}

TEST_F(DecisionDialogTest, StartsEmptyWithTheCommandColumnAndSaveDoesNothingAtAll) {
  EXPECT_EQ(title(), "择优宝 V1.2 — 当前未有决策");
  EXPECT_FALSE(session_.has_decision());
  for (int id : {IDC_BACKGROUND_SUMMARY, IDC_RECORD_SUMMARY, IDC_ADD_ALTERNATIVE, IDC_DELETE_ALTERNATIVE,
                 IDC_INSERT_AT, IDC_DELETE_AT, IDC_CELL_1, IDC_CELL_9, IDC_START_WIZARD, IDC_SEVERAL_BEST_HINT,
                 IDC_TOO_CLOSE_HINT})
    EXPECT_FALSE(shows(window_, id)) << id;
  for (int id : {IDC_NEW, IDC_OPEN, IDC_SAVE, IDC_SHOW_HELP, IDC_ABOUT, IDC_EXIT, IDC_LOGO})
    EXPECT_TRUE(shows(window_, id)) << id;
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, lay::kClientWidth);
  EXPECT_EQ(client.bottom, lay::kClientHeight);
  kit::testing::expect_placed(window_, lay::kPlacements);
  kit::testing::expect_placed(window_, lay::kButtons);
  kit::testing::expect_placed(window_, lay::kRankButtons);

  // The About item at the end of the system menu.
  HMENU menu = GetSystemMenu(window_, FALSE);
  const int last = GetMenuItemCount(menu) - 1;
  EXPECT_EQ(GetMenuItemID(menu, last), static_cast<UINT>(IDM_ABOUT_BOX));
  EXPECT_NE(SendMessageW(window_, WM_GETICON, ICON_BIG, 0), 0);

  click(window_, IDC_SAVE);
  EXPECT_EQ(files_.calls, 0);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(kit::testing::unnamed_controls(window_, {IDC_BEST, IDC_RUNNER_UP, IDC_WORST}), std::vector<int>{});
  save_screenshot(window_, "decision-empty.bmp");
}

// The frame (1..7) the logo shows on the screen, or 0 when it shows none of them.
int logo_frame(HWND window) {
  const kit::testing::Pixels logo = kit::testing::painted(GetDlgItem(window, IDC_LOGO));
  for (int frame = 1; frame <= lay::kLogoFrames; ++frame) {
    const kit::UniqueBitmap file(static_cast<HBITMAP>(LoadImageW(
        nullptr, kit::to_wide(lay::logo_file(frame)).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
    if (kit::testing::of_bitmap(file.get()) == logo) return frame;
  }
  return 0;
}

TEST_F(DecisionDialogTest, TheLogoStepsThroughItsFramesAndEnterOrEscapeDoNotCloseTheWindow) {
  EXPECT_EQ(logo_frame(window_), 1) << "the first frame shows before the first tick";
  // The frame after each tick of a cycle and the first tick of the next: three quick
  // frames, a pause on the third, four quick frames and a longer pause on the last.
  const std::string expected = "1233333333334567777777777777771";
  std::string seen;
  for (std::size_t tick = 0; tick < expected.size(); ++tick) {
    ASSERT_TRUE(timers_.step(window_, lay::kLogoTimer));
    seen += static_cast<char>('0' + logo_frame(window_));
  }
  EXPECT_EQ(seen, expected);
  SendMessageW(window_, WM_COMMAND, IDCANCEL, 0);
  SendMessageW(window_, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(DecisionDialogTest, NewBlankNamesTheDecisionByTheClockAndShowsItsCellsUnmarked) {
  new_blank(3);
  EXPECT_TRUE(session_.has_decision());
  EXPECT_EQ(title(), "择优宝 V1.2 — 新决策(12-6 9：5).dec");
  EXPECT_EQ(current_.deci_count, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(shows(window_, IDC_CELL_1 + i - 1));
    EXPECT_EQ(cell_text(i), alternative_report_text(current_, i));
    EXPECT_NE(cell_text(i).find("总效益值：0"), std::string::npos);
  }
  EXPECT_FALSE(shows(window_, IDC_CELL_4));
  HWND insert_at = GetDlgItem(window_, IDC_INSERT_AT);
  EXPECT_EQ(kit::combo_count(insert_at), 4);
  EXPECT_EQ(kit::combo_selected_text(insert_at), "在方案3之后");
  EXPECT_EQ(kit::combo_selected_text(GetDlgItem(window_, IDC_DELETE_AT)), "方案3");
  for (int id : {IDC_BEST, IDC_RUNNER_UP, IDC_WORST}) EXPECT_EQ(text_of(window_, id), "");
  EXPECT_FALSE(shows(window_, IDC_SEVERAL_BEST_HINT));
  EXPECT_FALSE(shows(window_, IDC_TOO_CLOSE_HINT));
}

TEST_F(DecisionDialogTest, RanksMarksAndHintsFollowTheTotals) {
  new_blank(3);
  rate(1, 5, 6);   // 30
  rate(2, 3, 9);   // 27
  rate(3, -1, 5);  // -5
  EXPECT_EQ(text_of(window_, IDC_BEST), "方案1");
  EXPECT_EQ(text_of(window_, IDC_RUNNER_UP), "方案2");
  EXPECT_EQ(text_of(window_, IDC_WORST), "方案3");
  EXPECT_TRUE(shows(window_, IDC_TOO_CLOSE_HINT));
  EXPECT_FALSE(shows(window_, IDC_SEVERAL_BEST_HINT));
  EXPECT_NE(cell_text(1).find("总效益值：30"), std::string::npos);

  rate(2, 5, 6);  // 30, 30, -5: two share the top
  EXPECT_EQ(text_of(window_, IDC_BEST), "");
  EXPECT_TRUE(shows(window_, IDC_SEVERAL_BEST_HINT));
  EXPECT_FALSE(shows(window_, IDC_TOO_CLOSE_HINT));

  // A rank button opens the panel of the alternative it names.
  click(window_, IDC_WORST);
  EXPECT_NE(dialog_->panel(3), nullptr);
}

TEST_F(DecisionDialogTest, AtMostThreePanelsAndAClickOnAnOpenPanelsCellDoesNothing) {
  new_blank(5);
  ASSERT_NE(click_cell(1), nullptr);
  const HWND first = dialog_->panel(1);
  ASSERT_NE(click_cell(2), nullptr);
  ASSERT_NE(click_cell(5), nullptr);
  EXPECT_EQ(click_cell(1), first);
  EXPECT_TRUE(messages_.shown.empty());

  EXPECT_EQ(click_cell(4), nullptr);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            "为避免界面杂乱，同时打开的方案限制为3个！\r\n您可以先关闭其中一个，再打开另一个。");
  EXPECT_EQ(messages_.shown[0].caption, "最多只能同时打开3个方案");
  EXPECT_EQ(dialog_->open_panel_count(), 3);

  // The panels sit beside their cells: below the top row, left of cell 5.
  const RECT cell1 = frame_of(GetDlgItem(window_, IDC_CELL_1));
  const RECT cell5 = frame_of(GetDlgItem(window_, IDC_CELL_5));
  EXPECT_EQ(frame_of(first).left, cell1.left);
  EXPECT_EQ(frame_of(first).top, cell1.bottom);
  EXPECT_EQ(frame_of(dialog_->panel(5)).right, cell5.left);

  click(dialog_->panel(2), IDC_RESULT_VALUE_1);
  int panels_above = 0;
  // The panels stay above the window that owns them, also after a click on a cell.
  for (HWND above = GetWindow(window_, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
    if (AlternativePanel::of(above)) ++panels_above;
  EXPECT_EQ(panels_above, 3);
  bool picker_above_its_panel = false;
  const HWND picker = AlternativePanel::of(dialog_->panel(2))->value_picker();
  for (HWND above = GetWindow(dialog_->panel(2), GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
    picker_above_its_panel |= above == picker;
  EXPECT_TRUE(picker_above_its_panel);
  RECT shot = frame_of(window_);
  for (HWND shown_window : {dialog_->panel(1), dialog_->panel(2), dialog_->panel(5),
                            AlternativePanel::of(dialog_->panel(2))->value_picker()}) {
    const RECT r = frame_of(shown_window);
    UnionRect(&shot, &shot, &r);
  }
  kit::testing::save_screen_area(shot, "decision-three-panels.bmp");
}

TEST_F(DecisionDialogTest, APickedValueAndProbabilityAreKeptOnlyByTheKeepButton) {
  new_blank(3);
  HWND panel = click_cell(2);
  ASSERT_NE(panel, nullptr);
  AlternativePanel* editor = AlternativePanel::of(panel);
  click(panel, IDC_RESULT_VALUE_1);
  click(editor->value_picker(), IDC_VALUE_0 + 10 + 5);
  click(panel, IDC_RESULT_PROBABILITY_1);
  click(editor->probability_picker(), IDC_PROBABILITY_0 + 6);
  EXPECT_EQ(text_of(panel, IDC_PANEL_TOTAL), "30");
  // Nothing is ranked yet: the rank buttons show no alternative.
  EXPECT_EQ(kit::testing::unnamed_controls(window_, {IDC_BEST, IDC_RUNNER_UP, IDC_WORST}), std::vector<int>{});
  for (HWND shown : {panel, editor->probability_picker()})
    EXPECT_EQ(kit::testing::unnamed_controls(shown), std::vector<int>{});
  save_screenshot(window_, "decision-panel-open.bmp");

  click(panel, IDC_PANEL_DROP);
  pump(40);
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(dialog_->panel(2), nullptr);
  EXPECT_NE(cell_text(2).find("总效益值：0"), std::string::npos);

  panel = click_cell(2);
  editor = AlternativePanel::of(panel);
  click(panel, IDC_RESULT_VALUE_1);
  click(editor->value_picker(), IDC_VALUE_0 + 10 + 5);
  click(panel, IDC_PANEL_KEEP);
  pump(40);
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_NE(cell_text(2).find("总效益值：50"), std::string::npos);
  EXPECT_EQ(text_of(window_, IDC_BEST), "方案2");

  // Escape in the panel drops its edits, as the drop button does.
  panel = click_cell(2);
  editor = AlternativePanel::of(panel);
  click(panel, IDC_RESULT_VALUE_1);
  click(editor->value_picker(), IDC_VALUE_0 + 10 + 7);
  HWND focused = GetDlgItem(panel, IDC_PANEL_ADD_RESULT);
  SetFocus(focused);
  PostMessageW(focused, WM_KEYDOWN, VK_ESCAPE, 0);
  pump(40, window_);
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_NE(cell_text(2).find("总效益值：50"), std::string::npos);
}

TEST_F(DecisionDialogTest, AddingOrDeletingClosesThePanelsAndDropsTheirEdits) {
  new_blank(2);
  HWND panel = click_cell(1);
  ASSERT_NE(panel, nullptr);
  click(panel, IDC_RESULT_VALUE_1);
  click(AlternativePanel::of(panel)->value_picker(), IDC_VALUE_0 + 10 + 7);
  const Alternative before = current_.alternatives[1];

  // Inserted before alternative 1: the old one moves to slot 2, unedited.
  kit::combo_select(GetDlgItem(window_, IDC_INSERT_AT), 0);
  click(window_, IDC_ADD_ALTERNATIVE);
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(current_.deci_count, 3);
  EXPECT_EQ(current_.alternatives[2], before);

  click_cell(3);
  kit::combo_select(GetDlgItem(window_, IDC_DELETE_AT), 0);
  click(window_, IDC_DELETE_ALTERNATIVE);
  EXPECT_EQ(dialog_->open_panel_count(), 0);
  EXPECT_EQ(current_.deci_count, 2);
  EXPECT_EQ(kit::FloatingDialog::live_count(), 0);

  // Two alternatives: deleting is refused with the message.
  click(window_, IDC_DELETE_ALTERNATIVE);
  EXPECT_EQ(current_.deci_count, 2);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].caption, "决策方案不能少于两个");
}

// The box the running test expects over the background summary, and its answer.
std::string g_typed;
void focus_background(HWND window) {
  SetFocus(GetDlgItem(window, IDC_BACKGROUND_SUMMARY));
  pump(0);
}

TEST_F(DecisionDialogTest, TheBackgroundIsEditedInTheLargeBox) {
  new_blank(2);
  const RECT summary = frame_of(GetDlgItem(window_, IDC_BACKGROUND_SUMMARY));
  g_typed = "要不要换工作";
  kit::testing::while_box_is_open(window_, focus_background, [&](HWND box) {
    EXPECT_EQ(frame_of(box).left, summary.left);
    EXPECT_EQ(frame_of(box).top, summary.bottom);
    EXPECT_EQ(kit::get_dlg_item_text(box, IDC_BIG_INPUT_TEXT), current_.background);
    kit::set_dlg_item_text(box, IDC_BIG_INPUT_TEXT, g_typed);
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(current_.background, g_typed);
  EXPECT_EQ(text_of(window_, IDC_BACKGROUND_SUMMARY), summary_text(current_.background));
  EXPECT_NE(GetFocus(), GetDlgItem(window_, IDC_BACKGROUND_SUMMARY));

  kit::testing::while_box_is_open(window_, focus_background, [](HWND box) {
    kit::set_dlg_item_text(box, IDC_BIG_INPUT_TEXT, "不要");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_CANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(current_.background, g_typed);
}

TEST_F(DecisionDialogTest, SaveAndOpenGoThroughTheFileDialogsAndNameTheWindow) {
  const fs::path folder = scratch();
  new_blank(4);
  rate(3, 8, 7);
  const Decision saved = current_;
  const fs::path first = folder / L"第一.dec";
  files_.answer = first;
  click(window_, IDC_SAVE);
  EXPECT_TRUE(messages_.shown.empty()) << (messages_.shown.empty() ? "" : messages_.shown[0].text);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Save);
  EXPECT_EQ(files_.proposed.u8string(), u8"新决策(12-6 9：5).dec");
  EXPECT_EQ(files_.filter, "决策文件(*.dec)|*.dec|");
  EXPECT_EQ(files_.extension, "dec");
  EXPECT_EQ(title(), "择优宝 V1.2 — 第一.dec");

  new_blank(2);
  files_.answer = first;
  click(window_, IDC_OPEN);
  EXPECT_EQ(files_.kind, kit::FileDialogKind::Open);
  EXPECT_EQ(title(), "择优宝 V1.2 — 第一.dec");
  EXPECT_EQ(current_, saved);
  EXPECT_EQ(cell_text(3), alternative_report_text(saved, 3));

  // Every picture is still read from the working folder: the background paints.
  EXPECT_EQ(fs::current_path(), fs::path(kit::testing::host_path(DECISION_PICTURE_DIR)));
  const kit::testing::Pixels pixels = kit::testing::painted(window_);
  EXPECT_NE(pixels.at(lay::kClientWidth - 3, lay::kClientHeight - 3), kit::testing::kUnpainted);
}

// Names GBK lacks: accented Latin, Hangul, an emoji.
constexpr char8_t kLatinName[] = u8"K\u00E4ufe.dec";
constexpr char8_t kHangulName[] = u8"\uD55C\uAD6D\uC5B4.dec";
constexpr char8_t kEmojiName[] = u8"\U0001F600 \u00DF\u00F1.dec";

TEST_F(DecisionDialogTest, AnyNameTheSystemAllowsIsSavedOpenedAndShownWhole) {
  const fs::path folder = scratch();
  new_blank(3);
  const Decision saved = current_;
  files_.answer = folder / kHangulName;
  click(window_, IDC_SAVE);
  EXPECT_TRUE(fs::exists(folder / kHangulName));
  EXPECT_EQ(exact_title(), kTitlePrefix + std::u8string(kHangulName));

  for (const char8_t* name : {kLatinName, kEmojiName}) {
    fs::copy_file(folder / kHangulName, folder / name);
    new_blank(2);
    files_.answer = folder / name;
    click(window_, IDC_OPEN);
    EXPECT_EQ(current_, saved);
    EXPECT_EQ(exact_title(), kTitlePrefix + std::u8string(name));
  }
  EXPECT_TRUE(messages_.shown.empty());

  // The question before the changed decision is dropped names it whole too.
  click(window_, IDC_ADD_ALTERNATIVE);
  messages_.answer = IDCANCEL;
  click(window_, IDC_OPEN);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].exact_text, u8"“" + std::u8string(kEmojiName) + u8"”已修改。是否保存修改？");
}

TEST_F(DecisionDialogTest, AFileHeldByAnotherProgramIsUnreadableNotMissing) {
  const fs::path held = scratch() / kLatinName;
  new_blank(3);
  ASSERT_EQ(dialog_->save_file(held), kDecOk);
  new_blank(2);
  kit::UniqueFile lock(
      CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(lock);
  files_.answer = held;
  click(window_, IDC_OPEN);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "该文件正被其他程序使用或无权读取，无法打开。");
  EXPECT_EQ(current_.deci_count, 2);
}

TEST_F(DecisionDialogTest, AFailedOpenSaysWhyAndKeepsTheTitleAndPanels) {
  const fs::path folder = scratch();
  new_blank(3);
  HWND panel = click_cell(1);
  const std::string title_before = title();
  files_.answer = folder / "missing.dec";
  click(window_, IDC_OPEN);
  EXPECT_EQ(title(), title_before);
  EXPECT_TRUE(IsWindow(panel));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "文件不存在！");
}

// A small disk of its own, filled up: the save's new copy cannot be written.
TEST_F(DecisionDialogTest, ASaveOntoAFullDiskKeepsTheOldFileAndTheTitle) {
  const char* small_disk = std::getenv("DECISION_FULL_DISK_DIR");
  if (!small_disk) GTEST_SKIP() << "DECISION_FULL_DISK_DIR names no small disk (the test run mounts one)";
  const fs::path disk(small_disk);
  const fs::path target = disk / "on full disk.dec";
  fs::remove(disk / "filler");
  new_blank(2);
  ASSERT_EQ(dialog_->save_file(target), kDecOk);
  const std::string old_bytes = kit::testing::raw_contents(target);
  {
    // Fill what is left of the disk.
    std::FILE* filler = _wfopen((disk / "filler").wstring().c_str(), L"wb");
    ASSERT_NE(filler, nullptr);
    const std::string block(4096, 'f');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
    }
    std::fclose(filler);
  }
  new_blank(9);
  for (int i = 1; i <= 9; ++i) {
    Alternative long_text = current_.alternatives[static_cast<std::size_t>(i)];
    long_text.deci_str = std::string(2000, 'a');
    session_.accept_alternative(i, long_text);
  }
  files_.answer = target;
  click(window_, IDC_SAVE);
  fs::remove(disk / "filler");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "无法保存决策文件，原有文件未被改动。");
  EXPECT_EQ(messages_.shown[0].caption, "保存失败");
  EXPECT_EQ(kit::testing::raw_contents(target), old_bytes);
  EXPECT_EQ(title(), "择优宝 V1.2 — 新决策(12-6 9：5).dec");
  // Nothing but the old file is left on the disk: the unfinished copy is gone.
  fs::remove(target);
  EXPECT_TRUE(fs::is_empty(disk));
}

TEST_F(DecisionDialogTest, ACaseFromTheLibraryBecomesTheDecisionUnderItsTitle) {
  SetCurrentDirectoryW(kit::to_wide(DECISION_CASE_LIBRARY_DIR).c_str());
  kit::testing::while_boxes_are_open(window_, click_new,
                                     {[](HWND chooser) {
                                        SendMessageW(GetDlgItem(chooser, IDC_CASE_OPTION), BM_CLICK, 0, 0);
                                        SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
                                      },
                                      [](HWND library) {
                                        HWND list = GetDlgItem(library, IDC_CASE_LIST);
                                        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED,
                                                              LVIS_SELECTED | LVIS_FOCUSED);
                                        SendMessageW(GetDlgItem(library, IDC_OPEN_CASE), BM_CLICK, 0, 0);
                                      }});
  folder_.changed();
  pump(60);
  EXPECT_TRUE(session_.has_decision());
  EXPECT_GE(current_.deci_count, 2);
  EXPECT_NE(title().find(".dec"), std::string::npos);
  EXPECT_EQ(title().find("新决策"), std::string::npos);
  save_screenshot(window_, "decision-case.bmp");
}

TEST_F(DecisionDialogTest, HelpOpensTheProgramsOwnHelpFileOrSaysItIsMissing) {
  click(window_, IDC_SHOW_HELP);
  ASSERT_EQ(launches_.help_files.size(), 1u);
  EXPECT_EQ(launches_.help_files[0], kit::program_folder() / "help.chm");
  EXPECT_TRUE(messages_.shown.empty());
  launches_.help_answer = false;
  click(window_, IDC_SHOW_HELP);
  EXPECT_EQ(messages_.shown.size(), 1u);
}

void open_about_from_menu(HWND window) { SendMessageW(window, WM_SYSCOMMAND, IDM_ABOUT_BOX, 0); }

TEST_F(DecisionDialogTest, TheSystemMenuShowsTheAboutBoxAndExitClosesEverything) {
  kit::testing::while_box_is_open(window_, open_about_from_menu, [](HWND box) {
    EXPECT_EQ(kit::testing::unnamed_controls(box), std::vector<int>{});
    save_screenshot(box, "decision-about-box.bmp");
    EndDialog(box, IDOK);
  });
  new_blank(3);
  click_cell(1);
  click_cell(2);
  click(window_, IDC_EXIT);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(kit::FloatingDialog::live_count(), 0);
}

TEST_F(DecisionDialogTest, APanelThatWouldLeaveTheWorkAreaOpensJustInsideIt) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Cell 7's panel opens above the cell: with the window high up it would leave the top.
  SetWindowPos(window_, nullptr, work.left + 10, work.top - 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  new_blank(9);
  HWND panel = click_cell(7);
  ASSERT_NE(panel, nullptr);
  const RECT placed = frame_of(panel);
  EXPECT_EQ(placed.top, work.top);
  EXPECT_EQ(placed.left, frame_of(GetDlgItem(window_, IDC_CELL_7)).left);
}

// The soak's actions: each opens its box at once, without waiting for anything else.
void focus_background_now(HWND window) {
  SetFocus(GetDlgItem(window, IDC_BACKGROUND_SUMMARY));
  pump(0);
}
void focus_description_now(HWND panel) {
  SetFocus(GetDlgItem(panel, IDC_PANEL_DESCRIPTION));
  pump(0);
}
void click_new_now(HWND window) { SendMessageW(GetDlgItem(window, IDC_NEW), BM_CLICK, 0, 0); }
void cancel(HWND box) { EndDialog(box, IDCANCEL); }

// Each round opens and closes one of them in turn: a panel with a picker (the value
// and the probability picker by turns) and its small input box, the large input box,
// the About box, the chooser, the chooser and the case library.
TEST_F(DecisionDialogTest, PanelsPickersAndEveryBoxLeaveNoGdiObjectOrWindowBehindInASoak) {
  new_blank(3);
  constexpr UINT kQuickTick = 10;
  auto press = [](HWND window, int id) {
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
    pump(0);
  };
  auto open_and_close = [&](int n) {
    switch (n % 5) {
      case 0: {
        SetFocus(GetDlgItem(window_, IDC_CELL_1 + (n / 5) % 3));
        pump(0);
        HWND panel = dialog_->panel(1 + (n / 5) % 3);
        if (!panel) return false;
        press(panel, (n / 5) % 2 ? IDC_RESULT_VALUE_1 : IDC_RESULT_PROBABILITY_1);
        kit::testing::while_box_is_open(panel, focus_description_now, cancel, kQuickTick);
        press(panel, (n / 5) % 2 ? IDC_PANEL_KEEP : IDC_PANEL_DROP);
        break;
      }
      case 1:
        kit::testing::while_box_is_open(window_, focus_background_now, cancel, kQuickTick);
        break;
      case 2:
        kit::testing::while_box_is_open(window_, open_about_from_menu, cancel, kQuickTick);
        break;
      case 3:
        kit::testing::while_box_is_open(window_, click_new_now, cancel, kQuickTick);
        break;
      case 4:
        kit::testing::while_boxes_are_open(window_, click_new_now,
                                           {[](HWND chooser) {
                                              SendMessageW(GetDlgItem(chooser, IDC_CASE_OPTION), BM_CLICK, 0, 0);
                                              SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
                                            },
                                            cancel});
        break;
    }
    return kit::FloatingDialog::live_count() == 0 && dialog_->open_panel_count() == 0;
  };
  auto soak = [&](int rounds) {
    for (int n = 0; n < rounds; ++n)
      if (!open_and_close(n)) return n;
    return rounds;
  };
  // One round of each first: what the process keeps for good is made by then.
  for (int n = 0; n < 5; ++n) ASSERT_TRUE(open_and_close(n));
  const std::size_t windows_before = kit::testing::thread_windows().size();
  kit::testing::expect_gdi_objects_return(soak, kit::testing::soak_rounds());
  EXPECT_EQ(kit::testing::thread_windows().size(), windows_before);
}

}  // namespace
}  // namespace decision

namespace decision {
namespace {

// The platform's own dialogs, answered as a user would: the save dialog proposes the
// decision's name and takes a typed path; neither dialog moves the working folder.
std::wstring g_typed_path;
void click_save(HWND window) { click(window, IDC_SAVE); }
void click_open(HWND window) { click(window, IDC_OPEN); }
// The file name field: the dialog's edt1, or the edit inside its cmb13 (by platform).
HWND file_name_field(HWND box) {
  constexpr int kEdt1 = 0x480;
  constexpr int kCmb13 = 0x47C;
  if (HWND edit = GetDlgItem(box, kEdt1)) return edit;
  HWND found = nullptr;
  EnumChildWindows(
      GetDlgItem(box, kCmb13),
      [](HWND child, LPARAM result) -> BOOL {
        wchar_t name[8] = {};
        GetClassNameW(child, name, 8);
        if (std::wstring_view(name) != L"Edit") return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}
void type_path_and_accept(HWND box) {
  HWND field = file_name_field(box);
  ASSERT_NE(field, nullptr);
  SetWindowTextW(field, g_typed_path.c_str());
  SendMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(DecisionDialogTest, ThePlatformsFileDialogsProposeTheNameAndKeepTheWorkingFolder) {
  files_.remove();  // the platform's own dialogs
  const fs::path folder = scratch();
  const fs::path working = fs::current_path();
  new_blank(2);
  g_typed_path = (folder / L"平台对话框").wstring();  // the default extension is added
  kit::testing::while_box_is_open(window_, click_save, [](HWND box) {
    HWND field = file_name_field(box);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(kit::get_window_text(field), "新决策(12-6 9：5).dec");
    type_path_and_accept(box);
  });
  pump(60);
  EXPECT_TRUE(fs::exists(folder / L"平台对话框.dec"));
  EXPECT_EQ(title(), "择优宝 V1.2 — 平台对话框.dec");
  EXPECT_EQ(fs::current_path(), working);

  new_blank(3);
  g_typed_path = (folder / L"平台对话框.dec").wstring();
  kit::testing::while_box_is_open(window_, click_open, type_path_and_accept);
  pump(60);
  EXPECT_EQ(current_.deci_count, 2);
  EXPECT_EQ(fs::current_path(), working);
  EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace decision
