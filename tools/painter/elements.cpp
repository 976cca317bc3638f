// The shared drawing elements of the picture sets (see elements.h).
#include "elements.h"

#include <algorithm>
#include <cstdint>

#include "pictures.h"
#include "style.h"

namespace painter {

using detail::utf8;

Image keyed_picture(const Image& backdrop, Rgb key, const std::function<void(Canvas&)>& draw) {
  Canvas art(backdrop, true);
  draw(art);
  Image out = key_out(art.to_rgba_image(), backdrop, key);
  push_off_key(out, key, style::kKeyClearance);
  return out;
}

void button_face(Canvas& canvas, Rgb face, Rgb label_colour, std::u8string_view label,
                 const style::Font& font) {
  const Box all{0, 0, canvas.width(), canvas.height()};
  canvas.fill_rounded(all, style::kButtonCorner, face);
  canvas.text(utf8(label), font, label_colour, all, Align::Centre, Align::Centre);
}

void primary_button_face(Canvas& canvas, std::u8string_view word, const style::Font& font, bool hover) {
  button_face(canvas, hover ? style::kBlue : style::kDeepBlue, style::kMistBlue, word, font);
}

void secondary_button_face(Canvas& canvas, std::u8string_view word, const style::Font& font, bool hover) {
  const Box all{0, 0, canvas.width(), canvas.height()};
  canvas.fill_rounded(all, style::kButtonCorner, style::kFrameBlue);
  canvas.fill_rounded({1, 1, all.w - 2, all.h - 2}, style::kButtonCorner - 1,
                      hover ? style::kSkyBlue : style::kMistBlue);
  canvas.text(utf8(word), font, style::kNavy, all, Align::Centre, Align::Centre);
}

void boxed_heading(Canvas& canvas, Box box, std::u8string_view heading) {
  const int tab_width = canvas.text_width(utf8(heading), style::kTab) + 2 * style::kTabPadding;
  const Box tab{box.x, box.y - style::kTabHeight, tab_width, style::kTabHeight};
  // Only the tab's top corners are round: its lower part reaches into the box, which
  // is painted over it next.
  constexpr int kHidden = 8;
  canvas.fill_rounded({tab.x, tab.y, tab.w, tab.h + kHidden}, 4, style::kNavy);
  // The box itself is covered by the edit control and its own bordered picture; under
  // it lies the same paper, should the control ever be smaller.
  canvas.fill_rect(box, style::kPaper);
  canvas.frame(box, style::kFrameBlue);
  canvas.text(utf8(heading), style::kTab, style::kWhite, tab, Align::Centre, Align::Centre);
}

void section_heading(Canvas& canvas, Box line, std::u8string_view heading) {
  const int width = canvas.text(utf8(heading), style::kTab, style::kNavy, line, Align::Start,
                                Align::Centre);
  const int rule_x = line.x + width + style::kGap;
  canvas.fill_rect({rule_x, line.y + line.h / 2, line.x + line.w - rule_x, 1}, style::kGrey82);
}

void flat_word_button(Canvas& canvas, Box box, std::u8string_view word) {
  canvas.fill_rounded(box, style::kCorner, style::kWhite);
  canvas.outline_rounded(box, style::kCorner, style::kFrameBlue);
  canvas.text(utf8(word), style::kLabel, style::kNavy, box, Align::Centre, Align::Centre);
}

void slot(Canvas& canvas, Box box) {
  canvas.fill_rounded(box, 4, style::kIceBlue);
  canvas.outline_rounded(box, 4, style::kMistBlue);
}

void ok_cancel_pair(Canvas& canvas, Box ok, Box cancel, std::u8string_view ok_word,
                    std::u8string_view cancel_word) {
  canvas.fill_rounded(ok, style::kButtonCorner, style::kDeepBlue);
  canvas.text(utf8(ok_word), style::kButton, style::kWhite, ok, Align::Centre, Align::Centre);
  canvas.fill_rounded(cancel, style::kButtonCorner, style::kWhite);
  canvas.outline_rounded(cancel, style::kButtonCorner, style::kFrameBlue);
  canvas.text(utf8(cancel_word), style::kButton, style::kNavy, cancel, Align::Centre,
              Align::Centre);
}

void close_button(Canvas& canvas, Box box) {
  const double cx = box.x + box.w / 2.0;
  const double cy = box.y + box.h / 2.0;
  const double radius = std::min(box.w, box.h) / 2.0;
  canvas.fill_circle(cx, cy, radius, style::kMistBlue);
  // The cross spans a little less than the face's inner square.
  const double arm = radius * 0.42;
  constexpr double kStroke = 1.8;
  canvas.line(cx - arm, cy - arm, cx + arm, cy + arm, kStroke, style::kNavy);
  canvas.line(cx - arm, cy + arm, cx + arm, cy - arm, kStroke, style::kNavy);
}

void scale_bar(Canvas& canvas, Box box, int count, int filled, Rgb low, Rgb high) {
  if (count <= 0) return;
  constexpr int kCellGap = 2;
  const int cell_width = (box.w - (count - 1) * kCellGap) / count;
  // What the whole cells leave over is split evenly on both sides.
  const int start = box.x + (box.w - (count * cell_width + (count - 1) * kCellGap)) / 2;
  auto mix = [](std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(a + (b - a) * t + 0.5);
  };
  for (int i = 0; i < count; ++i) {
    const Box cell{start + i * (cell_width + kCellGap), box.y, cell_width, box.h};
    if (i < filled) {
      const double t = count == 1 ? 0.0 : static_cast<double>(i) / (count - 1);
      canvas.fill_rect(cell, {mix(low.r, high.r, t), mix(low.g, high.g, t), mix(low.b, high.b, t)});
    } else {
      canvas.fill_rect(cell, style::kIceBlue);
      canvas.frame(cell, style::kMistBlue);
    }
  }
}

void drag_strip(Canvas& canvas, Box box, std::u8string_view title) {
  canvas.fill_rect(box, style::kNavy);
  canvas.text(utf8(title), style::kTab, style::kWhite,
              {box.x + style::kTabPadding, box.y, box.w - 2 * style::kTabPadding, box.h},
              Align::Start, Align::Centre);
  // Two rows of three dots: the usual sign for "hold here to move".
  constexpr int kDots = 3;
  constexpr double kPitch = 4;
  constexpr double kDot = 1;
  const double right = box.x + box.w - style::kTabPadding;
  const double middle = box.y + box.h / 2.0;
  for (int i = 0; i < kDots; ++i) {
    const double x = right - i * kPitch;
    canvas.fill_circle(x, middle - kPitch / 2, kDot, style::kSkyBlue);
    canvas.fill_circle(x, middle + kPitch / 2, kDot, style::kSkyBlue);
  }
}

Image about_card(int width, int height, const AboutCard& card) {
  using detail::utf8;
  constexpr int kBand = 88;  // the navy heading band
  constexpr int kInset = 28; // left edge of the words
  constexpr int kCloseSize = 20;
  Canvas c(width, height);
  c.fill(style::kCanvas);
  c.fill_rect({0, 0, width, kBand}, style::kNavy);
  const int name_width = c.text(utf8(card.name), style::kBrand, style::kWhite, {kInset, 16, 200, 42},
                                Align::Start, Align::Centre);
  c.text(card.version, style::kLabel, style::kSkyBlue, {kInset + name_width + 10, 30, 80, 24},
         Align::Start, Align::Centre);
  c.text(utf8(card.tagline), style::kSmall, style::kSkyBlue, {kInset, 58, 200, 20}, Align::Start,
         Align::Centre);
  // A click anywhere closes the box; a cross says so where one looks for it.
  if (card.close_cross) close_button(c, {width - 12 - kCloseSize, 12, kCloseSize, kCloseSize});

  const int body_width = width - 2 * kInset;
  c.text(utf8(card.lead), style::kLabel, style::kInk, {kInset, kBand + 16, body_width, 22},
         Align::Start, Align::Centre);
  c.text(utf8(card.note), style::kSmall, style::kSlate, {kInset, kBand + 40, body_width, 20},
         Align::Start, Align::Centre);
  c.fill_rect({kInset, card.link.y - 10, body_width, 1}, style::kGrey82);

  std::string_view address = card.web_address;
  constexpr std::string_view kScheme = "http://";
  if (address.starts_with(kScheme)) address.remove_prefix(kScheme.size());
  if (address.ends_with('/')) address.remove_suffix(1);
  c.text(address, style::kLabel, style::kBlue, card.link, Align::Centre, Align::Centre, true);
  c.text(utf8(u8"点击任意处关闭"), style::kSmall, style::kSlate, {0, card.link.y + card.link.h + 12, width, 20},
         Align::Centre);
  c.frame({0, 0, width, height}, style::kNavy);
  return c.to_image();
}

void title_strip(Canvas& canvas, int width, int height, std::u8string_view title, std::u8string_view note) {
  canvas.fill_rect({0, 0, width, height}, style::kNavy);
  canvas.text(utf8(title), style::kTab, style::kWhite, {style::kTabPadding, 0, width / 2, height}, Align::Start,
              Align::Centre);
  if (!note.empty())
    canvas.text(utf8(note), style::kSmall, style::kSkyBlue, {0, 0, width - style::kTabPadding, height}, Align::End,
                Align::Centre);
}

}  // namespace painter
