// Page 2 of the decision wizard (see wizard_alternatives_step.h).
#include "decision/wizard/wizard_alternatives_step.h"

#include <string>

#include "decision/wizard/wizard_alternatives_step_layout.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_alternatives_step_layout;
using Form = TrapPanel::AlertForm;

WizardAlternativesStep::WizardAlternativesStep(HINSTANCE module, Decision& decision, TrapPanel& traps)
    : WizardPage(module, decision, &traps, IDD_WIZARD_ALTERNATIVES, lay::kPictureFile, 2) {}

bool WizardAlternativesStep::on_page_init() {
  kit::place_controls(hwnd(), lay::kPlacements);
  fill_count_list();
  for (int k = 1; k <= wizard_page_layout::kRowCount; ++k)
    ShowWindow(item(IDC_WIZARD_NAME_1 + k - 1), SW_HIDE);
  show_rows(1, decision().deci_count);
  return false;
}

// "  2" .. "  9": two blanks before the digit.
void WizardAlternativesStep::fill_count_list() {
  HWND list = item(IDC_WIZARD_ALTERNATIVE_COUNT);
  kit::combo_clear(list);
  for (int n = kMinAlternatives; n <= kMaxAlternatives; ++n) kit::combo_add(list, "  " + std::to_string(n));
  kit::combo_select(list, decision().deci_count - kMinAlternatives);
}

// Rows first..last show their alternatives' names.
// The alternatives' names, row by row.
WizardPage::RowText WizardAlternativesStep::row_texts() {
  return [this](int k) -> const std::string& { return decision().alternatives[k].deci_str; };
}

void WizardAlternativesStep::show_rows(int first, int last) {
  show_text_rows(IDC_WIZARD_NAME_1, first, last, row_texts());
}

void WizardAlternativesStep::on_count_changed() {
  const int old_count = decision().deci_count;
  const int selection = kit::combo_selection(item(IDC_WIZARD_ALTERNATIVE_COUNT));
  const int new_count = (selection < 0 ? 0 : selection) + kMinAlternatives;
  decision().deci_count = new_count;
  alert_traps({6, 7, 10}, Form::Replace);
  change_row_count(lay::kRows, IDC_WIZARD_NAME_1, old_count, new_count, row_texts());
}

void WizardAlternativesStep::on_name_focused(int row) {
  alert_traps({8}, Form::Replace);
  edit_row_text(IDC_WIZARD_NAME_1 + row - 1, decision().alternatives[row].deci_str);
}

bool WizardAlternativesStep::on_page_command(int id, int code) {
  if (id == IDC_WIZARD_ALTERNATIVE_COUNT) {
    if (code == CBN_SELCHANGE) on_count_changed();
    return true;
  }
  if (id >= IDC_WIZARD_NAME_1 && id <= IDC_WIZARD_NAME_9) {
    if (code == EN_SETFOCUS) on_name_focused(id - IDC_WIZARD_NAME_1 + 1);
    return true;
  }
  return false;
}

// The page picture, and the blank band over the rows not in use.
void WizardAlternativesStep::paint_page(HDC dc) {
  WizardPage::paint_page(dc);
  paint_blank_rows(dc, lay::kRows, decision().deci_count);
}

}  // namespace decision
