// The new-decision chooser: its background "新建决策.bmp", the band over it that
// describes the chosen way of starting, and the places of the three option buttons,
// the number-of-alternatives list and the OK and Cancel buttons.  The build-time
// painter draws the pictures around the same constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::new_decision_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// Narrow literals are UTF-8 in the painter, which writes the files under these names,
// and GBK in the program, which converts them with code page 936 to open them.
inline constexpr char kBackgroundFile[] = "新建决策.bmp";
inline constexpr char kBlankDescriptionFile[] = "空白决策.bmp";
inline constexpr char kCaseDescriptionFile[] = "决策案例.bmp";
inline constexpr int kWidth = 719;
inline constexpr int kHeight = 467;

// The band that describes the chosen way: one of the two description pictures, or for
// the wizard the background's own band.
inline constexpr Rect kDescription{0, 191, 719, 216};

// The option buttons, one row each, blank decision first.
inline constexpr int kOptionX = 27;
inline constexpr int kFirstOptionY = 63;
inline constexpr int kOptionPitch = 30;
inline constexpr int kOptionSize = 15;
constexpr Rect option_button(int row) {
  return {kOptionX, kFirstOptionY + row * kOptionPitch, kOptionSize, kOptionSize};
}
inline constexpr Rect kBlankOption = option_button(0);
inline constexpr Rect kCaseOption = option_button(1);
inline constexpr Rect kWizardOption = option_button(2);
// Where the words of each option begin.
inline constexpr int kOptionLabelX = 52;

// The number of alternatives, on the blank decision's row; the height is the
// dropped-down list's, the closed box is about kCountBoxHeight high.
inline constexpr Rect kCountList{472, 59, 56, 200};
inline constexpr int kCountBoxHeight = 22;

inline constexpr Rect kOkButton{40, 420, 64, 22};
inline constexpr Rect kCancelButton{145, 420, 64, 22};
// The option, OK and Cancel pictures see the background through white.
inline constexpr Rgb kButtonKey{255, 255, 255};

inline constexpr kit::Placement kPlacements[] = {
    {IDC_BLANK_OPTION, kBlankOption},       {IDC_CASE_OPTION, kCaseOption},
    {IDC_WIZARD_OPTION, kWizardOption},     {IDC_ALTERNATIVE_COUNT, kCountList},
    {IDC_NEW_DECISION_OK, kOkButton},       {IDC_NEW_DECISION_CANCEL, kCancelButton},
};

// The option buttons start without pictures: theirs follow the way chosen.
inline constexpr kit::SkinPicture kOptionOff{IDB_OPTION_OFF, "option_off.bmp"};
inline constexpr kit::SkinPicture kOptionOn{IDB_OPTION_ON, "option_on.bmp"};
// The pictures compiled in that no button of the table starts with.
inline constexpr kit::SkinPicture kOtherPictures[] = {kOptionOff, kOptionOn};
inline constexpr kit::SkinButtonRow kButtons[] = {
    {.id = IDC_BLANK_OPTION, .place = kBlankOption, .name = "空白决策"},
    {.id = IDC_CASE_OPTION, .place = kCaseOption, .name = "决策案例"},
    {.id = IDC_WIZARD_OPTION, .place = kWizardOption, .name = "决策向导"},
    {IDC_NEW_DECISION_OK, kOkButton, shared_pictures::kOkHover, shared_pictures::kOkNormal, kButtonKey, nullptr, "确定"},
    {IDC_NEW_DECISION_CANCEL, kCancelButton, shared_pictures::kCancelHover, shared_pictures::kCancelNormal, kButtonKey,
     nullptr, "取消"},
};

inline constexpr kit::SkinFrame kFrame{IDD_NEW_DECISION, kBackgroundFile, kWidth, kHeight, kPlacements, kButtons,
                                       IDC_NEW_DECISION_OK};

// A blank decision has this many alternatives at least and at most; the list offers
// every number between.
inline constexpr int kFewestAlternatives = 2;
inline constexpr int kMostAlternatives = 9;

}  // namespace decision::new_decision_layout
