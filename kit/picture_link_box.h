// A box that is a picture with one link on it (an About box): sized to its picture,
// opened in the middle of its owner (it has no caption to drag it by), the link
// showing its own bitmap at the place the picture frames for it.  A click on the link
// opens the address and leaves the box open; a click anywhere else closes it with IDOK,
// Escape with IDCANCEL.
#pragma once

#include <windows.h>

#include <span>

#include "kit/dialog.h"
#include "kit/hyperlink_static.h"
#include "kit/pixel_layout.h"

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

class PictureLinkBox : public Dialog {
 public:
  // module holds the template and the link's picture (the program itself).
  PictureLinkBox(HINSTANCE module, const PictureLinkBoxLayout& layout) : module_(module), layout_(layout) {}

  // Runs the box modally over owner; returns IDOK when closed by a click.
  INT_PTR run(HWND owner) { return run_modal(module_, layout_.template_id, owner); }
  // Creates the box modeless (hidden until shown).
  HWND create(HWND owner) { return create_modeless(module_, layout_.template_id, owner); }

  const HyperlinkStatic& link() const { return link_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void on_paint();
  void on_background_clicked();

  HINSTANCE module_;
  PictureLinkBoxLayout layout_;
  HyperlinkStatic link_;
};

}  // namespace kit
