// decision's main window: the bitmaps compiled into the program that sit on "gr.gr".
// The seven commands of the column (a tile with a mark, the command's word and a line on
// what it does; brighter under the pointer); the grid cells' three backgrounds (a light
// title band under a blue, grey or green stripe, the best's and the worst's with their
// tag, paper under the description, a tinted strip under the total); the two
// summaries' backgrounds; the add, delete and wizard buttons; the two hints on a pale
// amber strip.  Keyed pictures are laid over the part of the background they cover, so
// their edges fade into what is really there.
#include <cairo.h>

#include <numbers>
#include <string_view>

#include "canvas.h"
#include "decision/document/decision.h"
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

Image cut(const Image& background, const lay::Rect& r) { return crop(background, r.x, r.y, r.w, r.h); }

// ---- The command column --------------------------------------------------------

enum class Mark { New, Open, Save, Help, About, Report, Exit };

struct Command {
  const kit::SkinButtonRow& button;  // place and file names
  Mark mark;
  std::u8string_view line;  // the word is the button's name
};

const Command kCommands[] = {
    {lay::kNew, Mark::New, u8"空白、案例或向导"},
    {lay::kOpen, Mark::Open, u8"读出决策文件"},
    {lay::kSave, Mark::Save, u8"存入决策文件"},
    {lay::kHelp, Mark::Help, u8"使用说明"},
    {lay::kAbout, Mark::About, u8"版本与网址"},
    {lay::kReport, Mark::Report, u8"可打印的网页"},
    {lay::kExit, Mark::Exit, u8"关闭择优宝"},
};

constexpr double kStroke = 1.8;

void polyline(Canvas& c, std::initializer_list<std::pair<double, double>> points, Rgb ink, bool closed = false) {
  cairo_t* cr = c.context();
  c.set_colour(ink);
  cairo_set_line_width(cr, kStroke);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  bool first = true;
  for (auto [x, y] : points) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
  if (closed) cairo_close_path(cr);
  cairo_stroke(cr);
}

// A command's mark, drawn in ink around (cx, cy) within about 16 pixels: a page with a
// plus, a folder, an arrow into a tray, a question mark, an "i", a page with three bars
// of a chart, a power sign.
void command_mark(Canvas& c, Mark mark, double cx, double cy, Rgb ink) {
  switch (mark) {
    case Mark::New:
      polyline(c, {{cx - 5, cy - 7}, {cx + 2, cy - 7}, {cx + 6, cy - 3}, {cx + 6, cy + 7}, {cx - 5, cy + 7}}, ink,
               true);
      polyline(c, {{cx + 0.5, cy - 1}, {cx + 0.5, cy + 5}}, ink);
      polyline(c, {{cx - 2.5, cy + 2}, {cx + 3.5, cy + 2}}, ink);
      break;
    case Mark::Open:
      polyline(c, {{cx - 7, cy - 6}, {cx - 2, cy - 6}, {cx, cy - 4}, {cx + 7, cy - 4}, {cx + 7, cy + 6},
                   {cx - 7, cy + 6}},
               ink, true);
      polyline(c, {{cx - 7, cy - 1}, {cx + 7, cy - 1}}, ink);
      break;
    case Mark::Save:
      polyline(c, {{cx, cy - 7}, {cx, cy + 2}}, ink);
      polyline(c, {{cx - 4, cy - 2}, {cx, cy + 2}, {cx + 4, cy - 2}}, ink);
      polyline(c, {{cx - 7, cy + 1}, {cx - 7, cy + 6}, {cx + 7, cy + 6}, {cx + 7, cy + 1}}, ink);
      break;
    case Mark::Help:
      c.text("?", style::kButton, ink, {static_cast<int>(cx) - 8, static_cast<int>(cy) - 9, 17, 18}, Align::Centre,
             Align::Centre);
      break;
    case Mark::About:
      c.fill_circle(cx, cy - 5.5, 1.6, ink);
      polyline(c, {{cx, cy - 1.5}, {cx, cy + 6}}, ink);
      break;
    case Mark::Report:
      polyline(c, {{cx - 6, cy - 7}, {cx + 6, cy - 7}, {cx + 6, cy + 7}, {cx - 6, cy + 7}}, ink, true);
      polyline(c, {{cx - 3, cy - 3}, {cx + 3, cy - 3}}, ink);
      polyline(c, {{cx - 3, cy + 0.5}, {cx + 1, cy + 0.5}}, ink);
      polyline(c, {{cx - 3, cy + 4}, {cx + 2.5, cy + 4}}, ink);
      break;
    case Mark::Exit: {
      cairo_t* cr = c.context();
      c.set_colour(ink);
      cairo_set_line_width(cr, kStroke);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      constexpr double kGap = 0.7;  // radians each side of the top
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy + 0.5, 6.5, -std::numbers::pi / 2 + kGap, 3 * std::numbers::pi / 2 - kGap);
      cairo_stroke(cr);
      polyline(c, {{cx, cy - 7.5}, {cx, cy - 0.5}}, ink);
      break;
    }
  }
}

// A tile on the column: deep blue at rest; blue with a light edge mark under the pointer.
// The mark sits in a disc at the left, the word and its line to the right of it.
Image paint_command(const Image& background, const Command& command, bool hover) {
  return keyed_picture(cut(background, command.button.place), command.button.key, [&](Canvas& c) {
    const Box face{2, 2, c.width() - 4, c.height() - 4};
    c.fill_rounded(face, style::kCorner, hover ? style::kBlue : style::kDeepBlue);
    if (hover) c.fill_rounded({face.x + 3, face.y + 10, 3, face.h - 20}, 1.5, style::kSkyBlue);
    constexpr double kDiscX = 28;
    const double disc_y = c.height() / 2.0;
    c.fill_circle(kDiscX, disc_y, 14, hover ? style::kDeepBlue : style::kNavy);
    command_mark(c, command.mark, kDiscX, disc_y, hover ? style::kWhite : style::kSkyBlue);
    constexpr int kWordX = 52;
    const int words_width = c.width() - kWordX - 6;
    c.text(utf8(u8_of(command.button.name)), style::kButton, style::kWhite, {kWordX, 7, words_width, 20}, Align::Start,
           Align::Centre);
    c.text(utf8(command.line), style::kSmall, hover ? style::kMistBlue : style::kSkyBlue,
           {kWordX, 27, words_width, 16}, Align::Start, Align::Centre);
  });
}

// ---- The grid cells and the summaries ------------------------------------------

struct CellLook {
  const char* file;
  Rgb mark;    // the stripe along the top, the frame and the tag
  Rgb ground;  // the light band under the label and the strip under the total
  std::u8string_view tag;
};

const CellLook kCells[] = {
    {"cell_plain.bmp", look::kPlainBand, style::kMistBlue, u8""},
    {"cell_worst.bmp", look::kWorstBand, style::kCloud, u8"最差方案"},
    {"cell_best.bmp", look::kBestBand, style::kPaleGreen, u8"最优方案"},
};

constexpr int kStripe = 4;  // the rank's colour along a cell's top edge

// The cell: the program writes the label on the light title band, under the stripe of
// the rank's colour, with the rank's tag at the band's right end; the description on
// paper; the total on a strip of the band's tint; "单击编辑" in the free foot.  Text
// lines are look::cell_line_y(line) from the top, and every one of them stays light.
Image paint_cell(const CellLook& cell) {
  const int w = lay::kFirstCell.w;
  const int h = lay::kFirstCell.h;
  Canvas c(w, h);
  c.fill(style::kPaper);
  c.fill_rect({0, 0, w, look::kCellBand}, cell.ground);
  c.fill_rect({0, look::kCellBand, w, 1}, style::kFrameBlue);
  c.fill_rect({0, 0, w, kStripe}, cell.mark);
  if (!cell.tag.empty()) {
    const int tag_width = c.text_width(utf8(cell.tag), style::kTab) + 2 * style::kGap;
    const Box tag{w - tag_width - 6, kStripe + 3, tag_width, look::kCellBand - kStripe - 6};
    c.fill_rounded(tag, 3, cell.mark);
    c.text(utf8(cell.tag), style::kTab, style::kWhite, tag, Align::Centre, Align::Centre);
  }
  const int total_y = look::cell_line_y(lay::kCellTotalLine);
  const Box total{0, total_y - 3, w, lay::kTextLinePitch + 6};
  c.fill_rect(total, cell.ground);
  c.fill_rect({0, total.y - 1, w, 1}, style::kFrameBlue);
  const int foot_y = total.y + total.h;
  c.text(utf8(u8"单击编辑 ›"), style::kSmall, style::kSlate, {6, foot_y, w - 12, h - foot_y - 1}, Align::End,
         Align::Centre);
  c.frame({0, 0, w, h}, cell.mark);
  return c.to_image();
}

static_assert(lay::kBackgroundBox.w == lay::kRecordBox.w && lay::kBackgroundBox.h == lay::kRecordBox.h,
              "both summaries take pictures of one size");

// A summary: a navy title band above the text's two lines, "单击编辑" at its right end.
Image paint_summary(std::u8string_view title) {
  const int w = lay::kBackgroundBox.w;
  const int h = lay::kBackgroundBox.h;
  Canvas c(w, h);
  c.fill(style::kPaper);
  c.frame({0, 0, w, h}, style::kFrameBlue);
  const Box band{0, 0, w, look::kSummaryBand};
  c.fill_rect(band, style::kNavy);
  const Box inner{style::kTabPadding, 0, w - 2 * style::kTabPadding, band.h};
  c.text(utf8(title), style::kTab, style::kWhite, inner, Align::Start, Align::Centre);
  c.text(utf8(u8"单击编辑"), style::kSmall, style::kSkyBlue, inner, Align::End, Align::Centre);
  return c.to_image();
}

// ---- Buttons on the add/delete group and the wizard band -----------------------

Image paint_edit_button(const Image& background, const kit::SkinButtonRow& button, bool primary, bool hover) {
  const std::u8string_view word = u8_of(button.name);
  return keyed_picture(cut(background, button.place), button.key, [&](Canvas& c) {
    if (primary) primary_button_face(c, word, style::kTab, hover);
    else secondary_button_face(c, word, style::kTab, hover);
  });
}

Image paint_wizard(const Image& background, bool hover) {
  return keyed_picture(cut(background, lay::kWizard.place), lay::kWizard.key, [&](Canvas& c) {
    primary_button_face(c, u8_of(lay::kWizard.name), style::kTab, hover);
  });
}

// ---- The hints -----------------------------------------------------------------

// A pale amber strip over the band's own ground, an amber disc with "!" and the text.
Image paint_hint(const Image& background, std::u8string_view text) {
  Canvas c(cut(background, lay::kHint), false);
  c.put(cut(background, lay::kHint));
  const Box strip{0, 0, c.width(), c.height()};
  c.fill_rounded(strip, 4, style::kAmber);
  c.fill_rounded({1, 1, strip.w - 2, strip.h - 2}, 3, style::kPaleAmber);
  const double cy = c.height() / 2.0;
  c.fill_circle(12, cy, 7, style::kAmber);
  c.line(12, cy - 3.8, 12, cy + 1.2, 1.8, style::kWhite);
  c.fill_circle(12, cy + 3.6, 1.1, style::kWhite);
  c.text(utf8(text), style::kLabel, style::kAmberInk, {26, 0, c.width() - 30, c.height()}, Align::Start,
         Align::Centre);
  return c.to_image();
}

}  // namespace

void add_main_window_bitmaps(PictureSet& set, const Image& background) {
  for (const Command& command : kCommands) {
    set.push_back({command.button.normal.file, encode_bmp(paint_command(background, command, false))});
    set.push_back({command.button.hover.file, encode_bmp(paint_command(background, command, true))});
  }
  for (const CellLook& cell : kCells) set.push_back({cell.file, encode_bmp(paint_cell(cell))});
  set.push_back({"record_summary.bmp", encode_bmp(paint_summary(u8"执行记录"))});
  set.push_back({"background_summary.bmp", encode_bmp(paint_summary(u8"决策背景"))});
  set.push_back({lay::kAdd.normal.file, encode_bmp(paint_edit_button(background, lay::kAdd, true, false))});
  set.push_back({lay::kAdd.hover.file, encode_bmp(paint_edit_button(background, lay::kAdd, true, true))});
  set.push_back({lay::kDelete.normal.file,
                 encode_bmp(paint_edit_button(background, lay::kDelete, false, false))});
  set.push_back({lay::kDelete.hover.file,
                 encode_bmp(paint_edit_button(background, lay::kDelete, false, true))});
  set.push_back({lay::kWizard.normal.file, encode_bmp(paint_wizard(background, false))});
  set.push_back({lay::kWizard.hover.file, encode_bmp(paint_wizard(background, true))});
  set.push_back(
      {"several_best_hint.bmp", encode_bmp(paint_hint(background, u8_of(::decision::kSeveralBestHintText)))});
  set.push_back({"too_close_hint.bmp",
                 encode_bmp(paint_hint(background, u8_of(::decision::kTooCloseHintText)))});
}

}  // namespace painter::decision_pictures
