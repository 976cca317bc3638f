// decision's About box: the picture "关于框.bmp" with the product's web address on it as
// a link.  A click on the link opens the address and leaves the box open; a click
// anywhere else on the box closes it.
#pragma once

#include <windows.h>

#include "kit/dialog.h"
#include "kit/hyperlink_static.h"

namespace decision {

class DecisionAboutDialog : public kit::Dialog {
 public:
  // module holds the template and the link's picture (the program itself).
  explicit DecisionAboutDialog(HINSTANCE module) : module_(module) {}

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
  void on_paint();
  void on_background_clicked();

  HINSTANCE module_;
  kit::HyperlinkStatic link_;
};

}  // namespace decision
