// decision's alternative panel: the short and the tall background ("方案内容1.bmp" for
// up to four results, "方案内容2.bmp" for five to nine) with the title strip, the
// description's field, the result table with its column headings and rows, and the
// foot with the total; the blank band the panel lays over the rows not in use; the add
// and delete buttons.  Keep, drop and close use the OK, Cancel and close pictures of
// the chooser's and the case library's recipes.  Places, key colours and file names
// come from decision/workspace/alternative_panel_layout.h.
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/workspace/alternative_panel_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::alternative_panel_layout;
using detail::utf8;

// The rows' ground, under the table's rows and in the blank band alike.
constexpr Rgb kRowsGround = style::kPaper;
constexpr Rgb kSeparator = style::kCloud;

// Where the rows' ground ends: just above the foot's band.
constexpr int rows_bottom(int height) {
  return (height == lay::kTallHeight ? lay::kTallFootY : lay::kShortFootY) - lay::kFootBandAbove;
}

// A light field with a hairline frame behind a control the program writes into.
void field(Canvas& c, Box b, Rgb ground) {
  c.fill_rounded(b, 3, style::kFrameBlue);
  c.fill_rounded({b.x + 1, b.y + 1, b.w - 2, b.h - 2}, 2, ground);
}

void title_strip(Canvas& c) {
  c.fill_rect({0, 0, lay::kWidth, lay::kTitleStripHeight}, style::kNavy);
  c.text(utf8(u8"方案"), style::kTab, style::kWhite, {style::kTabPadding, 0, 40, lay::kTitleStripHeight},
         Align::Start, Align::Centre);
  c.text(utf8(u8"编辑方案的描述和结果，按住空白处可拖动"), style::kSmall, style::kSkyBlue,
         {lay::kNumber.right() + style::kGap, 0, 300, lay::kTitleStripHeight}, Align::Start, Align::Centre);
  // A grip of dots left of the close button.
  const double right = lay::kCloseButton.x - 10;
  const double middle = lay::kTitleStripHeight / 2.0;
  for (int i = 0; i < 3; ++i) {
    c.fill_circle(right - i * 4, middle - 2, 1, style::kSkyBlue);
    c.fill_circle(right - i * 4, middle + 2, 1, style::kSkyBlue);
  }
}

void description_line(Canvas& c) {
  const lay::Rect& d = lay::kDescription;
  field(c, {d.x - 3, d.y - 4, d.w + 6, d.h + 8}, lay::kEditBack);
}

// The headings of the result table: the row number, the text, the value (−10..+10) and
// the probability (0..10, in tenths).
void table_heading(Canvas& c) {
  const lay::Rect& t = lay::kTable;
  c.fill_rect(box_of(t), style::kMistBlue);
  auto heading = [&](std::u8string_view word, int x, int w) {
    c.text(utf8(word), style::kTab, style::kNavy, {x, t.y, w, t.h}, Align::Centre, Align::Centre);
  };
  heading(u8"序号", lay::kNumberColumn.x, lay::kNumberColumn.w);
  heading(u8"结果描述", lay::kTextX, lay::kTextWidth);
  heading(u8"效益值", lay::kValueX - 8, lay::kNumberButtonWidth + 16);
  heading(u8"可能性", lay::kProbabilityX - 8, lay::kNumberButtonWidth + 16);
  // What the numbers mean, beside the table.
  c.text(utf8(u8"点数字"), style::kSmall, style::kSlate, {t.right() + 2, t.y + 20, lay::kWidth - t.right() - 4, 16},
         Align::Centre, Align::Centre);
  c.text(utf8(u8"可修改"), style::kSmall, style::kSlate, {t.right() + 2, t.y + 36, lay::kWidth - t.right() - 4, 16},
         Align::Centre, Align::Centre);
}

void result_row(Canvas& c, int k, int rows) {
  const int y = lay::row_y(k);
  const double cx = lay::kNumberColumn.x + lay::kNumberColumn.w / 2.0;
  c.fill_circle(cx, y + lay::kTextHeight / 2.0, 9, style::kMistBlue);
  c.text(std::to_string(k), style::kTab, style::kNavy, {static_cast<int>(cx) - 9, y - 2, 18, lay::kTextHeight + 4},
         Align::Centre, Align::Centre);
  const lay::Rect text = lay::result_text(k);
  field(c, {text.x - 3, text.y - 3, text.w + 6, text.h + 6}, lay::kEditBack);
  for (const lay::Rect& b : {lay::value_button(k), lay::probability_button(k)})
    field(c, box_of(b), style::kWhite);
  if (k < rows)
    c.fill_rect({lay::kBandX + 4, y + lay::kRowPitch - 7, lay::kBandWidth - 8, 1}, kSeparator);
}

void foot(Canvas& c, int height) {
  const int y = height == lay::kTallHeight ? lay::kTallFootY : lay::kShortFootY;
  const int band = y - lay::kFootBandAbove;
  c.fill_rect({0, band, lay::kWidth, height - band}, style::kCloud);
  c.fill_rect({0, band, lay::kWidth, 1}, style::kGrey82);
  const lay::Rect number = lay::foot_number(y);
  c.text(utf8(u8"方案"), style::kLabel, style::kNavy, {number.x - 40, y, 38, number.h}, Align::End, Align::Centre);
  const lay::Rect total = lay::total(y, lay::kTotalOpeningWidth);
  c.text(utf8(u8"总效益值"), style::kLabel, style::kInk, {number.right() + 8, y, total.x - number.right() - 14, total.h},
         Align::End, Align::Centre);
  field(c, {total.x - 2, total.y, total.w + 4, total.h}, style::kWhite);
}

Image paint_background(int height) {
  const int rows = height == lay::kTallHeight ? lay::kMaxRows : lay::kTallFromResults - 1;
  Canvas c(lay::kWidth, height);
  c.fill(style::kCanvas);
  title_strip(c);
  description_line(c);
  table_heading(c);
  c.fill_rect({lay::kTable.x, lay::kTable.bottom(), lay::kTable.w, rows_bottom(height) - lay::kTable.bottom() - 2},
              kRowsGround);
  for (int k = 1; k <= rows; ++k) result_row(c, k, rows);
  foot(c, height);
  c.frame({0, 0, lay::kWidth, height}, style::kNavy);
  return c.to_image();
}

// The band over the rows not in use: the rows' ground, with a dashed empty row at its
// top (every band begins just above a row) that says how a row is added.
Image paint_blank_rows() {
  Canvas c(lay::kBandWidth, lay::kBandPictureHeight);
  c.fill(kRowsGround);
  constexpr int kRowTop = 5;  // a row's fields begin this far below every band's top
  const int left = lay::kTextX - 3 - lay::kBandX;
  const int right = lay::kProbabilityX + lay::kNumberButtonWidth - lay::kBandX;
  for (int x = left; x < right; x += 6) {
    c.fill_rect({x, kRowTop, 3, 1}, style::kGrey82);
    c.fill_rect({x, kRowTop + lay::kNumberButtonHeight - 1, 3, 1}, style::kGrey82);
  }
  c.text(utf8(u8"空行：在上方选好位置，单击“增加”添加一个结果"), style::kSmall, style::kSlate,
         {left + 8, kRowTop, right - left - 16, lay::kNumberButtonHeight}, Align::Start, Align::Centre);
  return c.to_image();
}

// Add: a filled deep-blue button, lighter under the pointer.  Its word is the lightest
// blue, not white: white is the key.
Image paint_add(const Image& background, bool hover) {
  const lay::Rect& r = lay::kAdd.place;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kAdd.key, [&](Canvas& c) {
    primary_button_face(c, u8"增加", style::kTab, hover);
  });
}

// Delete: a framed light button, bluer under the pointer.
Image paint_delete(const Image& background, bool hover) {
  const lay::Rect& r = lay::kDelete.place;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kDelete.key, [&](Canvas& c) {
    secondary_button_face(c, u8"删除", style::kTab, hover);
  });
}

}  // namespace

void add_alternative_panel(PictureSet& set) {
  const Image short_background = paint_background(lay::kShortHeight);
  set.push_back({lay::kShortFile, encode_bmp(short_background)});
  set.push_back({lay::kTallFile, encode_bmp(paint_background(lay::kTallHeight))});
  set.push_back({"panel_blank_rows.bmp", encode_bmp(paint_blank_rows())});
  set.push_back({lay::kAdd.normal.file, encode_bmp(paint_add(short_background, false))});
  set.push_back({lay::kAdd.hover.file, encode_bmp(paint_add(short_background, true))});
  set.push_back({lay::kDelete.normal.file, encode_bmp(paint_delete(short_background, false))});
  set.push_back({lay::kDelete.hover.file, encode_bmp(paint_delete(short_background, true))});
}

}  // namespace painter::decision_pictures
