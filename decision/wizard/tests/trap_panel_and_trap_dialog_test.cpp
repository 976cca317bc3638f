// The trap panel hosted in a plain window as a wizard page hosts it, and the trap
// dialog its buttons open: the panel's size and places, the texts it loads from the
// string table, alerts during a blink run, the run tick by tick on the stepped timer, and
// the dialog's two boxes, OK and close.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "decision/testing/decision_window_test.h"
#include "decision/document/traps.h"
#include "decision/wizard/trap_dialog_layout.h"
#include "decision/wizard/trap_panel.h"
#include "decision/wizard/trap_panel_layout.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"

namespace decision {
namespace {

namespace panel_lay = trap_panel_layout;
namespace dialog_lay = trap_dialog_layout;
using Form = TrapPanel::AlertForm;
using testing::pump;

class Traps : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    host_.reset(CreateWindowExW(0, L"STATIC", L"page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 60, 60, 300, 340,
                                nullptr, nullptr, module(), nullptr));
    ASSERT_TRUE(host_);
    window_ = panel_.create(host_.get());
    ASSERT_NE(window_, nullptr);
    pump(30);
  }
  void TearDown() override {
    host_.reset();  // takes the panel's window with it
    DecisionWindowTest::TearDown();
  }

  bool shown(int trap_number) const { return IsWindowVisible(panel_.item(trap_panel_layout::button_of_trap(trap_number))); }
  // One tick of the blink timer, as the platform delivers it; false when it is stopped.
  bool tick() { return timers_.step(window_, IDT_TRAP_BLINK); }
  // Ticks until the timer stops; returns how many ticks that took.
  int ticks_to_end() {
    int ticks = 0;
    while (ticks < 2 * TrapPanel::kBlinkTicks && tick()) ++ticks;
    return ticks;
  }

  kit::UniqueWindow host_;
  TrapPanel panel_{module()};
  HWND window_ = nullptr;
};

TEST_F(Traps, PanelIsItsPictureWithTheButtonsOnTheirPlacesAndTheStoredTexts) {
  EXPECT_EQ(GetParent(window_), host_.get());
  const SIZE client = kit::testing::client_size(window_);
  EXPECT_EQ(client.cx, panel_lay::kWidth);
  EXPECT_EQ(client.cy, panel_lay::kHeight);
  kit::testing::expect_placed(window_, panel_lay::kButtons);
  for (const kit::SkinButtonRow& button : panel_lay::kButtons) EXPECT_TRUE(IsWindowVisible(panel_.item(button.id)));
  // The string table holds the very texts of the table, divided for the dialog.
  for (int n = 1; n <= kTrapCount; ++n) {
    EXPECT_EQ(kit::load_string_resource(module(), IDS_TRAP_1 + n - 1), stored_trap_text(n)) << "trap " << n;
    EXPECT_EQ(panel_.heading(n), trap(n).question);
    EXPECT_EQ(panel_.body(n), std::string("    ") + trap(n).explanation);
  }
  EXPECT_FALSE(panel_.running());
  EXPECT_EQ(kit::testing::unnamed_controls(window_), std::vector<int>{});
  testing::save_screenshot(window_, "traps-panel.bmp");
}

TEST_F(Traps, AnAlertDuringARunChangesNothing) {
  panel_.alert_traps({8}, Form::Replace);
  panel_.alert_traps({2, 3}, Form::Replace);
  EXPECT_TRUE(panel_.blinks(8));
  EXPECT_FALSE(panel_.blinks(2));
  EXPECT_FALSE(panel_.blinks(3));
  ASSERT_TRUE(tick());
  EXPECT_FALSE(shown(8));
  EXPECT_TRUE(shown(2));
  testing::save_screenshot(window_, "traps-panel-blink.bmp");
  panel_.alert_traps({3}, Form::Add);
  EXPECT_FALSE(panel_.blinks(3));
  EXPECT_EQ(panel_.tick(), 2) << "a late alert restarted the run";
}

TEST_F(Traps, AnAddAlertAfterAReplaceBlinksTheEarlierTrapsAgain) {
  panel_.alert_traps({8}, Form::Replace);
  EXPECT_EQ(ticks_to_end(), TrapPanel::kBlinkTicks);
  EXPECT_FALSE(panel_.running());
  EXPECT_TRUE(panel_.blinks(8)) << "marks stay after the run";
  panel_.alert_traps({1, 4}, Form::Add);
  ASSERT_TRUE(tick());
  for (int n = 1; n <= kTrapCount; ++n) EXPECT_EQ(shown(n), n != 1 && n != 4 && n != 8) << "trap " << n;
}

TEST_F(Traps, ARunHidesOnTicksOneAndThreeAndEndsShownAndStopped) {
  panel_.alert_traps({5, 0, 11}, Form::Replace);
  EXPECT_EQ(panel_.tick(), 1);
  const bool shown_after[] = {false, true, false, true, true};
  for (int n = 1; n <= TrapPanel::kBlinkTicks; ++n) {
    EXPECT_TRUE(panel_.running()) << "before tick " << n;
    ASSERT_TRUE(tick()) << "the timer stopped before tick " << n;
    EXPECT_EQ(shown(5), shown_after[n - 1]) << "after tick " << n;
    EXPECT_TRUE(shown(10)) << "a trap that was not alerted blinked";
  }
  EXPECT_FALSE(panel_.running());
  EXPECT_EQ(panel_.tick(), 1);
  EXPECT_FALSE(timers_.running(window_, IDT_TRAP_BLINK)) << "the timer still runs";
}

TEST_F(Traps, APanelMadeAgainGoesOnWithTheRun) {
  panel_.alert_traps({9}, Form::Replace);
  ASSERT_TRUE(tick());
  DestroyWindow(window_);
  window_ = panel_.create(host_.get());
  ASSERT_NE(window_, nullptr);
  EXPECT_FALSE(shown(9)) << "hidden as the last tick left it";
  EXPECT_EQ(ticks_to_end(), TrapPanel::kBlinkTicks - 1) << "the run goes on where it was";
  EXPECT_TRUE(shown(9));
}

// The box a trap button opened, as the check found it.
struct Opened {
  SIZE client{};
  std::string heading;
  std::string body;
};
Opened g_opened;

void read_trap_dialog(HWND box) {
  pump(30);
  g_opened.client = kit::testing::client_size(box);
  kit::testing::expect_placed(box, dialog_lay::kPlacements);
  kit::testing::expect_placed(box, dialog_lay::kButtons);
  g_opened.heading = kit::get_dlg_item_text(box, IDC_TRAP_HEADING);
  g_opened.body = kit::get_dlg_item_text(box, IDC_TRAP_BODY);
}

TEST_F(Traps, ButtonsOpenTheirTrapsTextsAndOkOrCloseEndTheDialog) {
  auto click_trap_button = [this](int id) {
    return [panel = window_, id](HWND) { SendMessageW(GetDlgItem(panel, id), BM_CLICK, 0, 0); };
  };
  g_opened = {};
  kit::testing::while_box_is_open(host_.get(), click_trap_button(IDC_TRAP_BUTTON_1), [](HWND box) {
    read_trap_dialog(box);
    EXPECT_EQ(kit::testing::unnamed_controls(box), std::vector<int>{});
    testing::save_screenshot(box, "traps-dialog.bmp");
    SendMessageW(GetDlgItem(box, IDC_TRAP_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(g_opened.client.cx, dialog_lay::kWidth);
  EXPECT_EQ(g_opened.client.cy, dialog_lay::kHeight);
  EXPECT_EQ(g_opened.heading, "何谓沉锚陷阱？");
  EXPECT_EQ(g_opened.body, std::string("    ") + trap(10).explanation);

  g_opened = {};
  kit::testing::while_box_is_open(host_.get(), click_trap_button(IDC_TRAP_BUTTON_6), [](HWND box) {
    read_trap_dialog(box);
    SendMessageW(GetDlgItem(box, IDC_TRAP_CLOSE), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(g_opened.heading, trap(1).question);
  EXPECT_EQ(g_opened.body, std::string("    ") + trap(1).explanation);
}

}  // namespace
}  // namespace decision
