// The kit gallery's pictures: a dialog background that frames one of each kit control,
// and button pictures in normal/hover pairs.  Places and names come from
// kit/gallery/gallery_layout.h, the header the gallery program places its controls by.
#include <string>

#include "canvas.h"
#include "elements.h"
#include "kit/gallery/gallery_layout.h"
#include "pictures.h"
#include "style.h"

namespace painter {

namespace {

namespace lay = kit::gallery;
using detail::utf8;

// The flat panel all buttons sit on, so any button picture fits any button place.
constexpr Box kButtonPanel{16, 70, 448, 92};

void framed_area(Canvas& c, const lay::Rect& r) {
  c.fill_rect(box_of(r), style::kWhite);
  c.frame({r.x - 1, r.y - 1, r.w + 2, r.h + 2}, style::kFrameBlue);
}

Image paint_background() {
  Canvas c(lay::kClientWidth, lay::kClientHeight);
  c.fill(style::kCanvas);
  c.fill_rect({0, 0, lay::kClientWidth, 4}, style::kNavy);
  const int margin = 24;
  const int title_width = c.text(utf8(u8"控件样例"), style::kTitle, style::kNavy,
                                 {margin, 12, 200, 32}, Align::Start, Align::Centre);
  c.text(utf8(u8"皮肤按钮 · 链接 · 列表 · 编辑框"), style::kSmall, style::kSlate,
         {margin + title_width + 12, 18, 260, 24}, Align::Start, Align::Centre);

  section_heading(c, {margin, 48, lay::kClientWidth - 2 * margin, 18},
                  u8"按钮：常态 / 悬停 / 禁用");
  c.fill_rounded(kButtonPanel, style::kCorner, style::kIceBlue);

  const int lists_top = lay::kReportList.y - 22;
  section_heading(c, {lay::kReportList.x, lists_top, lay::kReportList.w, 18}, u8"列表");
  section_heading(c, {lay::kBitmapEdit.x, lists_top, lay::kBitmapEdit.w, 18}, u8"编辑框");
  framed_area(c, lay::kReportList);
  framed_area(c, lay::kBitmapEdit);
  framed_area(c, lay::kColorEdit);
  return c.to_image();
}

Image paint_button(const Image& background, const lay::Rect& place, bool primary, bool hover) {
  const Image backdrop = crop(background, place.x, place.y, place.w, place.h);
  return keyed_picture(backdrop, lay::kButtonKey, [&](Canvas& c) {
    if (primary) {
      button_face(c, hover ? style::kBlue : style::kDeepBlue, style::kWhite, u8"确定",
                  style::kButton);
    } else {
      const Box all{0, 0, c.width(), c.height()};
      c.fill_rounded(all, style::kButtonCorner, hover ? style::kMistBlue : style::kWhite);
      c.outline_rounded(all, style::kButtonCorner, hover ? style::kBlue : style::kFrameBlue);
      c.text(utf8(u8"取消"), style::kButton, style::kNavy, all, Align::Centre, Align::Centre);
    }
  });
}

// The badge sits where the button puts a picture beside its caption.
Image paint_badge(const Image& background, bool hover) {
  const lay::Rect& place = lay::kCaptionButton;
  const int size = lay::kBadgePictures.width;
  constexpr int kCaptionPictureInset = 3;
  const Image backdrop = crop(background, place.x + kCaptionPictureInset,
                              place.y + (place.h - size) / 2, size, size);
  return keyed_picture(backdrop, lay::kButtonKey, [&](Canvas& c) {
    const double centre = size / 2.0;
    c.fill_circle(centre, centre, centre - 1, hover ? style::kBlue : style::kDeepBlue);
    c.line(centre - 5, centre, centre - 1, centre + 4, 2.4, style::kWhite);
    c.line(centre - 1, centre + 4, centre + 6, centre - 4, 2.4, style::kWhite);
  });
}

// The bitmap-background edit box's own picture: paper with faint ruled lines, one per
// text line, so typed text visibly sits on the picture.
Image paint_edit_box() {
  const lay::Rect& r = lay::kBitmapEdit;
  Canvas c(r.w, r.h);
  c.fill(style::kPaper);
  c.set_crisp(true);
  for (int y = lay::kEditLineHeight; y < r.h; y += lay::kEditLineHeight)
    c.fill_rect({4, y, r.w - 8, 1}, style::kMistBlue);
  return c.to_image();
}

}  // namespace

PictureSet paint_gallery() {
  const Image background = paint_background();
  const lay::ButtonPictures& primary = lay::kPrimaryPictures;
  const lay::ButtonPictures& secondary = lay::kSecondaryPictures;
  const lay::ButtonPictures& badge = lay::kBadgePictures;
  return {
      {lay::kBackgroundFile, encode_bmp(background)},
      {primary.normal, encode_bmp(paint_button(background, lay::kPrimaryButton, true, false))},
      {primary.hover, encode_bmp(paint_button(background, lay::kPrimaryButton, true, true))},
      {secondary.normal,
       encode_bmp(paint_button(background, lay::kSecondaryButton, false, false))},
      {secondary.hover, encode_bmp(paint_button(background, lay::kSecondaryButton, false, true))},
      {badge.normal, encode_bmp(paint_badge(background, false))},
      {badge.hover, encode_bmp(paint_badge(background, true))},
      {lay::kEditBoxPicture, encode_bmp(paint_edit_box())},
  };
}

}  // namespace painter
