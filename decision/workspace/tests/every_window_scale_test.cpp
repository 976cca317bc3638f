// Every window of decision besides the main window at another display scale: each box,
// wizard page, the trap panel and the pickers at their scaled size with every control on
// its scaled place, the input boxes at the point their opener gives, and a click on a
// picker's scaled bar.  decision_scale_tests runs it at 120, 144 and 192 DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "decision/guidance/case_library_dialog.h"
#include "decision/guidance/case_library_dialog_layout.h"
#include "decision/guidance/new_decision_dialog.h"
#include "decision/guidance/new_decision_dialog_layout.h"
#include "decision/input/big_input_box.h"
#include "decision/input/big_input_box_layout.h"
#include "decision/input/probability_picker.h"
#include "decision/input/probability_picker_layout.h"
#include "decision/input/small_input_box.h"
#include "decision/input/small_input_box_layout.h"
#include "decision/input/value_picker_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/testing/main_window_test.h"
#include "decision/wizard/trap_dialog.h"
#include "decision/wizard/trap_dialog_layout.h"
#include "decision/wizard/trap_panel.h"
#include "decision/wizard/trap_panel_layout.h"
#include "decision/wizard/wizard_alternatives_step.h"
#include "decision/wizard/wizard_alternatives_step_layout.h"
#include "decision/wizard/wizard_background_step.h"
#include "decision/wizard/wizard_background_step_layout.h"
#include "decision/wizard/wizard_page_layout.h"
#include "decision/wizard/wizard_rating_step.h"
#include "decision/wizard/wizard_rating_step_layout.h"
#include "decision/wizard/wizard_results_step.h"
#include "decision/wizard/wizard_results_step_layout.h"
#include "decision/workspace/alternative_panel.h"
#include "decision/workspace/alternative_panel_layout.h"
#include "decision/workspace/decision_about_dialog.h"
#include "decision/workspace/decision_about_dialog_layout.h"
#include "decision/workspace/ranking_explanation_dialog.h"
#include "decision/workspace/ranking_explanation_dialog_layout.h"
#include "kit/testing/placement.h"
#include "kit/testing/scale.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/test_folder.h"

namespace decision {
namespace {

namespace page_lay = wizard_page_layout;
namespace panel_lay = alternative_panel_layout;
using kit::Placement;
using kit::SkinButtonRow;
using kit::testing::expect_client_scaled;
using kit::testing::expect_placed;
using kit::testing::pump;

constexpr kit::LocalTime kFixedTime{2026, 12, 6, 9, 5};
constexpr POINT kBoxPoint{300, 200};

// Placement rows of a scale bar's buttons, first_id + k at bar.button(k), after rows.
std::vector<Placement> with_bar(std::span<const Placement> rows, int first_id,
                                const scale_bar_layout::BarGeometry& bar) {
  std::vector<Placement> all(rows.begin(), rows.end());
  for (int k = 0; k < bar.count; ++k) all.push_back({first_id + k, bar.button(k)});
  return all;
}

// A box opened modeless over the main window, with the tables it is laid out by; its
// name also names its screenshot.
struct Box {
  const char* name;
  std::function<kit::DialogPtr<kit::SkinnedDialog>(HINSTANCE, const Decision&)> make;
  int width, height;
  std::span<const Placement> placements;
  std::span<const SkinButtonRow> buttons;
};
Box framed(const char* name, auto make, const kit::SkinFrame& frame) {
  return {name, make, frame.width, frame.height, frame.placements, frame.buttons};
}
template <class InputBox>
kit::DialogPtr<kit::SkinnedDialog> input_box_at_point(HINSTANCE module, const Decision&) {
  auto box = kit::make_dialog<InputBox>(module);
  box->x = kBoxPoint.x;
  box->y = kBoxPoint.y;
  return box;
}
std::filesystem::path library_folder() { return kit::testing::host_path(DECISION_CASE_LIBRARY_DIR); }

const Box kBoxes[] = {
    framed("chooser", [](HINSTANCE m, const Decision&) { return kit::DialogPtr<kit::SkinnedDialog>(kit::make_dialog<NewDecisionDialog>(m)); },
           new_decision_layout::kFrame),
    framed("case-library",
           [](HINSTANCE m, const Decision&) {
             return kit::DialogPtr<kit::SkinnedDialog>(kit::make_dialog<CaseLibraryDialog>(m, library_folder()));
           },
           case_library_layout::kFrame),
    framed("trap-dialog",
           [](HINSTANCE m, const Decision&) {
             return kit::DialogPtr<kit::SkinnedDialog>(kit::make_dialog<TrapDialog>(m, "陷阱", "说明"));
           },
           trap_dialog_layout::kFrame),
    framed("ranking-explanation",
           [](HINSTANCE m, const Decision& d) {
             return kit::DialogPtr<kit::SkinnedDialog>(kit::make_dialog<RankingExplanationDialog>(m, d));
           },
           ranking_explanation_layout::kFrame),
    {"about",
     [](HINSTANCE m, const Decision&) { return kit::DialogPtr<kit::SkinnedDialog>(kit::make_dialog<DecisionAboutDialog>(m)); },
     about_layout::kWidth, about_layout::kHeight, about_layout::kPlacements, {}},
    {"small-input", input_box_at_point<SmallInputBox>, small_input_box_layout::kWidth,
     small_input_box_layout::kHeight, small_input_box_layout::kPlacements, small_input_box_layout::kButtons},
    {"big-input", input_box_at_point<BigInputBox>, big_input_box_layout::kWidth, big_input_box_layout::kHeight,
     big_input_box_layout::kPlacements, big_input_box_layout::kButtons},
};

class EveryWindowAtScaleTest : public testing::MainWindowTest {
 protected:
  EveryWindowAtScaleTest() : MainWindowTest(kFixedTime) {}

  void SetUp() override {
    dpi_ = kit::testing::prefix_dpi();
    if (dpi_ == 0) GTEST_SKIP() << "run by decision_scale_tests at 120, 144 and 192 DPI";
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(kit::window_dpi(window_), dpi_) << "the prefix's LogPixels";
    ASSERT_EQ(dialog_->open_file(library_folder() / L"exp" / L"买车还是不买车.dec"), 0);
    pump(40);
  }
  std::string shot(const char* what) const { return "decision-scale-" + std::to_string(dpi_) + "-" + what + ".bmp"; }

  int dpi_ = 0;
  TrapPanel traps_{module()};
};

TEST_F(EveryWindowAtScaleTest, EveryBoxTakesItsScaledSizeAndPlaces) {
  for (const Box& row : kBoxes) {
    SCOPED_TRACE(row.name);
    auto box = row.make(module(), current_);
    HWND window = box->create(window_);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    pump(30);
    EXPECT_EQ(kit::window_dpi(window), dpi_);
    expect_client_scaled(window, row.width, row.height);
    expect_placed(window, row.placements);
    expect_placed(window, row.buttons);
    if (dynamic_cast<TextInputBox*>(box.get())) {
      RECT frame{};
      GetWindowRect(window, &frame);
      EXPECT_EQ(frame.left, kBoxPoint.x);
      EXPECT_EQ(frame.top, kBoxPoint.y);
    }
    kit::testing::save_screenshot(window, shot(row.name).c_str());
  }
  // The case library's columns ("title,width;...") at their scaled widths.
  auto library = kit::make_dialog<CaseLibraryDialog>(module(), library_folder());
  HWND list = GetDlgItem(library->create(window_), IDC_CASE_LIST);
  int column = 0;
  for (const char* at = case_library_layout::kColumns; (at = std::strchr(at, ',')); ++column) {
    EXPECT_EQ(ListView_GetColumnWidth(list, column), kit::scale_length(std::atoi(++at), dpi_)) << "column " << column;
  }
}

TEST_F(EveryWindowAtScaleTest, WizardPagesAndTheirTrapPanelTakeTheirScaledPlaces) {
  wizard_ = current_;
  const std::span<const SkinButtonRow> no_back = std::span(page_lay::kButtons).subspan(1);
  const std::vector<Placement> rating =
      with_bar(with_bar(wizard_rating_step_layout::kPlacements, IDC_RATING_VALUE_0, wizard_rating_step_layout::kValueBar),
               IDC_RATING_PROBABILITY_0, wizard_rating_step_layout::kProbabilityBar);
  struct Page {
    int number;
    std::function<kit::DialogPtr<WizardPage>()> make;
    std::span<const Placement> placements;
  };
  const Page pages[] = {
      {1, [&] { return kit::DialogPtr<WizardPage>(kit::make_dialog<WizardBackgroundStep>(module(), wizard_)); },
       wizard_background_step_layout::kPlacements},
      {2, [&] { return kit::DialogPtr<WizardPage>(kit::make_dialog<WizardAlternativesStep>(module(), wizard_, traps_)); },
       wizard_alternatives_step_layout::kPlacements},
      {3,
       [&] {
         return kit::DialogPtr<WizardPage>(
             kit::make_dialog<WizardResultsStep>(module(), wizard_, traps_, WizardMove::Next));
       },
       wizard_results_step_layout::kPlacements},
      {4,
       [&] {
         return kit::DialogPtr<WizardPage>(kit::make_dialog<WizardRatingStep>(module(), wizard_, traps_, WizardMove::Next));
       },
       rating},
  };
  const Placement side_tab[] = {{IDC_WIZARD_SIDE_TAB, page_lay::kSideTab},
                                {IDC_RATING_METHOD, wizard_rating_step_layout::kMethodSwitch}};
  for (const Page& page : pages) {
    SCOPED_TRACE(page.number);
    auto dialog = page.make();
    HWND window = dialog->create(nullptr);
    ASSERT_NE(window, nullptr);
    pump(60);
    expect_client_scaled(window, page_lay::kWidth, page_lay::kHeight);
    expect_placed(window, page.placements);
    expect_placed(window, page.number == 1 ? no_back : std::span(page_lay::kButtons));
    if (page.number == 1) continue;
    expect_placed(window, std::span(side_tab).first(page.number == 4 ? 2 : 1));
    // The trap panel stands in the side area, at its size, its buttons on their places.
    RECT panel{};
    GetWindowRect(traps_.hwnd(), &panel);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&panel), 2);
    const kit::PixelRect at = kit::scale_rect(page_lay::kTrapPanel, dpi_);
    EXPECT_EQ(panel.left, at.x);
    EXPECT_EQ(panel.top, at.y);
    expect_client_scaled(traps_.hwnd(), trap_panel_layout::kWidth, trap_panel_layout::kHeight);
    expect_placed(traps_.hwnd(), trap_panel_layout::kButtons);
    if (page.number == 4)
      kit::testing::save_screenshot(window, ("wizard-page-4-scale-" + std::to_string(dpi_) + ".bmp").c_str());
  }
}

TEST_F(EveryWindowAtScaleTest, PickersOpenAtScaleAndTheirScaledBarPicks) {
  dialog_->open_panel(1);
  pump(40);
  HWND panel = dialog_->panel(1);
  ASSERT_NE(panel, nullptr);
  // The main window with the case and the panel over it, as the screen shows them.
  kit::testing::Pixels screen = kit::testing::shown(window_);
  kit::testing::Pixels panel_pixels = kit::testing::shown(panel);
  POINT corner{0, 0};
  MapWindowPoints(panel, window_, &corner, 1);
  BitBlt(screen.dc(), corner.x, corner.y, panel_pixels.width(), panel_pixels.height(), panel_pixels.dc(), 0, 0, SRCCOPY);
  kit::testing::save_pixels(screen, shot("case").c_str());

  auto* alternative = AlternativePanel::of(panel);
  ASSERT_NE(alternative, nullptr);
  SendMessageW(GetDlgItem(panel, panel_lay::kValueIds[0]), BM_CLICK, 0, 0);
  pump(40);
  HWND value_picker = alternative->value_picker();
  ASSERT_NE(value_picker, nullptr);
  const Placement method_switch[] = {{IDC_METHOD_SWITCH, value_picker_layout::kMethodSwitch}};
  expect_client_scaled(value_picker, value_picker_layout::kWidth, value_picker_layout::kHeight);
  expect_placed(value_picker, with_bar(method_switch, IDC_VALUE_0, value_picker_layout::kBar));
  kit::testing::save_screenshot(value_picker, shot("value-picker").c_str());

  SendMessageW(GetDlgItem(panel, panel_lay::kProbabilityIds[0]), BM_CLICK, 0, 0);
  pump(40);
  HWND picker = alternative->probability_picker();
  ASSERT_NE(picker, nullptr);
  expect_client_scaled(picker, probability_picker_layout::kWidth, probability_picker_layout::kHeight);
  expect_placed(picker, with_bar({}, IDC_PROBABILITY_0, probability_picker_layout::kBar));
  // A click in the middle of position 7's scaled place picks probability 7.
  const kit::PixelRect seven = kit::scale_rect(probability_picker_layout::kBar.button(7), dpi_);
  EXPECT_EQ(kit::testing::click_at(picker, kit::testing::centre(seven)), GetDlgItem(picker, IDC_PROBABILITY_0 + 7));
  EXPECT_EQ(alternative->alternative().result_prob[1], 7);
  dialog_->close_all_panels();
}

}  // namespace
}  // namespace decision
