// The small input box's template, picture and places.
#include "decision/input/small_input_box.h"

#include "decision/res/resource_ids.h"
#include "decision/input/small_input_box_layout.h"

namespace decision {

namespace {

namespace lay = small_input_box_layout;

constexpr InputBoxLayout kLayout{
    .frame = {IDD_SMALL_INPUT_BOX, lay::kBackgroundFile, lay::kWidth, lay::kHeight, lay::kPlacements, lay::kButtons},
    .text_id = IDC_SMALL_INPUT_TEXT,
    .text_picture = IDB_SMALL_INPUT_TEXT,
    .text_margin = lay::kTextMargin,
    .text_top = lay::kTextTop,
};

}  // namespace

SmallInputBox::SmallInputBox(HINSTANCE module) : TextInputBox(module, kLayout) {}

}  // namespace decision
