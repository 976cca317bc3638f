// decision's About box: sized to its picture, centred over the window that opened it,
// with the web-address link on the place the picture frames for it.
#include "decision_about_dialog.h"

#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "res/resource_ids.h"
#include "about_dialog_layout.h"

namespace decision {

namespace lay = about_layout;

INT_PTR DecisionAboutDialog::run(HWND owner) { return run_modal(module_, IDD_DECISION_ABOUT, owner); }

HWND DecisionAboutDialog::create(HWND owner) { return create_modeless(module_, IDD_DECISION_ABOUT, owner); }

// The box has no caption to drag it by, so it opens in the middle of its owner.
bool DecisionAboutDialog::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::centre_over_owner(hwnd());
  kit::place_controls(hwnd(), lay::kPlacements);
  link_.bind(hwnd(), IDC_ABOUT_LINK);
  link_.show_bitmap(IDB_ABOUT_WEB_ADDRESS);
  link_.set_link_target(lay::kWebAddress);
  link_.set_link_tip(lay::kWebAddress);
  return true;
}

bool DecisionAboutDialog::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDOK:
    case IDCANCEL:
      end(id);
      return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool DecisionAboutDialog::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
    case WM_LBUTTONDOWN:
      on_background_clicked();
      return true;
  }
  return false;
}

void DecisionAboutDialog::on_paint() {
  kit::paint_skin_background(hwnd(), lay::kBackgroundFile, lay::kWidth, lay::kHeight);
}

// Clicks on the link go to the link; one anywhere else closes the box.
void DecisionAboutDialog::on_background_clicked() { end(IDOK); }

}  // namespace decision
