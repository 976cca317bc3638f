// Page 1 of the decision wizard (see wizard_background_step.h).
#include "decision/wizard/wizard_background_step.h"

#include "decision/wizard/wizard_background_step_layout.h"
#include "kit/geometry.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_background_step_layout;

WizardBackgroundStep::WizardBackgroundStep(HINSTANCE module, Decision& decision)
    : WizardPage(module, decision, nullptr, IDD_WIZARD_BACKGROUND, lay::kPictureFile, 1) {}

bool WizardBackgroundStep::on_page_init() {
  kit::place_controls(hwnd(), lay::kPlacements);
  kit::set_dlg_item_text(hwnd(), IDC_WIZARD_BACKGROUND_TEXT, decision().background);
  // The caret after the text, nothing selected: a first key press adds to it.
  kit::focus_text_end(item(IDC_WIZARD_BACKGROUND_TEXT));
  return true;
}

void WizardBackgroundStep::on_next_clicked() {
  decision().background = kit::get_dlg_item_text(hwnd(), IDC_WIZARD_BACKGROUND_TEXT);
  leave(WizardMove::Next);
}

}  // namespace decision
