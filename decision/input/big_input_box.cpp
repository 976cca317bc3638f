// The large input box's template, picture and places.
#include "decision/input/big_input_box.h"

#include "decision/input/big_input_box_layout.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace {

namespace lay = big_input_box_layout;

constexpr InputBoxLayout kLayout{
    .frame = {IDD_BIG_INPUT_BOX, lay::kBackgroundFile, lay::kWidth, lay::kHeight, lay::kPlacements, lay::kButtons},
    .text_id = IDC_BIG_INPUT_TEXT,
    .text_picture = IDB_BIG_INPUT_TEXT,
    .text_margin = lay::kTextMargin,
    .text_top = lay::kTextTop,
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
