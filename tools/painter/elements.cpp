#include "elements.h"

#include "pictures.h"
#include "style.h"

namespace painter {

using detail::utf8;

Image keyed_picture(const Image& backdrop, Rgb key, const std::function<void(Canvas&)>& draw) {
  Canvas art(backdrop.width, backdrop.height, true);
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

}  // namespace painter
