// The alternative panel: its two background pictures (short for up to four results,
// tall for five or more), the places of its controls, the blank band laid over the
// rows not in use, and where the main window opens a panel beside an alternative's
// grid cell.  The build-time painter draws the pictures around these very constants.
// Platform-free: positions are pixels of the panel's client area unless said otherwise.
#pragma once

#include "kit/dpi_scale.h"
#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::alternative_panel_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// UTF-8 in the painter, which writes the files under these names, and GBK in the
// program, which converts them with code page 936 to open the files.
inline constexpr char kShortFile[] = "方案内容1.bmp";
inline constexpr char kTallFile[] = "方案内容2.bmp";
inline constexpr int kWidth = 481;
inline constexpr int kShortHeight = 227;
inline constexpr int kTallHeight = 376;
// The panel is tall from this many results on.
inline constexpr int kTallFromResults = 5;
inline constexpr int kMaxRows = 9;

constexpr bool is_tall(int result_count) { return result_count >= kTallFromResults; }
constexpr int height_for(int result_count) { return is_tall(result_count) ? kTallHeight : kShortHeight; }

// The navy strip along the top the panel is dragged by: its title, the alternative's
// number after it, and the close button at its right end.
inline constexpr int kTitleStripHeight = 22;
inline constexpr Rect kNumber{40, 1, 24, 20};
inline constexpr Rect kCloseButton{455, 5, 12, 12};

// The description, then adding a result (button and insertion list) and deleting one
// (button and deletion list).  A list's height is its dropped-down height.
inline constexpr Rect kDescription{12, 31, 188, 14};
inline constexpr Rect kAddButton{205, 27, 41, 19};
inline constexpr Rect kInsertList{248, 26, 99, 200};
inline constexpr Rect kDeleteButton{349, 27, 41, 19};
inline constexpr Rect kDeleteList{394, 26, 80, 200};

// The result table: its heading row, then one row every 30 pixels, each with the
// row's number (painted), the text, the value button and the probability button.
inline constexpr Rect kTable{10, 50, 430, 16};  // the heading row
inline constexpr Rect kNumberColumn{14, 0, 40, 0};
inline constexpr int kFirstRowY = 68;
inline constexpr int kRowPitch = 30;
inline constexpr int kTextX = 62;
inline constexpr int kTextWidth = 218;
inline constexpr int kTextHeight = 14;
inline constexpr int kValueX = 300;
inline constexpr int kProbabilityX = 380;
inline constexpr int kNumberButtonWidth = 44;
inline constexpr int kNumberButtonHeight = 20;

constexpr int row_y(int k) { return kFirstRowY + kRowPitch * (k - 1); }
constexpr Rect result_text(int k) { return {kTextX, row_y(k), kTextWidth, kTextHeight}; }
constexpr Rect value_button(int k) { return {kValueX, row_y(k) - 3, kNumberButtonWidth, kNumberButtonHeight}; }
constexpr Rect probability_button(int k) {
  return {kProbabilityX, row_y(k) - 3, kNumberButtonWidth, kNumberButtonHeight};
}

// The controls of row k (1..9).
inline constexpr int kResultTextIds[kMaxRows] = {IDC_RESULT_TEXT_1, IDC_RESULT_TEXT_2, IDC_RESULT_TEXT_3,
                                                 IDC_RESULT_TEXT_4, IDC_RESULT_TEXT_5, IDC_RESULT_TEXT_6,
                                                 IDC_RESULT_TEXT_7, IDC_RESULT_TEXT_8, IDC_RESULT_TEXT_9};
inline constexpr int kValueIds[kMaxRows] = {IDC_RESULT_VALUE_1, IDC_RESULT_VALUE_2, IDC_RESULT_VALUE_3,
                                            IDC_RESULT_VALUE_4, IDC_RESULT_VALUE_5, IDC_RESULT_VALUE_6,
                                            IDC_RESULT_VALUE_7, IDC_RESULT_VALUE_8, IDC_RESULT_VALUE_9};
inline constexpr int kProbabilityIds[kMaxRows] = {
    IDC_RESULT_PROBABILITY_1, IDC_RESULT_PROBABILITY_2, IDC_RESULT_PROBABILITY_3,
    IDC_RESULT_PROBABILITY_4, IDC_RESULT_PROBABILITY_5, IDC_RESULT_PROBABILITY_6,
    IDC_RESULT_PROBABILITY_7, IDC_RESULT_PROBABILITY_8, IDC_RESULT_PROBABILITY_9};

// The foot line: the number again, the total, keep and drop, on line 192 of the short
// panel and 342 of the tall one.  The total is 58 wide when the panel opens and 45
// after every resize.
inline constexpr int kShortFootY = 192;
inline constexpr int kTallFootY = 342;
inline constexpr int kTotalOpeningWidth = 58;
inline constexpr int kTotalResizedWidth = 45;
constexpr int foot_y(int result_count) { return is_tall(result_count) ? kTallFootY : kShortFootY; }
constexpr Rect foot_number(int y) { return {51, y, 16, 20}; }
constexpr Rect total(int y, int width) { return {162, y, width, 22}; }
constexpr Rect keep_button(int y) { return {295, y, 64, 22}; }
constexpr Rect drop_button(int y) { return {375, y, 64, 22}; }
// Where the foot's grey band begins, above the foot line.
inline constexpr int kFootBandAbove = 8;

// Key colours: white for the add, delete, keep and drop pictures, 0xE5AD9A for close.
inline constexpr Rgb kButtonKey{255, 255, 255};
inline constexpr Rgb kCloseKey{0x9A, 0xAD, 0xE5};

// The panel's picture buttons.  Keep and drop have no fixed place: the foot line
// follows the panel's height (foot_y).
inline constexpr kit::SkinButtonRow kAdd{IDC_PANEL_ADD_RESULT, kAddButton,
                                         {IDB_ADD_RESULT_HOVER, "add_result_hover.bmp"},
                                         {IDB_ADD_RESULT, "add_result.bmp"}, kButtonKey, "增加当前方案的结果", "增加"};
inline constexpr kit::SkinButtonRow kDelete{IDC_PANEL_DELETE_RESULT, kDeleteButton,
                                            {IDB_DELETE_RESULT_HOVER, "delete_result_hover.bmp"},
                                            {IDB_DELETE_RESULT, "delete_result.bmp"}, kButtonKey, "删除结果", "删除"};
inline constexpr kit::SkinButtonRow kButtons[] = {
    kAdd,
    kDelete,
    {IDC_PANEL_KEEP, {}, shared_pictures::kOkHover, shared_pictures::kOkNormal, kButtonKey, "保存修改", "确定"},
    {IDC_PANEL_DROP, {}, shared_pictures::kCancelHover, shared_pictures::kCancelNormal, kButtonKey, "不保存修改", "取消"},
    {IDC_PANEL_CLOSE, kCloseButton, shared_pictures::kCloseHover, shared_pictures::kCloseNormal, kCloseKey, nullptr, "关闭"},
};

// The description's and the result texts' colours.
inline constexpr Rgb kEditBack{239, 244, 250};
inline constexpr Rgb kEditText{0, 80, 80};

// The controls placed the same in both heights.
inline constexpr kit::Placement kPlacements[] = {
    {IDC_PANEL_NUMBER, kNumber},          {IDC_PANEL_CLOSE, kCloseButton},
    {IDC_PANEL_DESCRIPTION, kDescription}, {IDC_PANEL_ADD_RESULT, kAddButton},
    {IDC_PANEL_INSERT_AT, kInsertList},   {IDC_PANEL_DELETE_RESULT, kDeleteButton},
    {IDC_PANEL_DELETE_AT, kDeleteList},
};

// The band of the blank-rows picture laid over the rows not in use (x 10, 430 wide,
// copied from the picture's top-left corner): none when every painted row is in use.
inline constexpr int kBandX = 10;
inline constexpr int kBandWidth = 430;
inline constexpr int kBandPictureHeight = 120;
constexpr Rect blank_band(int result_count) {
  constexpr int kTops[] = {0, 90, 120, 150, 0, 211, 240, 270, 300, 0};
  constexpr int kHeights[] = {0, 90, 62, 30, 0, 120, 90, 60, 30, 0};
  if (result_count < 1 || result_count > kMaxRows) return {};
  return {kBandX, kTops[result_count], kBandWidth, kHeights[result_count]};
}

// Where the main window opens the panel of alternative index (1..9) beside its grid
// cell, given the cell's screen rectangle (as shown): below the top row, to the right of
// cell 4, to the left of cells 5 and 6, above the bottom row.  The panel's width and its
// height h for its alternative's results are taken at dpi, the cell's.  The returned
// corner is before any keeping inside the screen.
struct ScreenPoint {
  int x = 0, y = 0;
  friend constexpr bool operator==(ScreenPoint, ScreenPoint) = default;
};
constexpr ScreenPoint panel_top_left(int index, const Rect& cell, int result_count, int dpi) {
  const int h = kit::scale_length(height_for(result_count), dpi);
  const int w = kit::scale_length(kWidth, dpi);
  switch (index) {
    case 1:
    case 2: return {cell.x, cell.bottom()};
    case 3: return {cell.right() - w, cell.bottom()};
    case 4: return {cell.right(), cell.bottom() - h};
    case 5:
    case 6: return {cell.x - w, cell.bottom() - h};
    case 7:
    case 8: return {cell.x, cell.y - h};
    default: return {cell.right() - w, cell.y - h};
  }
}

}  // namespace decision::alternative_panel_layout
