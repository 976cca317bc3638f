// Page 3 of the decision wizard (see wizard_results_step.h).
#include "decision/wizard/wizard_results_step.h"

#include <string>

#include "decision/wizard/wizard_results_step_layout.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_results_step_layout;
using Form = TrapPanel::AlertForm;

WizardResultsStep::WizardResultsStep(HINSTANCE module, Decision& decision, TrapPanel& traps,
                                     WizardMove entered_by)
    : WizardPage(module, decision, &traps, IDD_WIZARD_RESULTS, lay::kPictureFile, 3),
      alternative_(entered_by == WizardMove::Back ? decision.deci_count : 1) {}

bool WizardResultsStep::on_page_init() {
  kit::place_controls(hwnd(), lay::kPlacements);
  HWND list = item(IDC_WIZARD_RESULT_COUNT);
  for (int n = 1; n <= kMaxResults; ++n) kit::combo_add(list, "  " + std::to_string(n));
  show_alternative();
  return false;
}

void WizardResultsStep::show_alternative() {
  kit::set_dlg_item_text(hwnd(), IDC_WIZARD_ALTERNATIVE_NUMBER, std::to_string(alternative_));
  kit::set_dlg_item_text(hwnd(), IDC_WIZARD_ALTERNATIVE_NAME, current().deci_str);
  kit::combo_select(item(IDC_WIZARD_RESULT_COUNT), current().result_count - 1);
  show_rows(1, current().result_count);
  InvalidateRect(hwnd(), nullptr, FALSE);
  const bool first = alternative_ == 1;
  const bool last = alternative_ == decision().deci_count;
  show_back_pictures(first ? IDB_WIZARD_BACK_PAGE_HOVER : IDB_WIZARD_BACK_HOVER,
                     first ? IDB_WIZARD_BACK_PAGE : IDB_WIZARD_BACK);
  show_next_pictures(last ? IDB_WIZARD_NEXT_PAGE_HOVER : IDB_WIZARD_NEXT_HOVER,
                     last ? IDB_WIZARD_NEXT_PAGE : IDB_WIZARD_NEXT);
}

// Result rows first..last show their texts.
// The current alternative's result texts, row by row.
WizardPage::RowText WizardResultsStep::row_texts() {
  return [this](int k) -> const std::string& { return current().result_str[k]; };
}

void WizardResultsStep::show_rows(int first, int last) {
  show_text_rows(IDC_WIZARD_RESULT_1, first, last, row_texts());
}

void WizardResultsStep::on_count_changed() {
  const int old_count = current().result_count;
  const int selection = kit::combo_selection(item(IDC_WIZARD_RESULT_COUNT));
  const int new_count = (selection < 0 ? 0 : selection) + 1;
  current().result_count = new_count;
  alert_traps({1, 2, 6, 10}, Form::Replace);
  change_row_count(lay::kRows, IDC_WIZARD_RESULT_1, old_count, new_count, row_texts());
}

// The input box starts from the stored text, not from the row.
void WizardResultsStep::on_result_focused(int row) {
  alert_traps({8}, Form::Replace);
  edit_row_text(IDC_WIZARD_RESULT_1 + row - 1, current().result_str[row]);
}

void WizardResultsStep::on_next_clicked() {
  ++alternative_;
  alert_traps({1, 2, 6, 8, 10}, Form::Add);
  if (alternative_ > decision().deci_count) {
    alternative_ = decision().deci_count;
    leave(WizardMove::Next);
    return;
  }
  show_alternative();
}

void WizardResultsStep::on_back_clicked() {
  --alternative_;
  alert_traps({1, 2, 6, 8, 10}, Form::Add);
  if (alternative_ < 1) {
    alternative_ = 1;
    leave(WizardMove::Back);
    return;
  }
  show_alternative();
}

bool WizardResultsStep::on_page_command(int id, int code) {
  switch (id) {
    case IDC_WIZARD_RESULT_COUNT:
      if (code == CBN_SELCHANGE) on_count_changed();
      return true;
    case IDC_WIZARD_ALTERNATIVE_NAME:  // shown only: the focus moves on
      if (code == EN_SETFOCUS) SetFocus(item(IDC_WIZARD_ALTERNATIVE_NUMBER));
      return true;
    case IDC_WIZARD_ALTERNATIVE_NUMBER:
      return true;
  }
  if (id >= IDC_WIZARD_RESULT_1 && id <= IDC_WIZARD_RESULT_9) {
    if (code == EN_SETFOCUS) on_result_focused(id - IDC_WIZARD_RESULT_1 + 1);
    return true;
  }
  return false;
}

void WizardResultsStep::paint_page(HDC dc) {
  WizardPage::paint_page(dc);
  paint_blank_rows(dc, lay::kRows, current().result_count);
}

}  // namespace decision
