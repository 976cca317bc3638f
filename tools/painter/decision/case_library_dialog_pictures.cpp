// decision's case library: the background "选择案例.bmp" with its title strip, the
// place of the case list and the band of OK and Cancel (whose pictures the chooser's
// recipe paints), the close button and the more-cases button.  Places, key colours and
// the file name come from decision/guidance/case_library_dialog_layout.h.
#include <string_view>

#include "canvas.h"
#include "decision/guidance/case_library_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::case_library_layout;
using detail::utf8;

constexpr int kBottomBand = 320;  // the grey band with OK and Cancel

Image paint_background() {
  Canvas c(lay::kWidth, lay::kHeight);
  c.fill(style::kCanvas);
  // The title strip the window is dragged by; the close button sits at its right end.
  title_strip(c, lay::kWidth, lay::kTitleStripHeight, u8"选择案例");

  // The list's place: paper in a frame, under the list itself.
  const lay::Rect& list = lay::kCaseList;
  c.fill_rect({list.x - 1, list.y - 1, list.w + 2, list.h + 2}, style::kFrameBlue);
  c.fill_rect(box_of(list), style::kPaper);

  const lay::Rect& more = lay::kMoreCasesButton;
  c.text(utf8(u8"选中一个案例，单击“确定”打开。"), style::kSmall, style::kSlate,
         {list.x, more.y, more.x - list.x - style::kGap, more.h}, Align::Start, Align::Centre);

  c.fill_rect({0, kBottomBand, lay::kWidth, lay::kHeight - kBottomBand}, style::kCloud);
  c.fill_rect({0, kBottomBand, lay::kWidth, 1}, style::kGrey82);
  c.frame({0, 0, lay::kWidth, lay::kHeight}, style::kNavy);
  return c.to_image();
}

// The close button: the shared round cross, lit under the pointer.
Image paint_close(const Image& background, bool hover) {
  const lay::Rect& r = lay::kCloseButton;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kCloseKey, [&](Canvas& c) {
    if (!hover) {
      close_button(c, {0, 0, c.width(), c.height()});
      return;
    }
    const double centre = r.w / 2.0;
    c.fill_circle(centre, centre, centre, style::kWhite);
    const double arm = centre * 0.42;
    c.line(centre - arm, centre - arm, centre + arm, centre + arm, 1.8, style::kBlue);
    c.line(centre - arm, centre + arm, centre + arm, centre - arm, 1.8, style::kBlue);
  });
}

// The more-cases button: a light pill with a link-blue invitation, filled blue under
// the pointer.
Image paint_more_cases(const Image& background, bool hover) {
  const lay::Rect& r = lay::kMoreCasesButton;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kMoreCasesKey, [&](Canvas& c) {
    const Box all{0, 0, c.width(), c.height()};
    c.fill_rounded(all, all.h / 2.0, hover ? style::kBlue : style::kFrameBlue);
    if (!hover) c.fill_rounded({1, 1, all.w - 2, all.h - 2}, all.h / 2.0 - 1, style::kWhite);
    c.text(utf8(u8"下载更多案例  »"), style::kTab, hover ? style::kWhite : style::kBlue, all, Align::Centre,
           Align::Centre);
  });
}

}  // namespace

void add_case_library(PictureSet& set) {
  const Image background = paint_background();
  set.push_back({lay::kBackgroundFile, encode_bmp(background)});
  set.push_back({::decision::shared_pictures::kCloseNormal.file, encode_bmp(paint_close(background, false))});
  set.push_back({::decision::shared_pictures::kCloseHover.file, encode_bmp(paint_close(background, true))});
  set.push_back({lay::kMoreCasesNormal.file, encode_bmp(paint_more_cases(background, false))});
  set.push_back({lay::kMoreCasesHover.file, encode_bmp(paint_more_cases(background, true))});
}

}  // namespace painter::decision_pictures
