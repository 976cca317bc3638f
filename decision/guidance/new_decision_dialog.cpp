// The new-decision chooser (see new_decision_dialog.h).
#include "decision/guidance/new_decision_dialog.h"

#include <string>

#include "decision/guidance/new_decision_dialog_layout.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = new_decision_layout;

namespace {

constexpr COLORREF kButtonKey = lay::kButtonKey.colorref();

}  // namespace

NewDecisionDialog::NewDecisionDialog(HINSTANCE module) : kit::SkinnedDialog(module, lay::kFrame) {}

// The option pictures follow the mode (show_mode); the options start without any.
bool NewDecisionDialog::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  EnableWindow(item(IDC_WIZARD_OPTION), wizard_offered_);
  fill_count_list();
  mode_ = kStartBlank;
  count_ = 0;
  show_mode();
  return true;
}

void NewDecisionDialog::fill_count_list() {
  HWND list = item(IDC_ALTERNATIVE_COUNT);
  kit::combo_clear(list);
  for (int n = lay::kFewestAlternatives; n <= lay::kMostAlternatives; ++n) kit::combo_add(list, std::to_string(n));
  kit::combo_select(list, 0);
}

// The option pictures, the count list and the description band, all from mode_.
void NewDecisionDialog::show_mode() {
  auto show_option = [this](int id, bool selected) {
    const int picture = selected ? lay::kOptionOn.id : lay::kOptionOff.id;
    button(id)->load_state_images(static_cast<WORD>(picture), kButtonKey, 0, kButtonKey);
  };
  show_option(IDC_BLANK_OPTION, mode_ == kStartBlank);
  show_option(IDC_CASE_OPTION, mode_ == kStartFromCase);
  show_option(IDC_WIZARD_OPTION, mode_ == kStartWithWizard);
  ShowWindow(item(IDC_ALTERNATIVE_COUNT), mode_ == kStartBlank ? SW_SHOW : SW_HIDE);
  kit::invalidate_place(hwnd(), lay::kDescription);
}

void NewDecisionDialog::on_option_clicked(NewDecisionMode mode) {
  mode_ = mode;
  show_mode();
}

void NewDecisionDialog::on_ok_clicked() {
  count_ = 0;
  if (mode_ == kStartBlank) {
    const int selection = kit::combo_selection(item(IDC_ALTERNATIVE_COUNT));
    count_ = (selection < 0 ? 0 : selection) + lay::kFewestAlternatives;
  }
  end(IDOK);
}

bool NewDecisionDialog::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_BLANK_OPTION:
      on_option_clicked(kStartBlank);
      return true;
    case IDC_CASE_OPTION:
      on_option_clicked(kStartFromCase);
      return true;
    case IDC_WIZARD_OPTION:
      on_option_clicked(kStartWithWizard);
      return true;
  }
  return kit::SkinnedDialog::on_command(id, code, control);  // OK and Enter: on_ok_clicked
}

// The background, and over its band the picture of the way chosen; the wizard's
// description is the background's own band.
void NewDecisionDialog::on_paint() {
  kit::SkinPaint paint(hwnd());
  paint.draw_file(lay::kBackgroundFile, 0, 0, lay::kWidth, lay::kHeight);
  const char* description = mode_ == kStartBlank     ? lay::kBlankDescriptionFile
                            : mode_ == kStartFromCase ? lay::kCaseDescriptionFile
                                                      : nullptr;
  if (description)
    paint.draw_file(description, lay::kDescription.x, lay::kDescription.y, lay::kDescription.w, lay::kDescription.h);
}

}  // namespace decision
