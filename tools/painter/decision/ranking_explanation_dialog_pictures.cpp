// decision's ranking explanation dialog: the background "为何如此排名.bmp" (a navy strip
// with the heading, the chart's framed place with a legend of the bar colours, the two
// text boxes' places under their heading tabs, a grey band for OK) and the two text
// boxes' pictures.  Places and file names come from
// decision/workspace/ranking_explanation_dialog_layout.h, the bar colours from
// decision/document/ranking_explanation.h.
#include "canvas.h"
#include "decision/document/ranking_explanation.h"
#include "decision/workspace/ranking_explanation_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "text_input_box_look.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::ranking_explanation_layout;
using detail::utf8;

Rgb rgb_of(unsigned rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

// A note in small slate words, right-aligned on the line of a box's heading tab.
void tab_line_note(Canvas& c, const lay::Rect& box, std::u8string_view note) {
  c.text(utf8(note), style::kSmall, style::kSlate, {box.x, box.y - style::kTabHeight, box.w, style::kTabHeight},
         Align::End, Align::Centre);
}

// The bar colours' legend on the chart's heading line, right-aligned: a swatch and its
// word for the best, the others and the worst.
void legend(Canvas& c) {
  const struct {
    decision::BarTone tone;
    std::u8string_view word;
  } entries[] = {{decision::kBarBest, u8"最优"}, {decision::kBarOther, u8"其他"}, {decision::kBarWorst, u8"最差"}};
  constexpr int kSwatch = 10;
  constexpr int kEntryGap = 14;
  const int line_y = lay::kChartFrame.y - style::kTabHeight;
  int right = lay::kChartFrame.right();
  for (int n = 2; n >= 0; --n) {
    const std::string_view word = utf8(entries[n].word);
    const int width = c.text_width(word, style::kSmall);
    c.text(word, style::kSmall, style::kSlate, {right - width, line_y, width, style::kTabHeight}, Align::End,
           Align::Centre);
    const int swatch_x = right - width - 4 - kSwatch;
    c.fill_rect({swatch_x, line_y + (style::kTabHeight - kSwatch) / 2, kSwatch, kSwatch},
                rgb_of(decision::bar_rgb(entries[n].tone)));
    right = swatch_x - kEntryGap;
  }
}

Image paint_background() {
  Canvas c(lay::kWidth, lay::kHeight);
  c.fill(style::kCanvas);
  // The heading strip the dialog is dragged by; the close button sits at its right end.
  c.fill_rect({0, 0, lay::kWidth, lay::kTitleStripHeight}, style::kNavy);
  c.text(utf8(u8"为何如此排名"), style::kButton, style::kWhite,
         {lay::kChartFrame.x, 0, 200, lay::kTitleStripHeight}, Align::Start, Align::Centre);
  c.text(utf8(u8"各方案的总分，以及什么会改变最优方案"), style::kSmall, style::kSkyBlue,
         {0, 0, lay::kCloseButton.x - style::kGap * 2, lay::kTitleStripHeight}, Align::End, Align::Centre);

  // The chart's place: the frame around the chart control, which paints all inside it.
  boxed_heading(c, box_of(lay::kChartFrame), u8"各方案总分");
  legend(c);
  boxed_heading(c, box_of(lay::kSentences), u8"排名说明");
  boxed_heading(c, box_of(lay::kWeightiest), u8"分量最重的结果");
  tab_line_note(c, lay::kWeightiest, u8"分量 = 可能性 × 效益值");

  c.fill_rect({0, lay::kBottomBand, lay::kWidth, lay::kHeight - lay::kBottomBand}, style::kCloud);
  c.fill_rect({0, lay::kBottomBand, lay::kWidth, 1}, style::kGrey82);
  c.frame({0, 0, lay::kWidth, lay::kHeight}, style::kNavy);
  return c.to_image();
}

}  // namespace

void add_ranking_explanation(PictureSet& set) {
  set.push_back({lay::kBackgroundFile, encode_bmp(paint_background())});
  set.push_back({lay::kSentencesFile, encode_bmp(input_box::paint_text_picture(box_of(lay::kSentences)))});
  set.push_back({lay::kWeightiestFile, encode_bmp(input_box::paint_text_picture(box_of(lay::kWeightiest)))});
}

}  // namespace painter::decision_pictures
