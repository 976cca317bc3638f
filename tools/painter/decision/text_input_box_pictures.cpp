// The look both input boxes share, and the save / don't-save buttons they both show:
// save as a small filled deep-blue button with a tick, don't-save as a light one with a
// cross, the colours of the set's confirm/cancel pair; each with a brighter face under
// the pointer.  The pictures are keyed white over the boxes' common ground.
#include <string>

#include "canvas.h"
#include "decision/input/small_input_box_layout.h"
#include "decision/input/big_input_box_layout.h"
#include "decision/input/text_input_box_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "text_input_box_look.h"
#include "style.h"

namespace painter::decision_pictures {

namespace input_box {

Image paint_background(int width, int height, Box text, Box hint, std::u8string_view hint_text) {
  Canvas c(width, height);
  c.fill(kGround);
  c.fill_rect(text, style::kPaper);
  c.frame(text, style::kFrameBlue);
  c.text(detail::utf8(hint_text), style::kSmall, style::kSlate, hint, Align::Start, Align::Centre);
  c.frame({0, 0, width, height}, style::kNavy);
  return c.to_image();
}

Image paint_text_picture(Box text) {
  Canvas c(text.w, text.h);
  c.fill(style::kPaper);
  c.frame({0, 0, text.w, text.h}, style::kFrameBlue);
  return c.to_image();
}

}  // namespace input_box

namespace {

namespace small = decision::small_input_box_layout;
namespace big = decision::big_input_box_layout;
namespace shared = decision::text_input_box_layout;

static_assert(small::kOkButton.w == big::kOkButton.w && small::kOkButton.h == big::kOkButton.h &&
                  small::kCancelButton.w == big::kCancelButton.w && small::kCancelButton.h == big::kCancelButton.h,
              "both boxes show the same button pictures");

constexpr double kStroke = 1.8;

void tick(Canvas& c, Rgb ink) {
  const double cx = c.width() / 2.0;
  const double cy = c.height() / 2.0;
  c.line(cx - 4.5, cy + 0.2, cx - 1.3, cy + 3.4, kStroke, ink);
  c.line(cx - 1.3, cy + 3.4, cx + 4.6, cy - 3.4, kStroke, ink);
}

void cross(Canvas& c, Rgb ink) {
  const double cx = c.width() / 2.0;
  const double cy = c.height() / 2.0;
  constexpr double kArm = 3.4;
  c.line(cx - kArm, cy - kArm, cx + kArm, cy + kArm, kStroke, ink);
  c.line(cx - kArm, cy + kArm, cx + kArm, cy - kArm, kStroke, ink);
}

Image paint_ok(bool hover) {
  const Image ground = plain_picture(small::kOkButton.w, small::kOkButton.h, input_box::kGround);
  return keyed_picture(ground, shared::kButtonKey, [&](Canvas& c) {
    button_face(c, hover ? style::kBlue : style::kDeepBlue, style::kWhite, u8"", style::kButton);
    // The key is white, so the tick takes the lightest blue that a mask cannot mistake
    // for it.
    tick(c, style::kMistBlue);
  });
}

Image paint_cancel(bool hover) {
  const Image ground = plain_picture(small::kCancelButton.w, small::kCancelButton.h, input_box::kGround);
  return keyed_picture(ground, shared::kButtonKey, [&](Canvas& c) {
    button_face(c, hover ? style::kSkyBlue : style::kMistBlue, style::kNavy, u8"", style::kButton);
    c.outline_rounded({0, 0, c.width(), c.height()}, style::kButtonCorner, style::kFrameBlue);
    cross(c, style::kNavy);
  });
}

}  // namespace

void add_input_box_buttons(PictureSet& set) {
  set.push_back({shared::kOkNormal.file, encode_bmp(paint_ok(false))});
  set.push_back({shared::kOkHover.file, encode_bmp(paint_ok(true))});
  set.push_back({shared::kCancelNormal.file, encode_bmp(paint_cancel(false))});
  set.push_back({shared::kCancelHover.file, encode_bmp(paint_cancel(true))});
}

}  // namespace painter::decision_pictures
