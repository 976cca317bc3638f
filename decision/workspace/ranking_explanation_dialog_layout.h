// The ranking explanation dialog: its background "为何如此排名.bmp", the places of the
// chart and of the two text boxes (each box over a picture of its own size), OK and the
// close button, the chart's geometry and colours.  The build-time painter frames the
// same rectangles.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::ranking_explanation_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// UTF-8 in the painter, GBK in the program (see small_input_box_layout.h).
inline constexpr char kBackgroundFile[] = "为何如此排名.bmp";
inline constexpr char kSentencesFile[] = "explanation_sentences.bmp";
inline constexpr char kWeightiestFile[] = "explanation_weightiest.bmp";
inline constexpr int kWidth = 560;
inline constexpr int kHeight = 460;

// The navy strip along the top with the heading and the close button.
inline constexpr int kTitleStripHeight = 32;
// The grey band at the bottom that holds OK.
inline constexpr int kBottomBand = 426;

// The chart's frame, painted by the background; the chart control fills its inside.
inline constexpr Rect kChartFrame{20, 64, 520, 190};
inline constexpr Rect kChart{kChartFrame.x + 1, kChartFrame.y + 1, kChartFrame.w - 2, kChartFrame.h - 2};
// The text boxes carry their own frame in their pictures.
inline constexpr Rect kSentences{20, 286, 520, 60};
inline constexpr Rect kWeightiest{20, 378, 520, 40};
inline constexpr Rect kOkButton{248, 432, 64, 22};
inline constexpr Rect kCloseButton{534, 10, 12, 12};

// The texts: a face a little larger than the dialog's, clear of the boxes' frames.
inline constexpr int kTextFontHeight = 16;
inline constexpr int kTextMargin = 10;
inline constexpr int kTextTop = 5;

inline constexpr Rgb kButtonKey{255, 255, 255};
inline constexpr Rgb kCloseKey{0x9A, 0xAD, 0xE5};  // 0xE5AD9A

inline constexpr kit::Placement kPlacements[] = {
    {IDC_EXPLANATION_CHART, kChart},
    {IDC_EXPLANATION_SENTENCES, kSentences},
    {IDC_EXPLANATION_WEIGHTIEST, kWeightiest},
    {IDC_EXPLANATION_OK, kOkButton},
    {IDC_EXPLANATION_CLOSE, kCloseButton},
};

// OK and the close button (which acts as OK) show the shared pairs.
inline constexpr kit::SkinButtonRow kButtons[] = {
    {IDC_EXPLANATION_OK, kOkButton, shared_pictures::kOkHover, shared_pictures::kOkNormal, kButtonKey, "知道了", "确定"},
    {IDC_EXPLANATION_CLOSE, kCloseButton, shared_pictures::kCloseHover, shared_pictures::kCloseNormal, kCloseKey,
     "关闭", "关闭"},
};

inline constexpr kit::SkinFrame kFrame{IDD_RANKING_EXPLANATION, kBackgroundFile, kWidth, kHeight, kPlacements,
                                       kButtons, IDC_EXPLANATION_OK, IDC_EXPLANATION_CLOSE};

// ---- the chart, in the chart control's own pixels ----------------------------------
// One row per alternative: its label at the left, then the plot, where a bar runs from
// the zero line to the alternative's total, and the total written beyond the bar's end.
// The plot keeps room for a total at both of its ends, so the longest bar either way
// ("-900", "900") keeps its number inside the chart.
inline constexpr Rgb kChartGround{0xFC, 0xFD, 0xFE};  // the paper of the text boxes
inline constexpr Rgb kChartInk{0x1E, 0x2A, 0x36};     // labels and totals
inline constexpr Rgb kZeroLine{0x1F, 0x3A, 0x5F};     // the navy of the heading strip
inline constexpr Rgb kAlternateRowGround{0xEE, 0xF4, 0xFA};  // every other row
inline constexpr int kChartFontHeight = 14;
inline constexpr int kChartPadding = 10;
inline constexpr int kChartLabelWidth = 48;  // "方案9" at kChartFontHeight
inline constexpr int kChartValueRoom = 40;   // "-900" and its gap to the bar
inline constexpr int kChartValueGap = 4;
inline constexpr int kChartMostRowPitch = 34;
inline constexpr int kChartMostBarHeight = 18;

struct ChartRow {
  int top = 0, height = 0;          // the row's band
  int bar_top = 0, bar_height = 0;  // its bar, centred in the band
};

// Row index (0-based) of count rows: equal bands, no taller than kChartMostRowPitch,
// the block of them centred in the chart's height.
constexpr ChartRow chart_row(int count, int index) {
  const int usable = kChart.h - 2 * kChartPadding;
  const int pitch = count > 0 && usable / count < kChartMostRowPitch ? usable / count : kChartMostRowPitch;
  const int block_top = (kChart.h - pitch * count) / 2;
  const int bar = pitch * 3 / 5 < kChartMostBarHeight ? pitch * 3 / 5 : kChartMostBarHeight;
  const int top = block_top + pitch * index;
  return {top, pitch, top + (pitch - bar) / 2, bar};
}

// The plot's horizontal scale for totals from lowest to highest: where zero lies and
// where a total's bar ends.  Zero lies at the plot's left when no total is negative, at
// its right when none is positive, in proportion between.
struct ChartScale {
  int left = 0, width = 0;  // the plot, without the rooms for the totals
  int negative = 0;         // the largest amount below zero, 0 or more
  int span = 1;             // the largest above zero plus negative, at least 1

  constexpr int zero_x() const { return left + width * negative / span; }
  constexpr int x_of(int total) const { return zero_x() + width * total / span; }
};

constexpr ChartScale chart_scale(int lowest, int highest) {
  const int left = kChartPadding + kChartLabelWidth + kChartValueRoom;
  const int negative = lowest < 0 ? -lowest : 0;
  const int positive = highest > 0 ? highest : 0;
  const int span = negative + positive > 0 ? negative + positive : 1;
  return {left, kChart.w - kChartValueRoom - kChartPadding - left, negative, span};
}

// Nine rows keep a bar that reads, and the longest totals keep their numbers inside.
static_assert(chart_row(9, 0).bar_height >= 10 && chart_row(9, 8).top + chart_row(9, 8).height <= kChart.h);
static_assert(chart_row(2, 0).top >= kChartPadding);
static_assert(chart_scale(-900, 900).x_of(-900) - kChartValueRoom >= kChartPadding + kChartLabelWidth);
static_assert(chart_scale(-900, 900).x_of(900) + kChartValueRoom <= kChart.w - kChartPadding);
static_assert(chart_scale(-900, -10).x_of(-900) == chart_scale(-900, -10).left);
static_assert(chart_scale(10, 900).x_of(900) == chart_scale(10, 900).left + chart_scale(10, 900).width);

}  // namespace decision::ranking_explanation_layout
