#include "facelore_about_dialog.h"

#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "layout.h"
#include "res/resource_ids.h"

namespace facelore {

INT_PTR FaceloreAboutDialog::run(HWND owner) { return run_modal(module_, IDD_FACELORE_ABOUT, owner); }

HWND FaceloreAboutDialog::create(HWND owner) { return create_modeless(module_, IDD_FACELORE_ABOUT, owner); }

// The box has no caption to drag it by, so it opens in the middle of the window that
// opened it.
bool FaceloreAboutDialog::on_init_dialog() {
  kit::fit_client_area(hwnd(), layout::kAboutWidth, layout::kAboutHeight);
  kit::centre_over_owner(hwnd());
  kit::place_controls(hwnd(), layout::kAboutPlacements);
  link_.bind(hwnd(), IDC_WEB_LINK);
  link_.show_bitmap(IDB_WEB_ADDRESS);
  link_.set_link_target(layout::kMakerWebAddress);
  link_.set_link_tip(layout::kMakerWebAddress);
  return true;
}

bool FaceloreAboutDialog::on_command(int id, int code, HWND control) {
  if (id == IDOK) {
    end(IDOK);
    return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool FaceloreAboutDialog::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      kit::paint_skin_background(hwnd(), layout::kAboutFile, layout::kAboutWidth, layout::kAboutHeight);
      return true;
    case WM_LBUTTONDOWN:
      // Clicks on the link go to the link; a click anywhere else confirms the box.
      end(IDOK);
      return true;
  }
  return false;
}

}  // namespace facelore
