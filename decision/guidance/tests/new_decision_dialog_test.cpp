// The new-decision chooser, driven as a user drives it: confirmed at once over an owner
// window (modal, checked from inside its loop), and modeless for choosing another way
// or number.  The option pictures, the count list and the description band follow the
// way chosen.
#include <windows.h>

#include <gtest/gtest.h>

#include "decision/testing/decision_window_test.h"
#include "decision/guidance/new_decision_dialog.h"
#include "decision/guidance/new_decision_dialog_layout.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/list_text.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"

namespace decision {
namespace {

namespace lay = new_decision_layout;
using testing::pump;
using kit::testing::Pixels;

// What a check saw inside the modal chooser.
struct Seen {
  bool count_shown = false;
  std::string count_text;
  int count_items = 0;
};
Seen g_seen;

class NewDecision : public testing::DecisionWindowTest {
 protected:
  void TearDown() override {
    chooser_.reset();
    DecisionWindowTest::TearDown();
  }

  HWND open_chooser() {
    chooser_ = kit::make_dialog<NewDecisionDialog>(module());
    HWND window = chooser_->create(nullptr);
    pump(30);
    return window;
  }
  void click(int id) {
    SendMessageW(chooser_->item(id), BM_CLICK, 0, 0);
    pump(10);
  }
  bool count_shown() const { return IsWindowVisible(chooser_->item(IDC_ALTERNATIVE_COUNT)); }
  // The picture an option button shows now.
  Pixels option_picture(int id) const {
    auto* option = dynamic_cast<kit::SkinButton*>(kit::Control::from_window(chooser_->item(id)));
    return option ? kit::testing::of_bitmap(option->hover_image().bitmap.get()) : Pixels();
  }
  static bool same(const Pixels& a, const Pixels& b) {
    if (a.empty() || b.empty() || a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.at(x, y) != b.at(x, y)) return false;
    return true;
  }
  // The description band as the window shows it now (after the paints a click asks
  // for), one row through its middle.
  std::vector<COLORREF> band_row() const {
    pump(20);
    Pixels shown = kit::testing::shown(chooser_->hwnd());
    std::vector<COLORREF> row;
    for (int x = 0; x < lay::kWidth; ++x) row.push_back(shown.at(x, lay::kDescription.y + lay::kDescription.h / 2));
    return row;
  }

  kit::DialogPtr<NewDecisionDialog> chooser_;
};

TEST_F(NewDecision, ConfirmedAtOnceItStartsABlankDecisionOfTwo) {
  g_seen = {};
  kit::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 100, 100, 800, 600, nullptr, nullptr,
                                          module(), nullptr));
  ASSERT_TRUE(owner);
  static NewDecisionDialog* chooser = nullptr;
  static INT_PTR answer = 0;
  NewDecisionDialog dialog(module());
  chooser = &dialog;
  kit::testing::while_box_is_open(
      owner.get(), [](HWND main) { answer = chooser->run(main); },
      [](HWND box) {
        pump(20);
        HWND count = GetDlgItem(box, IDC_ALTERNATIVE_COUNT);
        g_seen.count_shown = IsWindowVisible(count);
        g_seen.count_text = kit::combo_selected_text(count);
        g_seen.count_items = kit::combo_count(count);
        SendMessageW(GetDlgItem(box, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
      });
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(dialog.mode(), kStartBlank);
  EXPECT_EQ(dialog.count(), 2);
  EXPECT_TRUE(g_seen.count_shown);
  EXPECT_EQ(g_seen.count_text, "2");
  EXPECT_EQ(g_seen.count_items, 8);
}

TEST_F(NewDecision, AnotherNumberOfAlternativesIsReturned) {
  open_chooser();
  HWND count = chooser_->item(IDC_ALTERNATIVE_COUNT);
  EXPECT_EQ(kit::combo_text(count, 7), "9");
  kit::combo_select(count, 7);
  click(IDC_NEW_DECISION_OK);
  EXPECT_FALSE(IsWindow(count));
  EXPECT_EQ(chooser_->mode(), kStartBlank);
  EXPECT_EQ(chooser_->count(), 9);
}

TEST_F(NewDecision, EachOptionShowsItsWayAndOnlyTheBlankOneTheCount) {
  HWND window = open_chooser();
  const Pixels on = option_picture(IDC_BLANK_OPTION);
  const Pixels off = option_picture(IDC_CASE_OPTION);
  ASSERT_FALSE(on.empty());
  EXPECT_FALSE(same(on, off)) << "the chosen option looks like the others";
  EXPECT_TRUE(same(off, option_picture(IDC_WIZARD_OPTION)));
  const std::vector<COLORREF> blank_band = band_row();

  click(IDC_CASE_OPTION);
  EXPECT_FALSE(count_shown());
  EXPECT_TRUE(same(option_picture(IDC_CASE_OPTION), on));
  EXPECT_TRUE(same(option_picture(IDC_BLANK_OPTION), off));
  const std::vector<COLORREF> case_band = band_row();
  EXPECT_NE(case_band, blank_band);

  click(IDC_WIZARD_OPTION);
  EXPECT_FALSE(count_shown());
  EXPECT_TRUE(same(option_picture(IDC_WIZARD_OPTION), on));
  EXPECT_TRUE(same(option_picture(IDC_CASE_OPTION), off));
  const std::vector<COLORREF> wizard_band = band_row();
  EXPECT_NE(wizard_band, case_band);
  EXPECT_NE(wizard_band, blank_band);

  click(IDC_BLANK_OPTION);
  EXPECT_TRUE(count_shown());
  EXPECT_EQ(band_row(), blank_band);

  click(IDC_CASE_OPTION);
  click(IDC_NEW_DECISION_OK);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(chooser_->mode(), kStartFromCase);
  EXPECT_EQ(chooser_->count(), 0);
}

TEST_F(NewDecision, TheWizardIsChosenAndCancelLeavesNoCount) {
  open_chooser();
  click(IDC_WIZARD_OPTION);
  click(IDC_NEW_DECISION_OK);
  EXPECT_EQ(chooser_->mode(), kStartWithWizard);

  open_chooser();
  click(IDC_NEW_DECISION_CANCEL);
  EXPECT_FALSE(chooser_->hwnd());
  EXPECT_EQ(chooser_->count(), 0);
}

TEST_F(NewDecision, ControlsSitOnTheirPaintedPlaces) {
  HWND window = open_chooser();
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, lay::kWidth);
  EXPECT_EQ(client.bottom, lay::kHeight);
  kit::testing::expect_placed(window, lay::kPlacements);
  kit::testing::expect_placed(window, lay::kButtons);
  kit::testing::painted(window);
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "decision-new-decision.bmp");
}

}  // namespace
}  // namespace decision
