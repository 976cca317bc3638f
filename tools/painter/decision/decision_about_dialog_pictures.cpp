// decision's About box: the background "关于框.bmp" with the product's name, a line on
// what it does, and the web address where the link control sits; and the link's own
// picture, the background cut at the link's place.  Places and the file
// name come from decision/workspace/about_dialog_layout.h.
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/workspace/decision_about_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::about_layout;
Image paint_about() {
  return about_card(lay::kWidth, lay::kHeight,
                    {u8"择优宝", "V1.2", u8"决策好帮手", u8"列出方案，权衡得失，择优而行。",
                     u8"评价、喜恶与效用，三种方法任选。", lay::kWebAddress, box_of(lay::kLink),
                     /*close_cross=*/true});
}

}  // namespace

void add_about_box(PictureSet& set) {
  const Image about = paint_about();
  const lay::Rect& link = lay::kLink;
  set.push_back({lay::kBackgroundFile, encode_bmp(about)});
  set.push_back({lay::kLinkPictureFile, encode_bmp(crop(about, link.x, link.y, link.w, link.h))});
}

}  // namespace painter::decision_pictures
