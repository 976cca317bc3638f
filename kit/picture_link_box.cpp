// The About box's frame and link (see picture_link_box.h).
#include "kit/picture_link_box.h"

#include "kit/geometry.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

// The box's frame: no buttons, and OK (Enter) its only command of its own.
SkinFrame frame_of(const PictureLinkBoxLayout& layout) {
  return {.template_id = layout.template_id,
          .background_file = layout.background_file,
          .width = layout.width,
          .height = layout.height,
          .placements = layout.placements,
          .ok_id = IDOK};
}

}  // namespace

PictureLinkBox::PictureLinkBox(HINSTANCE module, const PictureLinkBoxLayout& layout)
    : SkinnedDialog(module, frame_of(layout)), layout_(layout) {}

bool PictureLinkBox::on_init_dialog() {
  SkinnedDialog::on_init_dialog();
  link_.bind(hwnd(), layout_.link_id);
  show_link_picture();
  set_control_name(link_.hwnd(), layout_.address);
  link_.set_link_target(layout_.address);
  link_.set_link_tip(layout_.address);
  return true;
}

void PictureLinkBox::lay_out_at_dpi() {
  SkinnedDialog::lay_out_at_dpi();
  show_link_picture();
}

// The static takes its picture's size, and a picture scaled whole can be a pixel wider
// or taller than its place scaled by its edges: the link goes back on its place.
void PictureLinkBox::show_link_picture() {
  link_.show_bitmap(layout_.link_bitmap);
  place_controls(hwnd(), layout_.placements);
}

// Clicks on the link go to the link; one anywhere else closes the box.
void PictureLinkBox::on_background_pressed(LPARAM) { end(IDOK); }

}  // namespace kit
