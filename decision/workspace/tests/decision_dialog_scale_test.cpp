// decision's main window at another display scale: every place, the cells' text lines,
// clicks on scaled places, a panel beside its cell, and a move to a monitor of another
// scale, with the template's font.  decision_scale_tests runs the first at 120, 144 and
// 192 DPI (a Wine prefix per DPI; KIT_TEST_DPI names it); the moves run in every run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "decision/res/resource_ids.h"
#include "decision/testing/main_window_test.h"
#include "decision/workspace/alternative_panel_layout.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "kit/dpi.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/placement.h"
#include "kit/testing/scale.h"
#include "kit/testing/screenshot.h"

namespace decision {
namespace {

namespace lay = main_window_layout;
namespace panel_lay = alternative_panel_layout;
using kit::testing::centre;
using kit::testing::click_at;
using kit::testing::prefix_dpi;
using kit::testing::pump;

constexpr kit::LocalTime kFixedTime{2026, 12, 6, 9, 5};

// The top of the text line (from 0) of an edit, in its client area.
int line_top(HWND edit, int line) {
  const auto first = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  return static_cast<short>(HIWORD(SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0)));
}

HFONT font_of(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

int font_height(HWND window) {
  LOGFONTW face{};
  GetObjectW(font_of(window), sizeof(face), &face);
  return face.lfHeight;
}

// A combo box's selection field (-1) or item (0) height.
int combo_height(HWND combo, int which) {
  return static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(which), 0));
}

class MainWindowAtScaleTest : public testing::MainWindowTest {
 protected:
  MainWindowAtScaleTest() : MainWindowTest(kFixedTime) {}

  void start_three() {
    session_.start_blank(3, kFixedTime);
    for (int i = 1; i <= 3; ++i) {
      Alternative a = current_.alternatives[static_cast<std::size_t>(i)];
      a.result_value[1] = 2 * i;
      a.result_prob[1] = 5;
      session_.accept_alternative(i, a);
    }
    dialog_->refresh();
    pump(40);
  }

  // What the system sends when the window moves to a monitor of dpi.
  void move_to(int dpi) {
    RECT frame{};
    GetWindowRect(window_, &frame);
    RECT suggested{frame.left, frame.top, frame.left + kit::scale_length(lay::kClientWidth, dpi),
                   frame.top + kit::scale_length(lay::kClientHeight, dpi)};
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump(40);
  }

  // The window, its controls and its cells' text lines all at dpi.
  void expect_laid_out(int dpi) {
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, kit::scale_length(lay::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, kit::scale_length(lay::kClientHeight, dpi));
    kit::testing::expect_placed(window_, lay::kPlacements);
    kit::testing::expect_placed(window_, lay::kButtons);
    kit::testing::expect_placed(window_, lay::kRankButtons);
    // Label and total on their bands: a whole-pixel pitch strays half a pixel a line
    // from the line the text is pinned by, three lines away from each.
    HWND cell = GetDlgItem(window_, lay::kCellIds[0]);
    for (int line : {lay::kCellLabelLine, lay::kCellTotalLine}) {
      const int band_at = kit::scale_length(lay::text_line_y(lay::kCellLabelY, line), dpi);
      EXPECT_LE(std::abs(line_top(cell, line) - band_at), 2) << "line " << line;
    }
    HWND summary = GetDlgItem(window_, IDC_BACKGROUND_SUMMARY);
    EXPECT_EQ(line_top(summary, lay::kShownFromLine), kit::scale_length(lay::kSummaryTextY, dpi));
  }
};

TEST_F(MainWindowAtScaleTest, PlacesTextLinesClicksAndPanelsFollowTheDisplayScale) {
  const int dpi = prefix_dpi();
  if (dpi == 0) GTEST_SKIP() << "run by decision_scale_tests at 120, 144 and 192 DPI";
  ASSERT_EQ(kit::window_dpi(window_), dpi) << "the prefix's LogPixels";
  start_three();
  expect_laid_out(dpi);

  // A click in the middle of cell 2's scaled place opens its panel below the cell.
  HWND cell = GetDlgItem(window_, IDC_CELL_2);
  EXPECT_EQ(click_at(window_, centre(kit::scale_rect(lay::grid_cell(1), dpi))), cell);
  HWND panel = dialog_->panel(2);
  ASSERT_NE(panel, nullptr);
  RECT cell_frame{}, panel_frame{}, panel_client{};
  GetWindowRect(cell, &cell_frame);
  GetWindowRect(panel, &panel_frame);
  GetClientRect(panel, &panel_client);
  EXPECT_EQ(panel_frame.left, cell_frame.left);
  EXPECT_EQ(panel_frame.top, cell_frame.bottom);
  EXPECT_EQ(panel_client.right, kit::scale_length(panel_lay::kWidth, dpi));
  EXPECT_EQ(panel_client.bottom, kit::scale_length(panel_lay::height_for(1), dpi));
  kit::testing::expect_placed(panel, panel_lay::kPlacements);
  kit::testing::save_screenshot(window_, ("decision-scale-" + std::to_string(dpi) + ".bmp").c_str());
  kit::testing::save_screenshot(panel, ("decision-scale-" + std::to_string(dpi) + "-panel.bmp").c_str());
  dialog_->close_all_panels();

  // A click on the Add button's scaled place adds an alternative.
  EXPECT_EQ(click_at(window_, centre(kit::scale_rect(lay::kAddButton, dpi))), GetDlgItem(window_, IDC_ADD_ALTERNATIVE));
  EXPECT_EQ(current_.deci_count, 4);
}

TEST_F(MainWindowAtScaleTest, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgain) {
  start_three();
  const int from = kit::window_dpi(window_);
  const int to = from == 192 ? 120 : 192;
  for (const int dpi : {to, from}) {
    move_to(dpi);
    EXPECT_EQ(kit::window_dpi(window_), dpi);
    expect_laid_out(dpi);
  }
}

// The rank buttons and combo boxes show the template's font, which the code never sets:
// it follows the move, and at the first DPI the dialog manager's own font is back.
TEST_F(MainWindowAtScaleTest, TheTemplateFontFollowsAMoveAndComesBack) {
  const int from = kit::window_dpi(window_);
  const int to = from == 192 ? 96 : 192;
  HWND combo = GetDlgItem(window_, IDC_INSERT_AT);
  const HFONT template_font = font_of(window_);
  const int height = font_height(window_);
  const int field = combo_height(combo, -1);
  const int row = combo_height(combo, 0);
  ASSERT_NE(template_font, nullptr);

  move_to(to);
  EXPECT_NE(font_of(window_), template_font);
  EXPECT_EQ(font_height(window_), MulDiv(height, to, from));
  for (const int id : {IDC_BEST, IDC_RUNNER_UP, IDC_WORST, IDC_INSERT_AT, IDC_DELETE_AT})
    EXPECT_EQ(font_of(GetDlgItem(window_, id)), font_of(window_)) << "control " << id;
  // Items as high as the font's characters; the field's border around them stays.
  EXPECT_NEAR(combo_height(combo, 0), MulDiv(row, to, from), 1);
  EXPECT_EQ(combo_height(combo, -1) - combo_height(combo, 0), field - row);
  EXPECT_NE(font_of(GetDlgItem(window_, IDC_CELL_1)), font_of(window_)) << "a cell keeps its own font";

  move_to(from);
  EXPECT_EQ(font_of(window_), template_font);
  EXPECT_EQ(font_of(GetDlgItem(window_, IDC_BEST)), template_font);
  EXPECT_EQ(combo_height(combo, -1), field);
  EXPECT_EQ(combo_height(combo, 0), row);
}

TEST_F(MainWindowAtScaleTest, MovesBackAndForthLeaveNoGdiObjectBehindInASoak) {
  const int from = kit::window_dpi(window_);
  const int to = from == 192 ? 96 : 192;
  kit::testing::expect_gdi_objects_return(
      [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
          move_to(to);
          move_to(from);
        }
        return rounds;
      },
      kit::testing::soak_rounds());
}

}  // namespace
}  // namespace decision
