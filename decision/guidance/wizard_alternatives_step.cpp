// Page 2 of the decision wizard (see wizard_alternatives_step.h).
#include "guidance/wizard_alternatives_step.h"

#include <string>

#include "guidance/wizard_alternatives_step_layout.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "res/resource_ids.h"

namespace decision {

namespace lay = wizard_alternatives_step_layout;
using Form = TrapPanel::AlertForm;

namespace {

void invalidate(HWND window, const kit::PixelRect& r) {
  const RECT area{r.x, r.y, r.right(), r.bottom()};
  InvalidateRect(window, &area, FALSE);
}

}  // namespace

WizardAlternativesStep::WizardAlternativesStep(HINSTANCE module, Decision& decision, TrapPanel& traps)
    : WizardPage(module, decision, &traps, IDD_WIZARD_ALTERNATIVES, lay::kPictureFile, 2) {}

void WizardAlternativesStep::on_page_init() {
  kit::place_controls(hwnd(), lay::kPlacements);
  fill_count_list();
  for (int k = 1; k <= wizard_page_layout::kRowCount; ++k)
    ShowWindow(item(IDC_WIZARD_NAME_1 + k - 1), SW_HIDE);
  show_rows(1, decision().deci_count);
}

// "  2" .. "  9": two blanks before the digit.
void WizardAlternativesStep::fill_count_list() {
  HWND list = item(IDC_WIZARD_ALTERNATIVE_COUNT);
  kit::combo_clear(list);
  for (int n = kMinAlternatives; n <= kMaxAlternatives; ++n) kit::combo_add(list, "  " + std::to_string(n));
  kit::combo_select(list, decision().deci_count - kMinAlternatives);
}

// Shows rows first..last with their alternatives' names and hides the rows after last.
void WizardAlternativesStep::show_rows(int first, int last) {
  for (int k = first; k <= last; ++k) {
    HWND name = item(IDC_WIZARD_NAME_1 + k - 1);
    kit::set_window_text(name, decision().alternatives[k].deci_str);
    ShowWindow(name, SW_SHOWNA);
  }
  for (int k = last + 1; k <= wizard_page_layout::kRowCount; ++k)
    ShowWindow(item(IDC_WIZARD_NAME_1 + k - 1), SW_HIDE);
}

void WizardAlternativesStep::on_count_changed() {
  const int old_count = decision().deci_count;
  const int selection = kit::combo_selection(item(IDC_WIZARD_ALTERNATIVE_COUNT));
  const int new_count = (selection < 0 ? 0 : selection) + kMinAlternatives;
  decision().deci_count = new_count;
  alert_traps({6, 7, 10}, Form::Replace);
  if (new_count == old_count) return;
  if (new_count > old_count) {
    show_rows(old_count, new_count);
    // The rows come back from the page picture, and the blank band moves down under
    // them, its note on top again.
    invalidate(hwnd(), lay::kRows.blank_strip(old_count));
  } else {
    show_rows(1, new_count);
    invalidate(hwnd(), lay::kRows.blank_strip(new_count));
  }
}

// The name is never typed in the row itself: the focus goes on to Next and the small
// input box opens over the row.
void WizardAlternativesStep::on_name_focused(int row) {
  alert_traps({8}, Form::Replace);
  SetFocus(item(IDC_WIZARD_NEXT));
  std::string typed;
  if (!ask_text(IDC_WIZARD_NAME_1 + row - 1, decision().alternatives[row].deci_str, typed)) return;
  decision().alternatives[row].deci_str = typed;
  kit::set_dlg_item_text(hwnd(), IDC_WIZARD_NAME_1 + row - 1, typed);
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
