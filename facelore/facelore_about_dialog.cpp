#include "facelore_about_dialog.h"

#include "kit/skin_background.h"
#include "layout.h"
#include "res/resource_ids.h"
#include "window_geometry.h"

namespace facelore {

FaceloreAboutDialog::~FaceloreAboutDialog() {
  if (hwnd() && !is_modal()) DestroyWindow(hwnd());
}

INT_PTR FaceloreAboutDialog::run(HWND owner) { return run_modal(module_, IDD_FACELORE_ABOUT, owner); }

HWND FaceloreAboutDialog::create(HWND owner) { return create_modeless(module_, IDD_FACELORE_ABOUT, owner); }

bool FaceloreAboutDialog::on_init_dialog() {
  fit_client_area(hwnd(), layout::kAboutWidth, layout::kAboutHeight);
  centre_over_owner();
  link_.bind(hwnd(), IDC_WEB_LINK);
  move_control(hwnd(), IDC_WEB_LINK, layout::kAboutLink);
  link_.show_bitmap(IDB_WEB_ADDRESS);
  link_.set_link_target(layout::kMakerWebAddress);
  link_.set_link_tip(layout::kMakerWebAddress);
  return true;
}

// The box has no caption to drag it by, so it opens in the middle of the window that
// opened it.
void FaceloreAboutDialog::centre_over_owner() {
  HWND owner = GetWindow(hwnd(), GW_OWNER);
  if (!owner || IsIconic(owner)) return;
  RECT outer{};
  RECT box{};
  GetWindowRect(owner, &outer);
  GetWindowRect(hwnd(), &box);
  const int x = outer.left + ((outer.right - outer.left) - (box.right - box.left)) / 2;
  const int y = outer.top + ((outer.bottom - outer.top) - (box.bottom - box.top)) / 2;
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FaceloreAboutDialog::on_command(int id, int code, HWND control) {
  if (id == IDOK) {
    end(IDOK);
    return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool FaceloreAboutDialog::on_message(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      kit::paint_skin_background(hwnd(), layout::kAboutFile, layout::kAboutWidth, layout::kAboutHeight);
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      // Clicks on the link go to the link; a click anywhere else confirms the box.
      end(IDOK);
      result = TRUE;
      return true;
  }
  return false;
}

}  // namespace facelore
