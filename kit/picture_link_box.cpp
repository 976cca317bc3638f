#include "kit/picture_link_box.h"

#include "kit/geometry.h"
#include "kit/skin_background.h"

namespace kit {

bool PictureLinkBox::on_init_dialog() {
  fit_client_area(hwnd(), layout_.width, layout_.height);
  centre_over_owner(hwnd());
  place_controls(hwnd(), layout_.placements);
  link_.bind(hwnd(), layout_.link_id);
  link_.show_bitmap(layout_.link_bitmap);
  link_.set_link_target(layout_.address);
  link_.set_link_tip(layout_.address);
  return true;
}

bool PictureLinkBox::on_command(int id, int code, HWND control) {
  if (id == IDOK) {
    end(IDOK);
    return true;
  }
  return Dialog::on_command(id, code, control);
}

bool PictureLinkBox::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
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

void PictureLinkBox::on_paint() {
  paint_skin_background(hwnd(), layout_.background_file, layout_.width, layout_.height);
}

// Clicks on the link go to the link; one anywhere else closes the box.
void PictureLinkBox::on_background_clicked() { end(IDOK); }

}  // namespace kit
