// The ranking explanation dialog (see ranking_explanation_dialog.h).
#include "decision/workspace/ranking_explanation_dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "kit/dpi.h"
#include "kit/font.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/ranking_explanation_dialog_layout.h"

namespace decision {

namespace lay = ranking_explanation_layout;

namespace {

constexpr char kWeightiestIntro[] = " 最重要的结果：";
constexpr char kWeightiestSeparator[] = "、";
constexpr char kNothingWeighs[] = " 的结果都不影响总分。";

// The platform's colour of a bar colour given as 0xRRGGBB.
COLORREF colour_of(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void fill(HDC dc, const RECT& r, COLORREF colour) {
  kit::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

void write(HDC dc, const std::string& gbk, RECT r, UINT alignment) {
  kit::draw_text(dc, gbk, r, alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// "+48", "-12", "0".
std::string signed_number(int n) {
  char text[16];
  std::snprintf(text, sizeof text, n > 0 ? "+%d" : "%d", n);
  return text;
}

}  // namespace

RankingExplanationDialog::RankingExplanationDialog(HINSTANCE module, const Decision& decision)
    : kit::SkinnedDialog(module, lay::kFrame), decision_(decision) {
  compute_totals(decision_);
  explanation_ = explain_ranking(decision_);
}

// ---- texts ---------------------------------------------------------------------------

std::string RankingExplanationDialog::sentences_text() const {
  std::string text = explanation_.margin_sentence;
  if (!explanation_.change_sentence.empty()) text += "\r\n" + explanation_.change_sentence;
  return text;
}

// "方案2 最重要的结果：新机会(+48)、稳定收入(+30)".
std::string RankingExplanationDialog::weightiest_line(int alternative) const {
  const AlternativeStanding& standing = explanation_.standings[static_cast<std::size_t>(alternative)];
  std::string line = alternative_label(alternative);
  if (standing.weightiest_count == 0) return line + kNothingWeighs;
  line += kWeightiestIntro;
  for (int n = 0; n < standing.weightiest_count; ++n) {
    const WeightedResult& weighed = standing.weightiest[static_cast<std::size_t>(n)];
    if (n > 0) line += kWeightiestSeparator;
    line += result_name(decision_, alternative, weighed.result) + "(" + signed_number(weighed.weight) + ")";
  }
  return line;
}

// With a unique best: the best and the runner-up (the highest of the others, the first
// at equal totals).  With a shared top: the first two alternatives sharing it.
std::string RankingExplanationDialog::weightiest_text() const {
  std::array<int, 2> leading{explanation_.unique_best, explanation_.runner_up};
  if (explanation_.unique_best == 0) {
    int found = 0;
    for (int i = 1; i <= explanation_.deci_count && found < 2; ++i)
      if (explanation_.standings[static_cast<std::size_t>(i)].margin_to_best == 0)
        leading[static_cast<std::size_t>(found++)] = i;
  }
  std::string text;
  for (int alternative : leading) {
    if (alternative == 0) continue;
    if (!text.empty()) text += "\r\n";
    text += weightiest_line(alternative);
  }
  return text;
}

// ---- start-up ------------------------------------------------------------------------

bool RankingExplanationDialog::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  text_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kTextFontHeight);
  chart_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kChartFontHeight);
  set_up_text_box(sentences_box_, IDC_EXPLANATION_SENTENCES, IDB_EXPLANATION_SENTENCES, sentences_text());
  set_up_text_box(weightiest_box_, IDC_EXPLANATION_WEIGHTIEST, IDB_EXPLANATION_WEIGHTIEST, weightiest_text());
  SetFocus(item(IDC_EXPLANATION_OK));
  return false;  // the focus is set: Enter presses OK, and no text is selected
}

// The frame's own, then the boxes and the chart in fonts of the new DPI.
void RankingExplanationDialog::lay_out_at_dpi() {
  kit::SkinnedDialog::lay_out_at_dpi();
  kit::UniqueFont text = kit::make_font(hwnd(), kit::kSongFace, lay::kTextFontHeight);
  for (kit::BitmapEdit* box : {&sentences_box_, &weightiest_box_}) {
    kit::set_font(box->hwnd(), text.get());
    box->lay_out();
  }
  text_font_ = std::move(text);
  chart_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kChartFontHeight);
}

// A read-only edit over its picture, its text clear of the picture's frame; a text
// longer than the box shows the slim scroll bar inside the frame.
void RankingExplanationDialog::set_up_text_box(kit::BitmapEdit& box, int id, int picture, const std::string& text) {
  box.bind(hwnd(), id);
  box.set_edit_background(picture);
  // The font first: a new font resets the formatting rectangle.
  kit::set_font(box.hwnd(), text_font_.get());
  box.inset_text(lay::kTextMargin, lay::kTextTop);
  box.show_scroll_bar_when_needed();
  kit::set_window_text(box.hwnd(), text);
}

// ---- the chart -----------------------------------------------------------------------

// Drawn whole into a picture of the chart's size and copied in one blit, so a repaint
// never shows a half-drawn chart.
void RankingExplanationDialog::on_chart_drawn(const DRAWITEMSTRUCT& item) {
  const RECT& area = item.rcItem;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  kit::UniqueMemoryDc buffer(CreateCompatibleDC(item.hDC));
  kit::UniqueBitmap picture(CreateCompatibleBitmap(item.hDC, width, height));
  if (!buffer || !picture) {
    draw_chart(item.hDC, area);
    return;
  }
  kit::SelectGuard selected(buffer.get(), picture.get());
  draw_chart(buffer.get(), RECT{0, 0, width, height});
  BitBlt(item.hDC, area.left, area.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

// Every other row on a light ground; per row the label, the bar from the zero line to
// the total and the total beyond the bar's end; the zero line over the bars' roots.
// The chart's layout is in layout pixels, each edge scaled to the window's DPI.
void RankingExplanationDialog::draw_chart(HDC dc, const RECT& area) {
  const int dpi = kit::window_dpi(hwnd());
  auto px = [dpi](int length) { return kit::scale_length(length, dpi); };
  const int line = px(1);  // the zero line's width
  fill(dc, area, lay::kChartGround.colorref());
  const int count = explanation_.deci_count;
  if (count <= 0) return;
  auto total = [&](int i) { return explanation_.standings[static_cast<std::size_t>(i)].total; };
  int lowest = total(1);
  int highest = total(1);
  for (int i = 2; i <= count; ++i) {
    lowest = std::min(lowest, total(i));
    highest = std::max(highest, total(i));
  }
  const lay::ChartScale scale = lay::chart_scale(lowest, highest);
  const int zero = area.left + px(scale.zero_x());

  kit::SelectGuard font(dc, chart_font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, lay::kChartInk.colorref());
  for (int i = 1; i <= count; ++i) {
    const lay::ChartRow row = lay::chart_row(count, i - 1);
    const int top = area.top + px(row.top);
    const int bottom = area.top + px(row.top + row.height);
    if (i % 2 == 0) fill(dc, {area.left, top, area.right, bottom}, lay::kAlternateRowGround.colorref());
    const int label_left = area.left + px(lay::kChartPadding);
    const int label_right = area.left + px(lay::kChartPadding + lay::kChartLabelWidth);
    write(dc, alternative_label(i), {label_left, top, label_right, bottom}, DT_LEFT);

    // The zero line keeps its own column: a bar to the right starts after it.
    const int end = area.left + px(scale.x_of(total(i)));
    const int bar_top = area.top + px(row.bar_top);
    const int bar_bottom = area.top + px(row.bar_top + row.bar_height);
    const RECT bar = total(i) >= 0 ? RECT{zero + line, bar_top, end + line, bar_bottom}
                                   : RECT{end, bar_top, zero, bar_bottom};
    fill(dc, bar, colour_of(bar_rgb(bar_tone(explanation_, i))));
    const std::string number = std::to_string(total(i));
    if (total(i) >= 0) {
      const int left = end + line + px(lay::kChartValueGap);
      write(dc, number, {left, top, left + px(lay::kChartValueRoom), bottom}, DT_LEFT);
    } else {
      const int right = end - px(lay::kChartValueGap);
      write(dc, number, {right - px(lay::kChartValueRoom), top, right, bottom}, DT_RIGHT);
    }
  }
  const lay::ChartRow first = lay::chart_row(count, 0);
  const lay::ChartRow last = lay::chart_row(count, count - 1);
  fill(dc, {zero, area.top + px(first.top), zero + line, area.top + px(last.top + last.height)},
       lay::kZeroLine.colorref());
}

// ---- handlers ------------------------------------------------------------------------

bool RankingExplanationDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlID != IDC_EXPLANATION_CHART) return false;
      on_chart_drawn(*item);
      result = TRUE;
      return true;
    }
  }
  return kit::SkinnedDialog::on_message(message, wparam, lparam, result);
}

}  // namespace decision
