// decision's wizard pages: "决策向导第1步.bmp" … "决策向导第4步.bmp" (a navy band with
// the step's title, its one-line instruction and the step indicator 1-2-3-4 with the
// current step marked; the page's fields; the side area for the trap panel on pages 2
// to 4; a light foot band under Back, Next and Cancel), the pictures of Back, Next and
// Finish, and the blank band over the rows not in use.  Places and texts come from
// decision/wizard/wizard_*_layout.h.
#include <string>

#include "canvas.h"
#include "decision/wizard/wizard_alternatives_step_layout.h"
#include "decision/wizard/wizard_background_step_layout.h"
#include "decision/wizard/wizard_page_layout.h"
#include "decision/wizard/wizard_rating_step_layout.h"
#include "decision/wizard/wizard_results_step_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace page = decision::wizard_page_layout;
namespace background = decision::wizard_background_step_layout;
namespace alternatives = decision::wizard_alternatives_step_layout;
namespace results = decision::wizard_results_step_layout;
namespace rating = decision::wizard_rating_step_layout;
using detail::utf8;

constexpr Rgb kRowsGround = style::kIceBlue;

// The step indicator: a line through four marks; steps done are sky blue, the current
// one amber and larger, the ones ahead hollow.
void step_indicator(Canvas& c, int step) {
  const int y = page::kIndicatorCentreY;
  c.line(page::indicator_centre_x(1), y, page::indicator_centre_x(page::kStepCount), y, 2, style::kDeepBlue);
  for (int n = 1; n <= page::kStepCount; ++n) {
    const int x = page::indicator_centre_x(n);
    const double r = page::kIndicatorDiameter / 2.0;
    const std::string digit = std::to_string(n);
    const Box mark{x - 12, y - 12, 24, 24};
    if (n == step) {
      c.fill_circle(x, y, r + 2, style::kAmber);
      c.text(digit, style::kButton, style::kWhite, mark, Align::Centre, Align::Centre);
    } else if (n < step) {
      c.fill_circle(x, y, r, style::kSkyBlue);
      c.text(digit, style::kTab, style::kNavy, mark, Align::Centre, Align::Centre);
    } else {
      c.fill_circle(x, y, r, style::kSkyBlue);
      c.fill_circle(x, y, r - 2, style::kNavy);
      c.text(digit, style::kTab, style::kSkyBlue, mark, Align::Centre, Align::Centre);
    }
  }
}

// What every page has: the band, the foot band and the frame; pages 2 to 4 also the
// ground of the side area.
void page_frame(Canvas& c, int step, const char* title, const char* instruction) {
  c.fill(style::kCanvas);
  c.fill_rect({0, 0, page::kWidth, page::kBandHeight}, style::kNavy);
  c.text(title, style::kButton, style::kWhite, {style::kMargin, 5, 460, 22}, Align::Start, Align::Centre);
  c.text(instruction, style::kSmall, style::kSkyBlue, {style::kMargin, 27, 470, 18}, Align::Start, Align::Centre);
  step_indicator(c, step);
  c.fill_rect({0, page::kFootTop, page::kWidth, page::kHeight - page::kFootTop}, style::kCloud);
  c.fill_rect({0, page::kFootTop, page::kWidth, 1}, style::kGrey82);
  if (step > 1) {
    const Box side = box_of(page::kSideTab);
    c.fill_rect(side, style::kMistBlue);
  }
  c.frame({0, 0, page::kWidth, page::kHeight}, style::kNavy);
}

void foot_hint(Canvas& c, std::u8string_view hint) {
  c.text(utf8(hint), style::kSmall, style::kSlate, {style::kMargin, page::kFootTop + 14, 400, 26}, Align::Start,
         Align::Centre);
}

// The ground of a row band, framed just outside it (a blank strip covers the frame's
// sides too), with a rule between rows and each row's label.
void row_band(Canvas& c, const page::RowBand& rows, int label_x, std::u8string_view word, int label_top) {
  const Box band{rows.x, rows.top, rows.width, rows.full_height};
  c.frame({band.x - 1, band.y - 1, band.w + 2, band.h + 2}, style::kFrameBlue);
  c.fill_rect(band, kRowsGround);
  for (int k = 1; k <= page::kRowCount; ++k) {
    if (k > 1) c.fill_rect({band.x + 6, rows.row_top(k), band.w - 12, 1}, style::kFrameBlue);
    const std::string label = std::string(utf8(word)) + std::to_string(k);
    c.text(label, style::kLabel, style::kNavy, {label_x, rows.row_top(k) + label_top, 56, 20}, Align::Start,
           Align::Centre);
  }
}

Image paint_background_page() {
  Canvas c(page::kWidth, page::kHeight);
  page_frame(c, 1, background::kTitle, background::kInstruction);
  const Box text = box_of(background::kText);
  section_heading(c, {text.x, page::kBandHeight + 4, text.w, 18}, u8"决策背景");
  c.frame({text.x - 1, text.y - 1, text.w + 2, text.h + 2}, style::kFrameBlue);
  foot_hint(c, u8"背景写得越清楚，后面的方案和结果越好想。");
  return c.to_image();
}

Image paint_alternatives_page() {
  Canvas c(page::kWidth, page::kHeight);
  page_frame(c, 2, alternatives::kTitle, alternatives::kInstruction);
  c.text(utf8(u8"方案数目"), style::kLabel, style::kInk,
         {alternatives::kCountLabelX, alternatives::kCountList.y, 80, 22}, Align::Start, Align::Centre);
  row_band(c, alternatives::kRows, alternatives::kRowLabelX, u8"方案", 7);
  foot_hint(c, u8"单击一行即可写下方案；闪动的陷阱提醒您当心。");
  return c.to_image();
}

Image paint_results_page() {
  Canvas c(page::kWidth, page::kHeight);
  page_frame(c, 3, results::kTitle, results::kInstruction);
  c.text(utf8(u8"方案"), style::kLabel, style::kInk,
         {results::kCountLabelX, results::kAlternativeNumber.y, 50, 22}, Align::Start, Align::Centre);
  c.text(utf8(u8"结果数目"), style::kLabel, style::kInk, {results::kCountLabelX, results::kCountList.y, 80, 22},
         Align::Start, Align::Centre);
  row_band(c, results::kRows, results::kRowLabelX, u8"结果", 5);
  foot_hint(c, u8"“下一个”写下一个方案的结果，写完最后一个进入第4步。");
  return c.to_image();
}

// A scale's label at its left above it, its ends under its first and last buttons,
// and a track around its buttons.
void scale_legend(Canvas& c, const decision::scale_bar_layout::BarGeometry& bar, std::u8string_view label,
                  std::u8string_view low, std::u8string_view high) {
  const Box row = box_of(bar.row());
  c.text(utf8(label), style::kLabel, style::kNavy, {row.x, rating::kScaleLabelTop, 120, 20}, Align::Start,
         Align::Centre);
  c.fill_rect({row.x - 4, row.y - 4, row.w + 8, row.h + 8}, style::kCloud);
  c.frame({row.x - 4, row.y - 4, row.w + 8, row.h + 8}, style::kFrameBlue);
  c.text(utf8(low), style::kSmall, style::kSlate, {row.x - 10, rating::kScaleEndsTop, 36, 16}, Align::Start,
         Align::Centre);
  c.text(utf8(high), style::kSmall, style::kSlate, {row.x + row.w - 26, rating::kScaleEndsTop, 36, 16},
         Align::End, Align::Centre);
}

Image paint_rating_page() {
  Canvas c(page::kWidth, page::kHeight);
  page_frame(c, 4, rating::kTitle, rating::kInstruction);
  c.text(utf8(u8"方案"), style::kLabel, style::kInk, {rating::kLabelX, rating::kAlternativeNumber.y, 40, 22},
         Align::Start, Align::Centre);
  c.text(utf8(u8"结果"), style::kLabel, style::kInk, {rating::kLabelX, rating::kResultNumber.y, 40, 22},
         Align::Start, Align::Centre);
  scale_legend(c, rating::kValueBar, u8"效益值", u8"-10", u8"+10");
  scale_legend(c, rating::kProbabilityBar, u8"可能性", u8"0", u8"10");
  const Box band = box_of(rating::kMethodBand);
  c.frame({band.x - 1, band.y - 1, band.w + 2, band.h + 2}, style::kFrameBlue);
  c.text(utf8(u8"评价方法：单击右边的按钮切换"), style::kSmall, style::kSlate, {band.x, band.y + band.h + 6, band.w, 16},
         Align::Start, Align::Centre);
  foot_hint(c, u8"逐个结果点选；最后一个结果点“完成”结束向导。");
  return c.to_image();
}

// A foot button: the face with its word over the foot band.
Image foot_button(const Image& page_picture, const page::Rect& place, std::u8string_view word, bool primary,
                  bool hover) {
  return keyed_picture(crop(page_picture, place.x, place.y, place.w, place.h), page::kButtonKey, [&](Canvas& c) {
    if (primary)
      primary_button_face(c, word, style::kButton, hover);
    else
      secondary_button_face(c, word, style::kButton, hover);
  });
}

// The band over rows not in use: the rows' ground, with a dashed empty row at its top
// that says how a row is added.
Image paint_blank_rows() {
  Canvas c(page::kBlankWidth, page::kBlankHeight);
  c.fill(kRowsGround);
  constexpr int kRowTop = 7;
  constexpr int kRowHeight = 20;
  for (int x = 10; x < page::kBlankWidth - 16; x += 6) {
    c.fill_rect({x, kRowTop, 3, 1}, style::kGrey82);
    c.fill_rect({x, kRowTop + kRowHeight - 1, 3, 1}, style::kGrey82);
  }
  c.text(utf8(u8"空行：把上方的数目选大，即可多写一行"), style::kSmall, style::kSlate,
         {18, kRowTop, page::kBlankWidth - 40, kRowHeight}, Align::Start, Align::Centre);
  return c.to_image();
}

}  // namespace

void add_wizard(PictureSet& set) {
  const Image alternatives_page = paint_alternatives_page();
  set.push_back({background::kPictureFile, encode_bmp(paint_background_page())});
  set.push_back({alternatives::kPictureFile, encode_bmp(alternatives_page)});
  set.push_back({results::kPictureFile, encode_bmp(paint_results_page())});
  set.push_back({rating::kPictureFile, encode_bmp(paint_rating_page())});
  // Every page has the same foot band, so the buttons are keyed over page 2's.
  struct Face {
    const char* file;
    const page::Rect& place;
    std::u8string_view word;
    bool primary;
    bool hover;
  };
  const Face faces[] = {
      {page::kBackPage.file, page::kBackButton, u8"‹ 上一步", false, false},
      {page::kBackPageHover.file, page::kBackButton, u8"‹ 上一步", false, true},
      {page::kNextPage.file, page::kNextButton, u8"下一步 ›", true, false},
      {page::kNextPageHover.file, page::kNextButton, u8"下一步 ›", true, true},
      {page::kBack.file, page::kBackButton, u8"‹ 上一个", false, false},
      {page::kBackHover.file, page::kBackButton, u8"‹ 上一个", false, true},
      {page::kNext.file, page::kNextButton, u8"下一个 ›", true, false},
      {page::kNextHover.file, page::kNextButton, u8"下一个 ›", true, true},
      {page::kFinish.file, page::kNextButton, u8"完成", true, false},
      {page::kFinishHover.file, page::kNextButton, u8"完成", true, true},
  };
  for (const Face& face : faces)
    set.push_back({face.file, encode_bmp(foot_button(alternatives_page, face.place, face.word, face.primary,
                                                     face.hover))});
  set.push_back({"wizard_blank_rows.bmp", encode_bmp(paint_blank_rows())});
}

}  // namespace painter::decision_pictures
