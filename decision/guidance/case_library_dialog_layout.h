// The case library: its background "选择案例.bmp" and the places of the case list and
// the four buttons, with the key colours of the close and more-cases pictures.  The
// build-time painter draws the pictures around the same constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::case_library_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// UTF-8 in the painter, GBK in the program (see new_decision_dialog_layout.h).
inline constexpr char kBackgroundFile[] = "选择案例.bmp";
inline constexpr int kWidth = 481;
inline constexpr int kHeight = 376;

// The strip along the top that carries the title and the close button.
inline constexpr int kTitleStripHeight = 22;

// The list is wide enough for both columns and a vertical scroll bar, so a long
// library never needs a horizontal one.
inline constexpr Rect kCaseList{17, 34, 446, 240};
inline constexpr char kColumns[] = "案例序号,95;案例标题,330";

inline constexpr Rect kOpenButton{165, 335, 64, 22};
inline constexpr Rect kCancelButton{255, 335, 64, 22};
inline constexpr Rect kCloseButton{455, 5, 12, 12};
inline constexpr Rect kMoreCasesButton{301, 281, 140, 20};

inline constexpr Rgb kButtonKey{255, 255, 255};
inline constexpr Rgb kCloseKey{0x9A, 0xAD, 0xE5};      // 0xE5AD9A
inline constexpr Rgb kMoreCasesKey{0x00, 0xFF, 0x00};  // 0x00FF00

inline constexpr kit::Placement kPlacements[] = {
    {IDC_CASE_LIST, kCaseList},           {IDC_OPEN_CASE, kOpenButton},
    {IDC_CASE_LIBRARY_CANCEL, kCancelButton},            {IDC_CASE_LIBRARY_CLOSE, kCloseButton},
    {IDC_MORE_CASES, kMoreCasesButton},
};

// The program's page of further cases, opened by the more-cases button.
inline constexpr char kMoreCasesAddress[] = "http://www.decision.example/cases/";
inline constexpr char kMoreCasesTip[] = "到软件的官方网站下载更多精彩实用的案例";

inline constexpr kit::SkinPicture kMoreCasesHover{IDB_MORE_CASES_HOVER, "more_cases_hover.bmp"};
inline constexpr kit::SkinPicture kMoreCasesNormal{IDB_MORE_CASES_NORMAL, "more_cases_normal.bmp"};
inline constexpr kit::SkinButtonRow kButtons[] = {
    {IDC_OPEN_CASE, kOpenButton, shared_pictures::kOkHover, shared_pictures::kOkNormal, kButtonKey, nullptr, "确定"},
    {IDC_CASE_LIBRARY_CANCEL, kCancelButton, shared_pictures::kCancelHover, shared_pictures::kCancelNormal,
     kButtonKey, nullptr, "取消"},
    {IDC_CASE_LIBRARY_CLOSE, kCloseButton, shared_pictures::kCloseHover, shared_pictures::kCloseNormal, kCloseKey, nullptr, "关闭"},
    {IDC_MORE_CASES, kMoreCasesButton, kMoreCasesHover, kMoreCasesNormal, kMoreCasesKey, kMoreCasesTip, "下载更多案例"},
};

// OK opens the chosen case; the close button cancels.
inline constexpr kit::SkinFrame kFrame{IDD_CASE_LIBRARY, kBackgroundFile, kWidth, kHeight, kPlacements,
                                       kButtons, IDC_OPEN_CASE, IDC_CASE_LIBRARY_CLOSE};

}  // namespace decision::case_library_layout
