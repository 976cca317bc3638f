// The large input box's template, picture and places.
#include "decision/input/big_input_box.h"

#include "decision/input/big_input_box_layout.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace {

namespace lay = big_input_box_layout;

constexpr InputBoxLayout kLayout{
    .template_id = IDD_BIG_INPUT_BOX,
    .background_file = lay::kBackgroundFile,
    .width = lay::kWidth,
    .height = lay::kHeight,
    .text_id = IDC_BIG_INPUT_TEXT,
    .text_picture = IDB_BIG_INPUT_TEXT,
    .text_margin = lay::kTextMargin,
    .text_top = lay::kTextTop,
    .ok_button = lay::kOkButton,
    .cancel_button = lay::kCancelButton,
    .button_key = lay::kButtonKey,
    .placements = lay::kPlacements,
};

}  // namespace

BigInputBox::BigInputBox(HINSTANCE module) : TextInputBox(module, kLayout) {}

bool BigInputBox::edit_below(HINSTANCE module, HWND owner, HWND box, std::string& text) {
  RECT place{};
  GetWindowRect(box, &place);
  BigInputBox input(module);
  input.x = place.left;
  input.y = place.bottom;
  input.text = text;
  if (input.run(owner) != IDOK) return false;
  text = input.text;
  return true;
}

}  // namespace decision
