// What the small and the large input box's layouts share: the save and don't-save
// pictures (one pair for both boxes, at one size) and their key colour.  Platform-free;
// the painter paints the pictures under these names.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"

namespace decision::text_input_box_layout {

inline constexpr kit::SkinPicture kOkHover{IDB_INPUT_BOX_OK_HOVER, "input_box_ok_hover.bmp"};
inline constexpr kit::SkinPicture kOkNormal{IDB_INPUT_BOX_OK, "input_box_ok.bmp"};
inline constexpr kit::SkinPicture kCancelHover{IDB_INPUT_BOX_CANCEL_HOVER, "input_box_cancel_hover.bmp"};
inline constexpr kit::SkinPicture kCancelNormal{IDB_INPUT_BOX_CANCEL, "input_box_cancel.bmp"};
// The buttons' pictures show the box through every pixel of this colour.
inline constexpr kit::PixelColor kButtonKey{255, 255, 255};
inline constexpr char kOkTip[] = "保存修改";
inline constexpr char kCancelTip[] = "不保存修改";

// A box's button table: save and don't-save at their places.
constexpr kit::SkinButtonRow ok_row(kit::PixelRect place) {
  return {IDC_INPUT_BOX_OK, place, kOkHover, kOkNormal, kButtonKey, kOkTip, "确定"};
}
constexpr kit::SkinButtonRow cancel_row(kit::PixelRect place) {
  return {IDC_INPUT_BOX_CANCEL, place, kCancelHover, kCancelNormal, kButtonKey, kCancelTip, "取消"};
}

}  // namespace decision::text_input_box_layout
