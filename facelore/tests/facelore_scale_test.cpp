// facelore's windows at another display scale: the main window at start and after an
// analysis started by a click on the analysis button's scaled place, and the About box
// opened from its scaled hot area, each at its scaled size with every control on its
// scaled place.  facelore_scale_tests runs these at 120, 144 and 192 DPI; the move to a
// monitor of another scale runs in every run.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "facelore/facelore_dialog.h"
#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"
#include "facelore/tests/window_test_support.h"
#include "kit/testing/placement.h"
#include "kit/testing/scale.h"
#include "kit/text/wide.h"

namespace facelore {
namespace {

using kit::testing::centre;
using kit::testing::click_at;
using kit::testing::expect_client_scaled;
using kit::testing::expect_placed;
using testing::pump;

class MainWindowAtScale : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    open_main_window();
  }
  void expect_laid_out() {
    expect_client_scaled(window_, layout::kClientWidth, layout::kClientHeight);
    expect_placed(window_, layout::kMainPlacements);
    expect_placed(window_, layout::kButtons);
  }
  // The hot spot of a scaled place of the main window.
  POINT scaled_centre(const kit::PixelRect& place) const {
    return centre(kit::scale_rect(place, kit::window_dpi(window_)));
  }
};

TEST_F(MainWindowAtScale, StartAnalysisAndAboutFollowTheDisplayScale) {
  const int dpi = kit::testing::prefix_dpi();
  if (dpi == 0) GTEST_SKIP() << "run by facelore_scale_tests at 120, 144 and 192 DPI";
  ASSERT_EQ(kit::window_dpi(window_), dpi) << "the prefix's LogPixels";
  expect_laid_out();

  choose(IDC_PART_LIST, 1);
  choose(IDC_FEATURE_LIST, 1);
  choose(IDC_OPTION_LIST, 1);
  EXPECT_EQ(click_at(window_, scaled_centre(layout::kAnalyseButton)), GetDlgItem(window_, IDC_ANALYSE));
  EXPECT_FALSE(kit::get_dlg_item_text(window_, IDC_HEADING).empty()) << "no analysis";
  EXPECT_FALSE(kit::get_dlg_item_text(window_, IDC_RESULT_4).empty());
  // The texts and labels filled in stay on their places (the buttons' table is not
  // looked at again: a button under the mouse has made its tooltip).
  expect_placed(window_, layout::kMainPlacements);
  testing::save_screenshot(window_, ("facelore-analysis-scale-" + std::to_string(dpi) + ".bmp").c_str());

  auto click_about = [&](HWND) { click_at(window_, scaled_centre(layout::kAboutHotArea)); };
  testing::while_box_is_open(window_, click_about, [](HWND box) {
    EXPECT_EQ(kit::window_dpi(box), kit::testing::prefix_dpi());
    expect_client_scaled(box, layout::kAboutWidth, layout::kAboutHeight);
    expect_placed(box, layout::kAboutPlacements);
    EndDialog(box, IDOK);
  });
}

TEST_F(MainWindowAtScale, AMoveToAMonitorOfAnotherScaleTakesTheSuggestedRectangle) {
  const int from = kit::window_dpi(window_);
  for (const int dpi : {from == 192 ? 120 : 192, from}) {
    SCOPED_TRACE(dpi);
    RECT frame{};
    GetWindowRect(window_, &frame);
    RECT suggested{0, 0, kit::scale_length(layout::kClientWidth, dpi), kit::scale_length(layout::kClientHeight, dpi)};
    kit::adjust_window_rect(suggested, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), false,
                            static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), dpi);
    OffsetRect(&suggested, frame.left + 10 - suggested.left, frame.top + 10 - suggested.top);
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump(20);
    EXPECT_EQ(kit::window_dpi(window_), dpi);
    // The window takes the suggested corner; its client area is fitted at the new DPI
    // (Wine keeps the system's frame widths, so the outer size may differ from the
    // suggested one).
    RECT now{};
    GetWindowRect(window_, &now);
    EXPECT_EQ(now.left, suggested.left);
    EXPECT_EQ(now.top, suggested.top);
    expect_laid_out();
  }
}

}  // namespace
}  // namespace facelore
