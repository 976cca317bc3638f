// decision's main window: the background "gr.gr" under the command column, the two
// summaries, the add/delete group and the 3 x 3 grid of alternatives.  Every place comes
// from decision/workspace/decision_dialog_layout.h.
#include <string>

#include "canvas.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::main_window_layout;
using detail::utf8;

constexpr int kBrandBar = 4;      // the navy bar along the top edge
constexpr int kTopBand = 96;      // white band with the logo and the summaries
constexpr int kColumnWidth = 166;  // the navy command column under the logo
constexpr int kBottomBand = 570;  // grey band with the wizard button

// The add/delete group: a light panel around the two buttons and their lists.
constexpr Box kEditGroup{686, 8, 200, 80};
// The card holding the grid, with room for its heading above the first row.
constexpr Box kGridCard{176, 102, 704, 462};

void command_column(Canvas& c) {
  c.fill_rect({0, kTopBand, kColumnWidth, lay::kClientHeight - kTopBand}, style::kNavy);
  // A rule between the file commands and Help/About.
  const int rule_y = (lay::kSaveButton.bottom() + lay::kHelpButton.y) / 2;
  c.fill_rect({lay::kCommandX + 10, rule_y, lay::kCommandWidth - 20, 1}, style::kDeepBlue);
  // The motto in the free stretch above Exit.
  const int free_top = lay::kAboutButton.bottom();
  const int free_height = lay::kExitButton.y - free_top;
  const Box motto{0, free_top + free_height / 2 - 24, kColumnWidth, 24};
  c.text(utf8(u8"理性比较"), style::kLabel, style::kSkyBlue, motto, Align::Centre);
  c.text(utf8(u8"择优而行"), style::kLabel, style::kSkyBlue,
         {motto.x, motto.y + motto.h, motto.w, motto.h}, Align::Centre);
}

void edit_group(Canvas& c) {
  c.fill_rounded(kEditGroup, style::kCorner, style::kIceBlue);
  c.outline_rounded(kEditGroup, style::kCorner, style::kMistBlue);
  c.text(utf8(u8"增删方案"), style::kTab, style::kNavy,
         {lay::kAddButton.x, kEditGroup.y + 2, kEditGroup.w - 16, lay::kAddButton.y - kEditGroup.y - 4},
         Align::Start, Align::Centre);
}

// An empty grid cell: paper in a thin frame with its number, faint, in the middle; the
// cell's own picture covers it once the alternative exists.
void grid_cell(Canvas& c, int index) {
  const Box cell = box_of(lay::grid_cell(index));
  c.fill_rect(cell, style::kPaper);
  c.frame(cell, style::kFrameBlue);
  c.text(std::string(utf8(u8"方案 ")) + std::to_string(index + 1), style::kTitle, style::kMistBlue, cell,
         Align::Centre, Align::Centre);
}

Image paint_background() {
  Canvas c(lay::kClientWidth, lay::kClientHeight);
  c.fill(style::kCanvas);

  c.fill_rect({0, 0, lay::kClientWidth, kTopBand}, style::kWhite);
  c.fill_rect({0, kTopBand, lay::kClientWidth, 1}, style::kGrey82);
  c.fill_rect({0, 0, lay::kClientWidth, kBrandBar}, style::kNavy);
  boxed_heading(c, box_of(lay::kBackgroundBox), u8"决策背景");
  boxed_heading(c, box_of(lay::kRecordBox), u8"执行记录");
  edit_group(c);

  command_column(c);

  c.fill_rounded(kGridCard, style::kCorner + 2, style::kGrey82);
  c.fill_rounded({kGridCard.x + 1, kGridCard.y + 1, kGridCard.w - 2, kGridCard.h - 2},
                 style::kCorner + 1, style::kWhite);
  const lay::Rect& first = lay::kFirstCell;
  section_heading(c, {first.x, kGridCard.y + 3, lay::grid_cell(2).right() - first.x, 18},
                  u8"备选方案");
  for (int i = 0; i < lay::kGridCells; ++i) grid_cell(c, i);

  c.fill_rect({kColumnWidth, kBottomBand, lay::kClientWidth - kColumnWidth,
               lay::kClientHeight - kBottomBand},
              style::kCloud);
  c.fill_rect({kColumnWidth, kBottomBand, lay::kClientWidth - kColumnWidth, 1}, style::kGrey82);
  const lay::Rect& wizard = lay::kWizardButton;
  c.text(utf8(u8"单击方案格子，展开该方案逐项编辑。"), style::kSmall, style::kSlate,
         {first.x, wizard.y, wizard.x - first.x - style::kMargin, wizard.h}, Align::Start,
         Align::Centre);
  return c.to_image();
}

}  // namespace

void add_main_window(PictureSet& set) {
  set.push_back({lay::kBackgroundFile, encode_bmp(paint_background())});
}

}  // namespace painter::decision_pictures
