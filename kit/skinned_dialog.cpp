// The frame of a skinned box (see skinned_dialog.h).
#include "kit/skinned_dialog.h"

#include "kit/geometry.h"
#include "kit/skin_background.h"

namespace kit {

SkinnedDialog::SkinnedDialog(HINSTANCE module, const SkinFrame& frame)
    : module_(module), frame_(frame), buttons_(std::make_unique<SkinButton[]>(frame.buttons.size())) {}

HWND SkinnedDialog::create(HWND owner) {
  HWND window = create_modeless(module_, frame_.template_id, owner);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

SkinButton* SkinnedDialog::button(int id) {
  for (std::size_t i = 0; i < frame_.buttons.size(); ++i)
    if (frame_.buttons[i].id == id) return &buttons_[i];
  return nullptr;
}

bool SkinnedDialog::on_init_dialog() {
  fit_client_area(hwnd(), frame_.width, frame_.height);
  place_window();
  place_controls(hwnd(), frame_.placements);
  // A template may lack a button of the table (a first page without Back): it stays unbound.
  for (std::size_t i = 0; i < frame_.buttons.size(); ++i) set_up_skin_button(hwnd(), buttons_[i], frame_.buttons[i]);
  return true;
}

void SkinnedDialog::lay_out_at_dpi() {
  fit_client_area(hwnd(), frame_.width, frame_.height);
  place_controls(hwnd(), frame_.placements);
  for (std::size_t i = 0; i < frame_.buttons.size(); ++i)
    if (buttons_[i].hwnd()) buttons_[i].lay_out();
}

void SkinnedDialog::place_window() { centre_over_owner(hwnd()); }

void SkinnedDialog::on_paint() { paint_skin_background(hwnd(), frame_.background_file, frame_.width, frame_.height); }

void SkinnedDialog::on_background_pressed(LPARAM press_point) { drag_by_background(hwnd(), press_point); }

bool SkinnedDialog::on_command(int id, int code, HWND control) {
  if (frame_.ok_id != 0 && (id == frame_.ok_id || id == IDOK)) {  // IDOK: Enter
    on_ok_clicked();
    return true;
  }
  if (frame_.close_id != 0 && id == frame_.close_id) {
    on_close_clicked();
    return true;
  }
  return Dialog::on_command(id, code, control);
}

bool SkinnedDialog::on_message(UINT message, WPARAM, LPARAM lparam, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
    case WM_LBUTTONDOWN:
      on_background_pressed(lparam);
      return true;
  }
  return false;
}

}  // namespace kit
