// decision's probability and value pickers: the background "可能性.bmp", the three
// method backgrounds of the value picker ("基于评价.bmp", "基于喜恶.bmp", "基于效用.bmp")
// and the method switch's hover and normal pictures per method.  Every picture frames
// the scale bar's buttons in a track with a legend under it; the places come from
// decision/input/probability_picker_layout.h and value_picker_layout.h.
#include <cairo.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/input/probability_picker_layout.h"
#include "decision/input/value_picker_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace bar_lay = decision::scale_bar_layout;
namespace prob_lay = decision::probability_picker_layout;
namespace value_lay = decision::value_picker_layout;
using detail::utf8;

// The picker's ground: white in a thin frame, so that it stands out over a panel.
void picker_ground(Canvas& c) {
  c.fill(style::kWhite);
  c.frame({0, 0, c.width(), c.height()}, style::kFrameBlue);
}

// A legend mark under one position of a bar: a short tick, with its number when given.
void legend_mark(Canvas& c, const bar_lay::BarGeometry& bar, Box legend, int k, std::u8string_view label) {
  const Box button = box_of(bar.button(k));
  const int centre = button.x + button.w / 2;
  c.fill_rect({centre, legend.y, 1, 3}, label.empty() ? style::kGrey82 : style::kSlate);
  if (label.empty()) return;
  // Centred under the tick, but kept inside the legend at both ends.
  const int width = c.text_width(utf8(label), style::kSmall);
  const int left = std::clamp(centre - width / 2, legend.x, legend.x + legend.w - width);
  c.text(utf8(label), style::kSmall, style::kSlate, {left, legend.y + 2, width, legend.h - 2}, Align::Start,
         Align::Centre);
}

// The track the bar's buttons stand in: a light rounded groove with a slot under every
// button, so the row reads as one scale even before the buttons paint.
void bar_track(Canvas& c, const bar_lay::BarGeometry& bar, Box track) {
  c.fill_rounded(track, style::kCorner, style::kCloud);
  c.outline_rounded(track, style::kCorner, style::kGrey82);
  for (int k = 0; k < bar.count; ++k) c.fill_rect(box_of(bar.button(k)), style::kGrey82);
}

Image paint_probability() {
  Canvas c(prob_lay::kWidth, prob_lay::kHeight);
  picker_ground(c);
  const auto& bar = prob_lay::kBar;
  bar_track(c, bar, box_of(prob_lay::kTrack));
  const Box legend = box_of(prob_lay::kLegend);
  constexpr std::u8string_view kLabels[] = {u8"0", u8"", u8"2", u8"", u8"4", u8"", u8"6", u8"", u8"8", u8"", u8"10"};
  for (int k = 0; k < bar.count; ++k) legend_mark(c, bar, legend, k, kLabels[k]);

  const Box title = box_of(prob_lay::kTitle);
  c.text(utf8(u8"可能性"), style::kTitle, style::kNavy, title);
  c.text(utf8(u8"十分制"), style::kSmall, style::kSlate, title, Align::End);
  c.text(utf8(u8"0 不会发生 · 10 必然发生"), style::kSmall, style::kSlate, box_of(prob_lay::kHint));
  return c.to_image();
}

// What tells the three methods apart: the name, its colour, a mark and how to score.
struct MethodLook {
  std::u8string_view name;
  std::u8string_view short_name[2];  // stacked on the narrow switch
  std::u8string_view hint;
  std::u8string_view step;
  Rgb tint;
};

const MethodLook& method_look(int method) {
  static const MethodLook kLooks[value_lay::kMethodCount] = {
      {u8"基于评价", {u8"评", u8"价"}, u8"按结果好坏打分：−10 最差，+10 最好", u8"方法 1/3", style::kNavy},
      {u8"基于喜恶", {u8"喜", u8"恶"}, u8"按个人喜恶打分：−10 最讨厌，+10 最喜欢", u8"方法 2/3",
       style::kDeepBlue},
      {u8"基于效用", {u8"效", u8"用"}, u8"按实际得失打分：−10 损失最大，+10 收益最大", u8"方法 3/3",
       style::kBlue},
  };
  return kLooks[method - 1];
}

// The method's mark in a disc of its colour: a tick for judging, a heart for liking, rising
// bars for gains.
void method_mark(Canvas& c, int method, double cx, double cy) {
  constexpr double kRadius = 11;
  c.fill_circle(cx, cy, kRadius, method_look(method).tint);
  switch (method) {
    case decision::ByEvaluation:
      c.line(cx - 5.5, cy + 0.5, cx - 1.5, cy + 4.5, 2.2, style::kWhite);
      c.line(cx - 1.5, cy + 4.5, cx + 5.5, cy - 4, 2.2, style::kWhite);
      break;
    case decision::ByPreference: {
      c.fill_circle(cx - 3, cy - 2, 3.3, style::kWhite);
      c.fill_circle(cx + 3, cy - 2, 3.3, style::kWhite);
      cairo_t* cr = c.context();
      c.set_colour(style::kWhite);
      cairo_move_to(cr, cx - 6.1, cy - 0.8);
      cairo_line_to(cr, cx + 6.1, cy - 0.8);
      cairo_line_to(cr, cx, cy + 6);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    default: {
      const int bottom = static_cast<int>(cy) + 5;
      const int left = static_cast<int>(cx) - 6;
      for (int i = 0; i < 3; ++i) c.fill_rect({left + 4 * i + i / 2, bottom - 4 - 3 * i, 3, 4 + 3 * i}, style::kWhite);
      break;
    }
  }
}

Image paint_method_background(int method) {
  const MethodLook& look = method_look(method);
  Canvas c(value_lay::kWidth, value_lay::kHeight);
  picker_ground(c);
  const auto& bar = value_lay::kBar;
  bar_track(c, bar, box_of(value_lay::kTrack));
  const Box legend = box_of(value_lay::kLegend);
  for (int k = 0; k < bar.count; ++k) {
    std::u8string_view label;
    switch (k - bar_lay::kValueOffset) {
      case -10: label = u8"−10"; break;
      case -5: label = u8"−5"; break;
      case 0: label = u8"0"; break;
      case 5: label = u8"+5"; break;
      case 10: label = u8"+10"; break;
    }
    legend_mark(c, bar, legend, k, label);
  }

  // The strip the method switch stands in: the same in every method's picture, so the
  // switch's see-through face matches whichever picture is under it.
  const Box strip = box_of(value_lay::kSwitchStrip);
  c.fill_rounded(strip, style::kCorner, style::kIceBlue);
  c.outline_rounded(strip, style::kCorner, style::kMistBlue);

  const value_lay::Rect& title_place = value_lay::kTitle;
  const Box title = box_of(title_place);
  constexpr int kMarkSize = 22;
  method_mark(c, method, title.x + kMarkSize / 2.0, title.y + title.h / 2.0);
  const Box name{title.x + kMarkSize + style::kGap, title.y, title.w - kMarkSize - style::kGap, title.h};
  c.text(utf8(look.name), style::kTitle, look.tint, name);
  const value_lay::Rect& hint = value_lay::kHint;
  c.text(utf8(look.step), style::kSmall, style::kSlate,
         {title_place.right(), title.y, hint.right() - title_place.right(), title.h}, Align::End);
  c.text(utf8(look.hint), style::kSmall, style::kSlate, box_of(hint));
  return c.to_image();
}

// The method switch: a narrow pill with the method's short name stacked and an arrow to
// the next method; in the method's colour at rest, light under the pointer.
Image paint_method_switch(const Image& background, int method, bool hover) {
  const MethodLook& look = method_look(method);
  const value_lay::Rect& r = value_lay::kMethodSwitch;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), value_lay::kMethodSwitchKey, [&](Canvas& c) {
    const Box all{0, 0, c.width(), c.height()};
    c.fill_rounded(all, all.w / 2.0, hover ? style::kMistBlue : look.tint);
    // Not white: white is the key, and letters of the key would be holes in the face.
    const Rgb ink = hover ? look.tint : style::kMistBlue;
    c.text(utf8(look.short_name[0]), style::kSmall, ink, {0, 12, all.w, 14}, Align::Centre);
    c.text(utf8(look.short_name[1]), style::kSmall, ink, {0, 27, all.w, 14}, Align::Centre);
    // A chevron pointing down the round of methods.
    const double cx = all.w / 2.0;
    const double arrow = hover ? 2.0 : 1.6;
    const Rgb arrow_ink = hover ? look.tint : style::kSkyBlue;
    c.line(cx - 3.5, 52, cx, 56, arrow, arrow_ink);
    c.line(cx, 56, cx + 3.5, 52, arrow, arrow_ink);
    c.line(cx - 3.5, 58, cx, 62, arrow, arrow_ink);
    c.line(cx, 62, cx + 3.5, 58, arrow, arrow_ink);
  });
}

}  // namespace

void add_pickers(PictureSet& set) {
  set.push_back({prob_lay::kBackgroundFile, encode_bmp(paint_probability())});
  for (const value_lay::MethodPictures& pictures : value_lay::kMethodPictures) {
    const Image background = paint_method_background(pictures.method);
    set.push_back({pictures.background_file, encode_bmp(background)});
    set.push_back({pictures.switch_hover_file, encode_bmp(paint_method_switch(background, pictures.method, true))});
    set.push_back(
        {pictures.switch_normal_file, encode_bmp(paint_method_switch(background, pictures.method, false))});
  }
}

}  // namespace painter::decision_pictures
