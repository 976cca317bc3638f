// decision's marks: the main window's animated logo "logo_1.bmp" … "logo_7.bmp" and the
// program's icons (the program and its decision files).  The logo is a balance weighing two alternatives beside the product's
// name: across a cycle the beam dips to the left, rests, swings over to the right and
// the pan that wins lights up with a tick, rests, and lets go as the next cycle begins.
// The logo's place, files and frame schedule come from
// decision/workspace/decision_dialog_layout.h.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "canvas.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision_pictures.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::main_window_layout;
using detail::u8_of;
using detail::utf8;

// One frame's pose: the beam's tilt (degrees, positive with the right pan down) and how
// far the right pan's mark has lit (0 not at all, 1 fully, with its tick).
struct Pose {
  double tilt;
  double lit;
};

// Frames 1..7.  Frame 1 follows frame 7 after the long pause, so it is half way from
// the rest on the right back through level; frames 1-3 dip left, 4-7 swing right.
constexpr Pose kPoses[lay::kLogoFrames] = {
    {6, 0.5}, {-3, 0}, {-10, 0}, {-5, 0}, {2, 0}, {8, 0.6}, {12, 1},
};

constexpr int kBrandBar = 4;  // the navy bar along the window's top edge runs through the logo
constexpr double kPivotX = 50;
constexpr double kPivotY = 30;
constexpr double kHalfBeam = 32;
constexpr double kHang = 20;      // from a beam end down to its pan's rim
constexpr double kPanHalf = 13;   // half the pan's width
constexpr double kPanDepth = 6;
constexpr int kWordX = 102;

void pan(Canvas& c, double x, double y) {
  c.line(x, y, x - kPanHalf + 2, y + kHang, 1, style::kSlate);
  c.line(x, y, x + kPanHalf - 2, y + kHang, 1, style::kSlate);
  cairo_t* cr = c.context();
  c.set_colour(style::kDeepBlue);
  cairo_save(cr);
  cairo_translate(cr, x, y + kHang);
  cairo_scale(cr, kPanHalf, kPanDepth);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, std::numbers::pi);
  cairo_close_path(cr);
  cairo_restore(cr);
  cairo_fill(cr);
}

// The loser's weight on the left pan: a plain block.
void block(Canvas& c, double x, double rim) {
  c.fill_rounded({static_cast<int>(std::lround(x - 7)), static_cast<int>(std::lround(rim - 10)), 14, 10}, 2,
                 style::kSkyBlue);
}

// The right pan's ball: sky blue at rest, filled with blue from the middle as it lights,
// with a white tick once fully lit.
void ball(Canvas& c, double x, double rim, double lit) {
  const double r = 8;
  const double cy = rim - r + 1;
  c.fill_circle(x, cy, r, style::kSkyBlue);
  if (lit <= 0) return;
  c.fill_circle(x, cy, r * lit, style::kBlue);
  if (lit < 1) return;
  c.line(x - 4, cy, x - 1, cy + 3, 2, style::kWhite);
  c.line(x - 1, cy + 3, x + 4, cy - 3, 2, style::kWhite);
}

void balance(Canvas& c, const Pose& pose) {
  const double a = pose.tilt * std::numbers::pi / 180;
  const double dx = kHalfBeam * std::cos(a);
  const double dy = kHalfBeam * std::sin(a);
  const double lx = kPivotX - dx, ly = kPivotY - dy;
  const double rx = kPivotX + dx, ry = kPivotY + dy;
  // The stand.
  c.fill_rounded({static_cast<int>(kPivotX) - 17, 76, 34, 6}, 3, style::kNavy);
  c.line(kPivotX, kPivotY, kPivotX, 78, 3, style::kNavy);
  // The pans with their loads, then the beam over their strings.
  pan(c, lx, ly);
  pan(c, rx, ry);
  block(c, lx, ly + kHang);
  ball(c, rx, ry + kHang, pose.lit);
  c.line(lx, ly, rx, ry, 3, style::kNavy);
  c.fill_circle(kPivotX, kPivotY, 4, style::kDeepBlue);
}

Image paint_logo(const Pose& pose) {
  const lay::Rect& r = lay::kLogo;
  Canvas c(r.w, r.h);
  c.fill(style::kWhite);
  c.fill_rect({0, 0, r.w, kBrandBar}, style::kNavy);
  balance(c, pose);
  c.text(utf8(u8_of(lay::kLogoName)), style::kBrand, style::kNavy, {kWordX, 20, r.w - kWordX, 38}, Align::Start,
         Align::Centre);
  c.text(utf8(u8"决策好帮手"), style::kSmall, style::kSlate, {kWordX + 2, 58, r.w - kWordX - 2, 18},
         Align::Start, Align::Centre);
  return c.to_image();
}

// The program's mark filling b: a deep-blue rounded square with the character 优 in white.
void mark(Canvas& c, Box b) {
  c.fill_rounded(b, b.w * 0.22, style::kDeepBlue);
  // Small marks drop the bold: its strokes would run together.
  constexpr int kBoldFrom = 24;
  const style::Font glyph{b.w < kBoldFrom ? b.w * 0.8 : b.w * 0.72, b.w >= kBoldFrom};
  c.text(utf8(u8"优"), glyph, style::kWhite, b, Align::Centre, Align::Centre);
}

// The program icon: the mark alone.
RgbaImage paint_icon(int size) {
  const PaintingScale unscaled(1);  // an icon comes in its own sizes at every scale
  Canvas c(size, size, true);
  mark(c, {0, 0, size, size});
  return c.to_rgba_image();
}

// The icon of a decision file: a white page with its top right corner folded, two lines
// of text on it and the program's mark low on the page.
RgbaImage paint_document_icon(int size) {
  Canvas c(size, size, true);
  cairo_t* cr = c.context();
  const double inset = std::round(size * 0.125);
  const double left = inset + 0.5, right = size - inset - 0.5, top = 0.5, bottom = size - 0.5;
  const double fold = std::round(size * 0.3);
  cairo_new_path(cr);
  cairo_move_to(cr, left, top);
  cairo_line_to(cr, right - fold, top);
  cairo_line_to(cr, right, top + fold);
  cairo_line_to(cr, right, bottom);
  cairo_line_to(cr, left, bottom);
  cairo_close_path(cr);
  c.set_colour(style::kPaper);
  cairo_fill_preserve(cr);
  c.set_colour(style::kSlate);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The folded corner.
  cairo_new_path(cr);
  cairo_move_to(cr, right - fold, top);
  cairo_line_to(cr, right - fold, top + fold);
  cairo_line_to(cr, right, top + fold);
  cairo_close_path(cr);
  c.set_colour(style::kMistBlue);
  cairo_fill_preserve(cr);
  c.set_colour(style::kSlate);
  cairo_stroke(cr);
  // Lines of text beside the fold, then the mark below them.
  const int text_left = static_cast<int>(inset) + std::max(2, size / 8);
  const int line = std::max(1, size / 16);
  for (int row = 0; row < 2; ++row) {
    const int y = static_cast<int>(fold * (0.35 + 0.6 * row));
    const int end = row == 0 ? static_cast<int>(right - fold) - line : static_cast<int>(right) - size / 8;
    c.fill_rect({text_left, y, end - text_left, line}, style::kFrameBlue);
  }
  const int m = static_cast<int>(std::round(size * 0.5));
  mark(c, {(size - m) / 2, size - m - std::max(2, size / 8), m, m});
  return c.to_rgba_image();
}

}  // namespace

void add_logo(PictureSet& set) {
  for (int frame = 1; frame <= lay::kLogoFrames; ++frame)
    set.push_back({lay::logo_file(frame), encode_bmp(paint_logo(kPoses[frame - 1]))});
  const std::array<RgbaImage, 3> icons{paint_icon(16), paint_icon(32), paint_icon(48)};
  set.push_back({kIconFile, encode_ico(icons)});
  const std::array<RgbaImage, 3> documents{paint_document_icon(16), paint_document_icon(32),
                                           paint_document_icon(48)};
  set.push_back({kDocumentIconFile, encode_ico(documents)});
}

}  // namespace painter::decision_pictures
