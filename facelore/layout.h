// Pixel places of facelore's controls in the main window and in the About box, and the
// sizes and key colours of the pictures that frame them.  The dialogs move their
// controls to these rectangles at start-up and the build-time painter draws the
// background pictures around the very same rectangles, so one change here moves both.
// Platform-free: positions are pixels of the window's client area.
#pragma once

#include "kit/pixel_layout.h"
#include "facelore/res/resource_ids.h"

namespace facelore::layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// ---- Main window ---------------------------------------------------------------
inline constexpr char kBackgroundFile[] = "gr.bmp";
inline constexpr int kClientWidth = 794;
inline constexpr int kClientHeight = 570;

// The three choice rows: a prompt label (IDC_PART_PROMPT, ...) and its drop-down list
// (IDC_PART_LIST, ...).  A list's height is its dropped-down height; the closed field is as tall
// as the dialog font makes it, about kListFieldHeight, and the picture frames a row band
// of kChoiceRowHeight around it.
inline constexpr int kListFieldHeight = 24;
inline constexpr int kChoiceRowHeight = 32;
inline constexpr Rect kPartPrompt{24, 80, 72, 24};
inline constexpr Rect kFeaturePrompt{24, 117, 72, 24};
inline constexpr Rect kOptionPrompt{24, 154, 72, 24};
inline constexpr Rect kPartList{100, 80, 176, 260};
inline constexpr Rect kFeatureList{100, 117, 176, 260};
inline constexpr Rect kOptionList{100, 154, 176, 260};

// The three text boxes (IDC_DEFINITION_BOX, IDC_CHARACTER_BOX, IDC_ADVICE_BOX); their background bitmaps have exactly these
// sizes.
inline constexpr Rect kDefinitionBox{20, 210, 260, 145};
inline constexpr Rect kCharacterBox{370, 120, 370, 118};
inline constexpr Rect kAdviceBox{370, 260, 370, 118};
// Pixels between a text box's edges and its text, clear of the frame its picture draws.
inline constexpr int kTextBoxMargin = 6;

// The slim scroll bar a text box shows inside its frame while its text is longer than
// the box: in the blues of the box's frame, clear of the frame the box pictures draw.
inline constexpr int kTextScrollBarWidth = 8;
inline constexpr int kTextScrollBarInset = 5;  // from the box's edges
inline constexpr int kTextScrollBarGap = 4;    // between the text and the bar
inline constexpr Rgb kTextScrollTrack{0xDC, 0xE8, 0xF4};
inline constexpr Rgb kTextScrollThumb{0xA9, 0xC6, 0xE3};

// The analysis button (IDC_ANALYSE): pictures of its size.
inline constexpr Rect kAnalyseButton{86, 380, 131, 35};
inline constexpr Rgb kAnalyseKey{93, 180, 195};

// The heading label of an analysis (IDC_HEADING) and the four result labels (IDC_RESULT_1..4, in
// that order: top left, top right, bottom left, bottom right).  The window writes black
// text over them; the picture keeps these areas light and empty.
inline constexpr Rect kHeadingLabel{370, 60, 370, 30};
inline constexpr int kResultLabelCount = 4;
inline constexpr Rect kResultLabels[kResultLabelCount] = {
    {370, 416, 180, 26},
    {560, 416, 180, 26},
    {370, 450, 180, 26},
    {560, 450, 180, 26},
};

// Hot areas without pictures of their own: the background draws them as flat buttons
// with their words, so these labels keep empty captions.
inline constexpr Rect kAboutHotArea{572, 523, 80, 30};   // IDC_ABOUT, "关于"
inline constexpr Rect kCloseHotArea{664, 523, 80, 30};   // IDC_CLOSE, "关闭"

// The button that starts the sister program's installer (IDC_INSTALLER): pictures of
// its size.
inline constexpr Rect kInstallerButton{38, 513, 222, 52};
inline constexpr Rgb kInstallerKey{255, 0, 0};

// The main window's skin buttons.  The analysis button and the two hot areas show the
// hand pointer; the installer does not (and hides before its date).
inline constexpr kit::SkinButtonRow kAnalyseRow{.id = IDC_ANALYSE,
                                                .place = kAnalyseButton,
                                                .hover = {IDB_ANALYSE_HOVER, "analyse_hover.bmp"},
                                                .normal = {IDB_ANALYSE_NORMAL, "analyse_normal.bmp"},
                                                .key = kAnalyseKey,
                                                .name = "开始分析",
                                                .pointer = IDC_HAND_POINTER};
inline constexpr kit::SkinButtonRow kCloseRow{
    .id = IDC_CLOSE, .place = kCloseHotArea, .name = "关闭", .pointer = IDC_HAND_POINTER};
inline constexpr kit::SkinButtonRow kAboutRow{
    .id = IDC_ABOUT, .place = kAboutHotArea, .name = "关于", .pointer = IDC_HAND_POINTER};
inline constexpr kit::SkinButtonRow kInstallerRow{.id = IDC_INSTALLER,
                                                  .place = kInstallerButton,
                                                  .hover = {IDB_INSTALL_HOVER, "install_hover.bmp"},
                                                  .normal = {IDB_INSTALL_NORMAL, "install_normal.bmp"},
                                                  .key = kInstallerKey,
                                                  .name = "安装择优宝"};
inline constexpr kit::SkinButtonRow kButtons[] = {kAnalyseRow, kCloseRow, kAboutRow, kInstallerRow};

// Every other control the main window's picture frames, placed before the first paint
// (see-through buttons capture the picture under them at that paint).
inline constexpr kit::Placement kMainPlacements[] = {
    {IDC_PART_PROMPT, kPartPrompt},
    {IDC_FEATURE_PROMPT, kFeaturePrompt},
    {IDC_OPTION_PROMPT, kOptionPrompt},
    {IDC_PART_LIST, kPartList},
    {IDC_FEATURE_LIST, kFeatureList},
    {IDC_OPTION_LIST, kOptionList},
    {IDC_DEFINITION_BOX, kDefinitionBox},
    {IDC_CHARACTER_BOX, kCharacterBox},
    {IDC_ADVICE_BOX, kAdviceBox},
    {IDC_HEADING, kHeadingLabel},
    {IDC_RESULT_1, kResultLabels[0]},
    {IDC_RESULT_2, kResultLabels[1]},
    {IDC_RESULT_3, kResultLabels[2]},
    {IDC_RESULT_4, kResultLabels[3]},
};

// ---- About box -----------------------------------------------------------------
inline constexpr char kAboutFile[] = "about.ggr";  // a bitmap file despite its name
inline constexpr int kAboutWidth = 350;
inline constexpr int kAboutHeight = 230;

// The link (IDC_WEB_LINK) shows picture IDB_WEB_ADDRESS of its size; the picture is the About background
// under it with the address written in, so the link sits in the box seamlessly.
inline constexpr Rect kAboutLink{70, 164, 210, 19};

// The maker's web address: the link's target and tip, and the text of picture IDB_WEB_ADDRESS.
inline constexpr char kMakerWebAddress[] = "http://www.facelore.example/";

inline constexpr kit::Placement kAboutPlacements[] = {
    {IDC_WEB_LINK, kAboutLink},
};

}  // namespace facelore::layout
