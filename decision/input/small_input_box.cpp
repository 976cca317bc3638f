// The small input box's template, picture and places.
#include "decision/input/small_input_box.h"

#include "decision/res/resource_ids.h"
#include "decision/input/small_input_box_layout.h"

namespace decision {

namespace {

namespace lay = small_input_box_layout;

constexpr InputBoxLayout kLayout{
    .template_id = IDD_SMALL_INPUT_BOX,
    .background_file = lay::kBackgroundFile,
    .width = lay::kWidth,
    .height = lay::kHeight,
    .text_id = IDC_SMALL_INPUT_TEXT,
    .text_picture = IDB_SMALL_INPUT_TEXT,
    .text_margin = lay::kTextMargin,
    .text_top = lay::kTextTop,
    .ok_button = lay::kOkButton,
    .cancel_button = lay::kCancelButton,
    .button_key = lay::kButtonKey,
    .placements = lay::kPlacements,
};

}  // namespace

SmallInputBox::SmallInputBox(HINSTANCE module) : TextInputBox(module, kLayout) {}

}  // namespace decision
