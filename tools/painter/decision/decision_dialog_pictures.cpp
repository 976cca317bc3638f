// decision's main window: the background "gr.gr".  A white top band with the logo, the
// two summaries and the add/delete group; the navy command column under the logo; the
// card with the 3 x 3 grid of alternatives; the grey bottom band with the rank strip,
// the hint band and the wizard band.  Every place the program fills is painted as a
// quiet, empty slot, so the window reads as designed before any decision exists.  The
// buttons, cells, summaries and hints are drawn in decision_dialog_bitmaps.cpp, over this
// very background.  Every place comes from decision/workspace/decision_dialog_layout.h.
#include <algorithm>
#include <string>

#include "canvas.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "decision_dialog_look.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::main_window_layout;
namespace look = main_window_look;
using detail::u8_of;
using detail::utf8;

constexpr int kBrandBar = 4;  // the navy bar along the top edge

// The add/delete group: a light panel around the two buttons and their lists.
constexpr Box kEditGroup{686, 8, 200, 80};
// The card holding the grid, with room for its heading above the first row.
constexpr Box kGridCard{176, 102, 704, 462};
static_assert(kEditGroup.x + kEditGroup.w <= lay::kClientWidth && kEditGroup.y + kEditGroup.h < look::kTopBand);
static_assert(kGridCard.y + kGridCard.h < look::kBottomBand);

void command_column(Canvas& c) {
  c.fill_rect({0, look::kTopBand, look::kColumnWidth, lay::kClientHeight - look::kTopBand}, style::kNavy);
  // A rule between the file commands and Help/About.
  const int rule_y = (lay::kSaveButton.bottom() + lay::kHelpButton.y) / 2;
  c.fill_rect({lay::kCommandX + 10, rule_y, lay::kCommandWidth - 20, 1}, style::kDeepBlue);
  // The motto in the free stretch above Exit, under a short rule.
  const int free_top = lay::kReportButton.bottom();
  const int free_height = lay::kExitButton.y - free_top;
  const Box motto{0, free_top + free_height / 2 - 24, look::kColumnWidth, 24};
  c.fill_rect({look::kColumnWidth / 2 - 12, motto.y - 14, 24, 2}, style::kDeepBlue);
  c.text(utf8(u8"理性比较"), style::kLabel, style::kSkyBlue, motto, Align::Centre);
  c.text(utf8(u8"择优而行"), style::kLabel, style::kSkyBlue, {motto.x, motto.y + motto.h, motto.w, motto.h},
         Align::Centre);
  c.fill_rect({lay::kCommandX + 10, lay::kExitButton.y - 5, lay::kCommandWidth - 20, 1}, style::kDeepBlue);
}

// A summary's place before a decision exists: the shape of its picture, greyed.
void summary_slot(Canvas& c, const lay::Rect& place, std::u8string_view title) {
  const Box box = box_of(place);
  c.fill_rect(box, style::kCanvas);
  c.fill_rect({box.x, box.y, box.w, look::kSummaryBand}, style::kCloud);
  c.frame(box, style::kGrey82);
  c.text(utf8(title), style::kTab, style::kSlate,
         {box.x + style::kTabPadding, box.y, box.w - 2 * style::kTabPadding, look::kSummaryBand});
}

// A closed drop-down list's slot; the list covers it once a decision exists.
void list_slot(Canvas& c, const lay::Rect& list) {
  const Box closed{list.x, list.y, list.w, look::kClosedListHeight};
  c.fill_rect(closed, style::kWhite);
  c.frame(closed, style::kFrameBlue);
}

void edit_group(Canvas& c) {
  c.fill_rounded(kEditGroup, style::kCorner, style::kIceBlue);
  c.outline_rounded(kEditGroup, style::kCorner, style::kMistBlue);
  c.text(utf8(u8"增删方案"), style::kTab, style::kNavy,
         {lay::kAddButton.x, kEditGroup.y + 2, 80, lay::kAddButton.y - kEditGroup.y - 4}, Align::Start, Align::Centre);
  c.text(utf8(u8"选择位置"), style::kSmall, style::kSlate,
         {lay::kInsertList.x, kEditGroup.y + 2, lay::kInsertList.w, lay::kAddButton.y - kEditGroup.y - 4},
         Align::End, Align::Centre);
  list_slot(c, lay::kInsertList);
  list_slot(c, lay::kDeleteList);
}

// An empty grid cell: a dashed frame around a light slot with its number, faint; the
// cell's own picture covers it once the alternative exists.
void empty_cell(Canvas& c, int index) {
  const Box cell = box_of(lay::grid_cell(index));
  c.fill_rect(cell, style::kIceBlue);
  constexpr int kDash = 4;
  for (int x = cell.x; x < cell.x + cell.w; x += 2 * kDash) {
    const int w = std::min(kDash, cell.x + cell.w - x);
    c.fill_rect({x, cell.y, w, 1}, style::kFrameBlue);
    c.fill_rect({x, cell.y + cell.h - 1, w, 1}, style::kFrameBlue);
  }
  for (int y = cell.y; y < cell.y + cell.h; y += 2 * kDash) {
    const int h = std::min(kDash, cell.y + cell.h - y);
    c.fill_rect({cell.x, y, 1, h}, style::kFrameBlue);
    c.fill_rect({cell.x + cell.w - 1, y, 1, h}, style::kFrameBlue);
  }
  c.text(std::string(utf8(u8"方案 ")) + std::to_string(index + 1), style::kTitle, style::kFrameBlue,
         {cell.x, cell.y, cell.w, cell.h - 16}, Align::Centre, Align::Centre);
  c.text(utf8(u8"空"), style::kSmall, style::kFrameBlue, {cell.x, cell.y + cell.h / 2 + 6, cell.w, 16},
         Align::Centre, Align::Centre);
}

void grid(Canvas& c) {
  c.fill_rounded(kGridCard, style::kCorner + 2, style::kGrey82);
  c.fill_rounded({kGridCard.x + 1, kGridCard.y + 1, kGridCard.w - 2, kGridCard.h - 2}, style::kCorner + 1,
                 style::kWhite);
  const lay::Rect& first = lay::kFirstCell;
  const int right = lay::grid_cell(lay::kGridColumns - 1).right();
  const Box heading_line{first.x, kGridCard.y + 3, right - first.x, 18};
  const std::string_view how = utf8(u8"单击方案格子，展开该方案逐项编辑");
  const int how_width = c.text_width(how, style::kSmall);
  section_heading(c, {heading_line.x, heading_line.y, heading_line.w - how_width - style::kGap, heading_line.h},
                  u8"备选方案");
  c.text(how, style::kSmall, style::kSlate, heading_line, Align::End, Align::Centre);
  for (int i = 0; i < lay::kGridCells; ++i) empty_cell(c, i);
}

// The rank strip: a painted tag for each rank, in the colour of the cell band that
// marks it, and a quiet slot behind the see-through button that names the alternative.
void rank_strip(Canvas& c) {
  const struct {
    const lay::Rect& label;
    const lay::Rect& button;
    std::u8string_view word;
    Rgb colour;
  } ranks[] = {
      {lay::kBestLabel, lay::kBestButton, u8"最优", look::kBestBand},
      {lay::kRunnerUpLabel, lay::kRunnerUpButton, u8"次优", look::kPlainBand},
      {lay::kWorstLabel, lay::kWorstButton, u8"最差", look::kWorstBand},
  };
  for (const auto& rank : ranks) {
    const Box tag{rank.label.x, rank.label.y + 1, rank.label.w - 2, rank.label.h - 2};
    c.fill_rounded(tag, 4, rank.colour);
    c.text(utf8(rank.word), style::kTab, style::kWhite, tag, Align::Centre, Align::Centre);
    const Box slot_box{rank.button.x + 2, rank.button.y + 1, rank.button.w - 2, rank.button.h - 2};
    c.fill_rounded(slot_box, 4, style::kWhite);
    c.outline_rounded(slot_box, 4, style::kFrameBlue);
  }
}

// The explain button's place after the rank strip: a light well a little larger than
// the place, so the place itself is one flat colour for the keyed pictures, and an
// empty slot while the button is hidden.
void explain_slot(Canvas& c) {
  constexpr int kWellMargin = 3;
  const lay::Rect& r = lay::kExplainButton;
  const Box well{r.x - kWellMargin, r.y - kWellMargin, r.w + 2 * kWellMargin, r.h + 2 * kWellMargin};
  c.fill_rounded(well, style::kCorner, style::kIceBlue);
  c.outline_rounded(well, style::kCorner, style::kFrameBlue);
}

Image paint_explain(const Image& background, bool hover) {
  const lay::Rect& r = lay::kExplainButton;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kWizardKey, [&](Canvas& c) {
    secondary_button_face(c, u8_of(lay::kExplain.name), style::kTab, hover);
  });
}

void bottom_band(Canvas& c) {
  const Box band{look::kColumnWidth, look::kBottomBand, lay::kClientWidth - look::kColumnWidth,
                 lay::kClientHeight - look::kBottomBand};
  c.fill_rect(band, look::kBottomGround);
  c.fill_rect({band.x, band.y, band.w, 1}, style::kGrey82);
  rank_strip(c);
  explain_slot(c);
  // The hint band (kHint) stays the band's plain ground: a hint picture shows there.
  // A rule between the hints and the wizard.
  const int rule_x = (lay::kHint.right() + lay::kWizardButton.x) / 2;
  c.fill_rect({rule_x, band.y + 8, 1, band.h - 16}, style::kGrey82);
  c.text(utf8(u8"逐步引导，提醒十种决策陷阱"), style::kSmall, style::kSlate, box_of(lay::kWizardNote),
         Align::Centre, Align::Centre);
}

Image paint_background() {
  Canvas c(lay::kClientWidth, lay::kClientHeight);
  c.fill(style::kCanvas);

  c.fill_rect({0, 0, lay::kClientWidth, look::kTopBand}, style::kWhite);
  c.fill_rect({0, look::kTopBand, lay::kClientWidth, 1}, style::kGrey82);
  c.fill_rect({0, 0, lay::kClientWidth, kBrandBar}, style::kNavy);
  summary_slot(c, lay::kBackgroundBox, u8"决策背景");
  summary_slot(c, lay::kRecordBox, u8"执行记录");
  edit_group(c);

  command_column(c);
  grid(c);
  bottom_band(c);
  return c.to_image();
}

}  // namespace

void add_main_window(PictureSet& set) {
  const Image background = paint_background();
  set.push_back({lay::kBackgroundFile, encode_bmp(background)});
  add_main_window_bitmaps(set, background);
  set.push_back({lay::kExplain.normal.file, encode_bmp(paint_explain(background, false))});
  set.push_back({lay::kExplain.hover.file, encode_bmp(paint_explain(background, true))});
}

}  // namespace painter::decision_pictures
