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

INT_PTR NewDecisionDialog::run(HWND owner) { return run_modal(module_, IDD_NEW_DECISION, owner); }

HWND NewDecisionDialog::create(HWND owner) {
  HWND window = create_modeless(module_, IDD_NEW_DECISION, owner);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

// The chooser has no caption: it opens over the middle of its owner and drags by its
// background.
bool NewDecisionDialog::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::centre_over_owner(hwnd());
  kit::place_controls(hwnd(), lay::kPlacements);
  set_up_buttons();
  fill_count_list();
  mode_ = kStartBlank;
  count_ = 0;
  show_mode();
  return true;
}

void NewDecisionDialog::set_up_buttons() {
  // The option pictures follow the mode (show_mode); they start without any.
  blank_option_.set_up(hwnd(), IDC_BLANK_OPTION, {.place = lay::kBlankOption});
  case_option_.set_up(hwnd(), IDC_CASE_OPTION, {.place = lay::kCaseOption});
  wizard_option_.set_up(hwnd(), IDC_WIZARD_OPTION, {.place = lay::kWizardOption});
  EnableWindow(wizard_option_.hwnd(), wizard_offered_);
  ok_button_.set_up(hwnd(), IDC_NEW_DECISION_OK,
                    {.place = lay::kOkButton, .hover_picture = IDB_OK_HOVER, .normal_picture = IDB_OK_NORMAL,
                     .key = lay::kButtonKey});
  cancel_button_.set_up(hwnd(), IDC_NEW_DECISION_CANCEL,
                        {.place = lay::kCancelButton, .hover_picture = IDB_CANCEL_HOVER,
                         .normal_picture = IDB_CANCEL_NORMAL, .key = lay::kButtonKey});
}

void NewDecisionDialog::fill_count_list() {
  HWND list = item(IDC_ALTERNATIVE_COUNT);
  kit::combo_clear(list);
  for (int n = lay::kFewestAlternatives; n <= lay::kMostAlternatives; ++n) kit::combo_add(list, std::to_string(n));
  kit::combo_select(list, 0);
}

// The option pictures, the count list and the description band, all from mode_.
void NewDecisionDialog::show_mode() {
  auto show_option = [](kit::SkinButton& option, bool selected) {
    const WORD picture = selected ? IDB_OPTION_ON : IDB_OPTION_OFF;
    option.load_state_images(picture, kButtonKey, 0, kButtonKey);
  };
  show_option(blank_option_, mode_ == kStartBlank);
  show_option(case_option_, mode_ == kStartFromCase);
  show_option(wizard_option_, mode_ == kStartWithWizard);
  ShowWindow(item(IDC_ALTERNATIVE_COUNT), mode_ == kStartBlank ? SW_SHOW : SW_HIDE);
  const RECT band{lay::kDescription.x, lay::kDescription.y, lay::kDescription.right(), lay::kDescription.bottom()};
  InvalidateRect(hwnd(), &band, FALSE);
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
    case IDC_NEW_DECISION_OK:
    case IDOK:  // Enter
      on_ok_clicked();
      return true;
  }
  return kit::Dialog::on_command(id, code, control);
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

bool NewDecisionDialog::on_message(UINT message, WPARAM, LPARAM lparam, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
    case WM_LBUTTONDOWN:
      kit::drag_by_background(hwnd(), lparam);
      return true;
  }
  return false;
}

}  // namespace decision
