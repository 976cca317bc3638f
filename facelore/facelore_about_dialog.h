// The About box of facelore: the picture "about.ggr" with the maker's web address as a
// link on it.  A click anywhere the link does not take closes it.
#pragma once

#include <windows.h>

#include "kit/dialog.h"
#include "kit/hyperlink_static.h"

namespace facelore {

class FaceloreAboutDialog : public kit::Dialog {
 public:
  // module holds the template and the link's picture (the program itself).
  explicit FaceloreAboutDialog(HINSTANCE module) : module_(module) {}

  // Runs the box modally over owner; returns IDOK when closed by a click.
  INT_PTR run(HWND owner);
  // Creates the box modeless (hidden until shown).
  HWND create(HWND owner);

  const kit::HyperlinkStatic& link() const { return link_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  HINSTANCE module_;
  kit::HyperlinkStatic link_;
};

}  // namespace facelore
