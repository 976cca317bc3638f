// A box that is a picture with one link on it (an About box): a skinned box without
// buttons, the link showing its own bitmap at the place the picture frames for it.  A
// click on the link opens the address and leaves the box open; a click anywhere else
// (instead of dragging the box) and Enter close it with IDOK, Escape with IDCANCEL.
#pragma once

#include <windows.h>

#include <span>

#include "kit/hyperlink_static.h"
#include "kit/pixel_layout.h"
#include "kit/skinned_dialog.h"

namespace kit {

// One box's template, picture and link, from its layout header and resource ids.
struct PictureLinkBoxLayout {
  int template_id;
  const char* background_file;  // GBK, read from the working folder at every paint
  int width;
  int height;
  std::span<const Placement> placements;
  int link_id;
  int link_bitmap;
  const char* address;  // the link's target and tip
};

class PictureLinkBox : public SkinnedDialog {
 public:
  // module holds the template and the link's picture (the program itself).
  PictureLinkBox(HINSTANCE module, const PictureLinkBoxLayout& layout);

  // Creates the box modeless (hidden until shown).
  HWND create(HWND owner) { return create_modeless(module(), frame().template_id, owner); }

  const HyperlinkStatic& link() const { return link_; }

 protected:
  bool on_init_dialog() override;
  void on_background_pressed(LPARAM press_point) override;
  // At a new DPI the link's picture is loaded again for it.
  void lay_out_at_dpi() override;

 private:
  void show_link_picture();

  PictureLinkBoxLayout layout_;
  HyperlinkStatic link_;
};

}  // namespace kit
