// Page 4 of the decision wizard (see wizard_rating_step.h).
#include "decision/wizard/wizard_rating_step.h"

#include <string>

#include "decision/input/value_picker_layout.h"
#include "decision/wizard/wizard_rating_step_layout.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_rating_step_layout;
using Form = TrapPanel::AlertForm;

namespace {

int next_method(int method) { return method >= ByEvaluation && method < ByUtility ? method + 1 : ByEvaluation; }

}  // namespace

WizardRatingStep::WizardRatingStep(HINSTANCE module, Decision& decision, TrapPanel& traps, WizardMove entered_by)
    : WizardPage(module, decision, &traps, IDD_WIZARD_RATING, lay::kPictureFile, 4),
      alternative_(entered_by == WizardMove::Back ? decision.deci_count : 1),
      result_(entered_by == WizardMove::Back ? decision.alternatives[alternative_].result_count : 1) {}

bool WizardRatingStep::on_page_init() {
  kit::place_controls(hwnd(), lay::kPlacements);
  probability_bar_.bind(hwnd(), IDC_RATING_PROBABILITY_0, lay::kProbabilityBar,
                        scale_bar_layout::kProbabilityColours);
  value_bar_.bind(hwnd(), IDC_RATING_VALUE_0, lay::kValueBar, scale_bar_layout::kValueColours);
  method_switch_.set_up(hwnd(), IDC_RATING_METHOD, {.place = lay::kMethodSwitch});
  show_method_switch();
  show_pair();
  return false;
}

bool WizardRatingStep::at_last_pair() {
  return alternative_ == decision().deci_count && result_ == current().result_count;
}

void WizardRatingStep::show_pair() {
  kit::set_dlg_item_text(hwnd(), IDC_RATING_ALTERNATIVE_NUMBER, std::to_string(alternative_));
  kit::set_dlg_item_text(hwnd(), IDC_WIZARD_ALTERNATIVE_NAME, current().deci_str);
  kit::set_dlg_item_text(hwnd(), IDC_RATING_RESULT_NUMBER, std::to_string(result_));
  kit::set_dlg_item_text(hwnd(), IDC_RATING_RESULT_TEXT, current().result_str[result_]);
  alert_traps({1, 2, 3, 4, 5, 9}, Form::Add);
  show_probability();
  show_value();
  show_back_pictures(at_first_pair() ? IDB_WIZARD_BACK_PAGE_HOVER : IDB_WIZARD_BACK_HOVER,
                     at_first_pair() ? IDB_WIZARD_BACK_PAGE : IDB_WIZARD_BACK);
  show_next_pictures(at_last_pair() ? IDB_WIZARD_FINISH_HOVER : IDB_WIZARD_NEXT_HOVER,
                     at_last_pair() ? IDB_WIZARD_FINISH : IDB_WIZARD_NEXT);
}

void WizardRatingStep::show_probability() {
  probability_bar_.show(current().result_prob[result_]);
  kit::set_dlg_item_text(hwnd(), IDC_RATING_PROBABILITY_NUMBER, std::to_string(current().result_prob[result_]));
}

void WizardRatingStep::show_value() {
  value_bar_.show(current().result_value[result_] + scale_bar_layout::kValueOffset);
  kit::set_dlg_item_text(hwnd(), IDC_RATING_VALUE_NUMBER, std::to_string(current().result_value[result_]));
}

void WizardRatingStep::on_probability_clicked(int position) {
  alert_traps({1, 2, 3, 4, 5}, Form::Replace);
  current().result_prob[result_] = position;
  show_probability();
}

void WizardRatingStep::on_value_clicked(int position) {
  alert_traps({2, 3, 5, 9}, Form::Replace);
  current().result_value[result_] = position - scale_bar_layout::kValueOffset;
  show_value();
}

void WizardRatingStep::show_method_switch() {
  const value_picker_layout::MethodPictures& pictures = value_picker_layout::method_pictures(decision().base_of);
  const COLORREF key = value_picker_layout::kMethodSwitchKey.colorref();
  method_switch_.load_state_images(static_cast<WORD>(pictures.switch_hover), key,
                                   static_cast<WORD>(pictures.switch_normal), key);
  method_switch_.set_name(pictures.name);
}

void WizardRatingStep::on_method_clicked() {
  decision().base_of = next_method(decision().base_of);
  show_method_switch();
  kit::invalidate_place(hwnd(), lay::kMethodBand);
}

// Pairs run alternative by alternative and, within one, result by result.
void WizardRatingStep::on_next_clicked() {
  if (at_last_pair()) {
    leave(WizardMove::Next);
    return;
  }
  if (result_ < current().result_count) {
    ++result_;
  } else {
    ++alternative_;
    result_ = 1;
  }
  show_pair();
}

void WizardRatingStep::on_back_clicked() {
  if (at_first_pair()) {
    leave(WizardMove::Back);
    return;
  }
  if (result_ > 1) {
    --result_;
  } else {
    --alternative_;
    result_ = current().result_count;
  }
  show_pair();
}

bool WizardRatingStep::on_page_command(int id, int code) {
  if (const int position = probability_bar_.position_of(id); position >= 0) {
    if (code == BN_CLICKED) on_probability_clicked(position);
    return true;
  }
  if (const int position = value_bar_.position_of(id); position >= 0) {
    if (code == BN_CLICKED) on_value_clicked(position);
    return true;
  }
  switch (id) {
    case IDC_RATING_METHOD:
      if (code == BN_CLICKED) on_method_clicked();
      return true;
    case IDC_WIZARD_ALTERNATIVE_NAME:  // shown only: the focus moves on
      if (code == EN_SETFOCUS) SetFocus(item(IDC_RATING_ALTERNATIVE_NUMBER));
      return true;
    case IDC_RATING_RESULT_TEXT:
      if (code == EN_SETFOCUS) SetFocus(item(IDC_RATING_RESULT_NUMBER));
      return true;
  }
  return false;
}

// The page picture, then the band of the method's picture: its part at
// (kMethodPictureX, kMethodPictureY), clipped to the band.
void WizardRatingStep::paint_page(HDC dc) {
  WizardPage::paint_page(dc);
  const kit::PixelRect& band = lay::kMethodBand;
  const int dpi = kit::window_dpi(hwnd());
  const kit::PixelRect clip = kit::scale_rect(band, dpi);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.x, clip.y, clip.right(), clip.bottom());
  kit::draw_picture_file(dc, value_picker_layout::method_pictures(decision().base_of).background_file,
                         band.x - lay::kMethodPictureX, band.y - lay::kMethodPictureY,
                         band.w + lay::kMethodPictureX, band.h + lay::kMethodPictureY, dpi);
  RestoreDC(dc, saved);
}

}  // namespace decision
