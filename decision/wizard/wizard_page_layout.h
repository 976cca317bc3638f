// What the four pages of the decision wizard share: the page size, the title band with
// the step indicator, the places of Back, Next and Cancel, the side area where the trap
// panel stands on pages 2 to 4, and the row bands of the pages that list rows (the
// alternatives, the results) with the blank picture that covers the rows not in use.
// The build-time painter draws the pages around the same constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/wizard/trap_panel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::wizard_page_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

inline constexpr int kWidth = 719;
inline constexpr int kHeight = 467;
inline constexpr int kStepCount = 4;

// The navy band along the top: the step's title and its one-line instruction at the
// left, the step indicator 1-2-3-4 at the right.
inline constexpr int kBandHeight = 50;
inline constexpr int kIndicatorDiameter = 22;
inline constexpr int kIndicatorPitch = 40;
inline constexpr int kIndicatorRight = 700;
// The centre of step n's mark (1..4).
constexpr int indicator_centre_x(int n) {
  return kIndicatorRight - kIndicatorDiameter / 2 - (kStepCount - n) * kIndicatorPitch;
}
inline constexpr int kIndicatorCentreY = 25;

// Back, Next and Cancel along the foot; page 1 has no Back.
inline constexpr int kFootTop = 410;
inline constexpr Rect kBackButton{432, 424, 84, 26};
inline constexpr Rect kNextButton{526, 424, 84, 26};
// Cancel shows the chooser's Cancel pictures, at their size.
inline constexpr Rect kCancelButton{632, 426, 64, 22};
inline constexpr Rgb kButtonKey{255, 255, 255};
// Back and Next open with the pictures of leaving the page.
inline constexpr kit::SkinPicture kBackPageHover{IDB_WIZARD_BACK_PAGE_HOVER, "wizard_back_page_hover.bmp"};
inline constexpr kit::SkinPicture kBackPage{IDB_WIZARD_BACK_PAGE, "wizard_back_page.bmp"};
inline constexpr kit::SkinPicture kNextPageHover{IDB_WIZARD_NEXT_PAGE_HOVER, "wizard_next_page_hover.bmp"};
inline constexpr kit::SkinPicture kNextPage{IDB_WIZARD_NEXT_PAGE, "wizard_next_page.bmp"};
// Back, Next and Finish as they walk within a page (between alternatives or pairs).
inline constexpr kit::SkinPicture kBackHover{IDB_WIZARD_BACK_HOVER, "wizard_back_hover.bmp"};
inline constexpr kit::SkinPicture kBack{IDB_WIZARD_BACK, "wizard_back.bmp"};
inline constexpr kit::SkinPicture kNextHover{IDB_WIZARD_NEXT_HOVER, "wizard_next_hover.bmp"};
inline constexpr kit::SkinPicture kNext{IDB_WIZARD_NEXT, "wizard_next.bmp"};
inline constexpr kit::SkinPicture kFinishHover{IDB_WIZARD_FINISH_HOVER, "wizard_finish_hover.bmp"};
inline constexpr kit::SkinPicture kFinish{IDB_WIZARD_FINISH, "wizard_finish.bmp"};
// The pictures compiled in that no button of the table starts with.
inline constexpr kit::SkinPicture kOtherPictures[] = {kBackHover, kBack, kNextHover, kNext, kFinishHover, kFinish};
inline constexpr kit::SkinButtonRow kButtons[] = {
    {IDC_WIZARD_BACK, kBackButton, kBackPageHover, kBackPage, kButtonKey, "回到上一步", "上一步"},
    {IDC_WIZARD_NEXT, kNextButton, kNextPageHover, kNextPage, kButtonKey, "继续下一步", "下一步"},
    {IDC_WIZARD_CANCEL, kCancelButton, shared_pictures::kCancelHover, shared_pictures::kCancelNormal, kButtonKey,
     "放弃向导，不做任何改动", "取消"},
};

// The side area (the tab control) on pages 2 to 4 and, inside it under its one tab,
// the trap panel.
inline constexpr int kTabHeaderHeight = 24;
inline constexpr Rect kTrapPanel{492, 56 + kTabHeaderHeight + 2, trap_panel_layout::kWidth,
                                 trap_panel_layout::kHeight};
inline constexpr Rect kSideTab{kTrapPanel.x - 4, 56, kTrapPanel.w + 8,
                               kTabHeaderHeight + 2 + kTrapPanel.h + 4};
inline constexpr char kSideTabTitle[] = "决策陷阱";

// Rows of a page that lists rows: row k (1..9) begins at top + pitch * (k - 1).  The
// rows not in use are covered by the blank picture, drawn from its own top-left corner;
// a band begins just above a row, so its picture's top line says how rows are added.
struct RowBand {
  int x;
  int top;
  int pitch;
  int width;
  int full_height;  // nine rows
  constexpr int row_top(int k) const { return top + pitch * (k - 1); }
  // The strip that covers the rows after the first `count`; a change of count repaints
  // the strip of the smaller count.
  constexpr Rect blank_strip(int count) const {
    return {x, top + pitch * count, width, full_height - pitch * count};
  }
};
inline constexpr int kRowCount = 9;
// The blank picture covers the larger of the two row bands.
inline constexpr int kBlankWidth = 340;
inline constexpr int kBlankHeight = 306;

}  // namespace decision::wizard_page_layout
