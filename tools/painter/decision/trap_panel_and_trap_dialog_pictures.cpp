// decision's trap panel and trap dialog: the panel's background "陷阱.bmp" (a title
// strip, an amber place labelled with each trap's name where its button sits, a hint
// at the foot) and each button's pictures, the dialog's background "决策陷阱内容.bmp"
// and the pictures of its question and explanation boxes.  A trap's button at rest is
// a light blue pill over its amber place, so a blink shows the amber place
// flashing through.  Places, names and file names come from
// decision/wizard/trap_panel_layout.h, trap_dialog_layout.h and
// decision/document/traps.h.
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/document/traps.h"
#include "decision/wizard/trap_dialog_layout.h"
#include "decision/wizard/trap_panel_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "text_input_box_look.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace panel = decision::trap_panel_layout;
namespace dialog = decision::trap_dialog_layout;
using detail::utf8;

constexpr double kPillCorner = 6;
// The amber place lies this far inside its button's place, so the button's rounded
// corners cover it.
constexpr int kPlaceInset = 2;

// The label of button i: its trap's name without the ending "陷阱".
std::string_view button_label(int i) {
  std::string_view name = decision::trap(decision::trap_panel_layout::trap_of_button(IDC_TRAP_BUTTON_1 + i)).name;
  const std::string_view ending = panel::kTrapEnding;
  if (name.size() > ending.size() && name.ends_with(ending)) name.remove_suffix(ending.size());
  return name;
}

Image paint_panel() {
  Canvas c(panel::kWidth, panel::kHeight);
  c.fill(style::kCanvas);
  title_strip(c, panel::kWidth, panel::kTitleStripHeight, u8"决策陷阱", u8"当心！");

  for (int i = 0; i < decision::kTrapCount; ++i) {
    const panel::Rect& r = panel::kButtons[i].place;
    const Box place{r.x + kPlaceInset, r.y + kPlaceInset, r.w - 2 * kPlaceInset, r.h - 2 * kPlaceInset};
    c.fill_rounded(place, kPillCorner - kPlaceInset, style::kAmber);
    c.fill_rounded({place.x + 1, place.y + 1, place.w - 2, place.h - 2}, kPillCorner - kPlaceInset - 1,
                   style::kPaleAmber);
    c.text(button_label(i), style::kSmall, style::kAmberInk, place, Align::Centre, Align::Centre);
  }

  c.fill_rect({style::kGap, panel::kHintTop - style::kGap / 2, panel::kWidth - 2 * style::kGap, 1}, style::kGrey82);
  c.text(utf8(u8"闪动的陷阱：这一步要当心"), style::kSmall, style::kSlate,
         {0, panel::kHintTop, panel::kWidth, panel::kHintLineHeight}, Align::Centre, Align::Centre);
  c.text(utf8(u8"单击陷阱，查看它的说明"), style::kSmall, style::kSlate,
         {0, panel::kHintTop + panel::kHintLineHeight, panel::kWidth, panel::kHintLineHeight}, Align::Centre,
         Align::Centre);
  c.frame({0, 0, panel::kWidth, panel::kHeight}, style::kNavy);
  return c.to_image();
}

// Button i: a light pill with its trap's name at rest, deep blue under the pointer.
Image paint_trap_button(const Image& background, int i, bool hover) {
  const panel::Rect& r = panel::kButtons[i].place;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), panel::kButtons[i].key, [&](Canvas& c) {
    const Box all{0, 0, c.width(), c.height()};
    if (hover) {
      c.fill_rounded(all, kPillCorner, style::kBlue);
      c.text(button_label(i), style::kTab, style::kMistBlue, all, Align::Centre, Align::Centre);
      return;
    }
    c.fill_rounded(all, kPillCorner, style::kFrameBlue);
    c.fill_rounded({1, 1, all.w - 2, all.h - 2}, kPillCorner - 1, style::kMistBlue);
    c.text(button_label(i), style::kTab, style::kNavy, all, Align::Centre, Align::Centre);
  });
}

Image paint_dialog() {
  Canvas c(dialog::kWidth, dialog::kHeight);
  c.fill(style::kCanvas);
  // The title strip the dialog is dragged by; the close button sits at its right end.
  title_strip(c, dialog::kWidth, dialog::kTitleStripHeight, u8"决策陷阱");

  // The boxes' places, as their own pictures frame them; the explanation's carries a
  // heading tab in the gap between the two.
  const Box heading = box_of(dialog::kHeading);
  c.fill_rect(heading, style::kPaleAmber);
  c.frame(heading, style::kFrameBlue);
  boxed_heading(c, box_of(dialog::kBody), u8"陷阱说明");

  c.fill_rect({0, dialog::kBottomBand, dialog::kWidth, dialog::kHeight - dialog::kBottomBand}, style::kCloud);
  c.fill_rect({0, dialog::kBottomBand, dialog::kWidth, 1}, style::kGrey82);
  const dialog::Rect& ok = dialog::kOkButton;
  const int note_top = ok.y + ok.h + style::kMargin;
  c.text(utf8(u8"决策向导中闪动的陷阱，提醒您这一步容易犯的判断错误。"), style::kSmall, style::kSlate,
         {0, note_top, dialog::kWidth, 16}, Align::Centre, Align::Centre);
  c.text(utf8(u8"知道了陷阱，就能绕开它。"), style::kSmall, style::kSlate, {0, note_top + 18, dialog::kWidth, 16},
         Align::Centre, Align::Centre);
  c.frame({0, 0, dialog::kWidth, dialog::kHeight}, style::kNavy);
  return c.to_image();
}

// The question's box: a warm ground with an amber bar at its left, in the hairline
// frame of every text box.
Image paint_heading_picture() {
  const dialog::Rect& r = dialog::kHeading;
  Canvas c(r.w, r.h);
  c.fill(style::kPaleAmber);
  c.frame({0, 0, r.w, r.h}, style::kFrameBlue);
  constexpr int kBarWidth = 5;
  constexpr int kBarMargin = 8;
  c.fill_rounded({kBarMargin, kBarMargin * 2, kBarWidth, r.h - kBarMargin * 4}, 2, style::kAmber);
  return c.to_image();
}

}  // namespace

void add_traps(PictureSet& set) {
  const Image background = paint_panel();
  set.push_back({panel::kBackgroundFile, encode_bmp(background)});
  for (int i = 0; i < decision::kTrapCount; ++i) {
    set.push_back({panel::kButtons[i].normal.file, encode_bmp(paint_trap_button(background, i, false))});
    set.push_back({panel::kButtons[i].hover.file, encode_bmp(paint_trap_button(background, i, true))});
  }
  set.push_back({dialog::kBackgroundFile, encode_bmp(paint_dialog())});
  set.push_back({"trap_heading.bmp", encode_bmp(paint_heading_picture())});
  set.push_back({"trap_body.bmp", encode_bmp(input_box::paint_text_picture(box_of(dialog::kBody)))});
}

}  // namespace painter::decision_pictures
