// The small input box: the background "小输入框.bmp" (the box's frame, the text box's
// place and a hint beside the buttons) and the text box's picture.  Places and the file
// name come from decision/input/small_input_box_layout.h.
#include "canvas.h"
#include "decision/input/small_input_box_layout.h"
#include "decision_pictures.h"
#include "text_input_box_look.h"

namespace painter::decision_pictures {

namespace {
namespace lay = decision::small_input_box_layout;
}  // namespace

void add_small_input_box(PictureSet& set) {
  const Box hint{lay::kText.x + 2, lay::kOkButton.y, lay::kOkButton.x - lay::kText.x - 10, lay::kOkButton.h};
  set.push_back({lay::kBackgroundFile,
                 encode_bmp(input_box::paint_background(lay::kWidth, lay::kHeight, box_of(lay::kText), hint,
                                                        u8"回车换行"))});
  set.push_back({"small_input_text.bmp", encode_bmp(input_box::paint_text_picture(box_of(lay::kText)))});
}

}  // namespace painter::decision_pictures
