// The trap dialog: explains one decision trap, its question line in the heading box
// and the explanation in the body box, both read-only over their pictures.  OK, the
// close button and Esc close it; it drags by its background.
#pragma once

#include <windows.h>

#include <string>

#include "kit/bitmap_edit.h"
#include "kit/dialog.h"
#include "kit/handles.h"
#include "kit/skin_button.h"

namespace decision {

class TrapDialog : public kit::Dialog {
 public:
  // module holds the template and the pictures; heading and body are GBK.
  TrapDialog(HINSTANCE module, std::string heading, std::string body);

  // Runs the dialog modally over owner, centred over it; returns IDOK (or IDCANCEL for
  // Esc).
  INT_PTR run(HWND owner);

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void set_up_buttons();
  void set_up_heading();
  void set_up_body();
  void on_ok_clicked();

  HINSTANCE module_;
  std::string heading_;
  std::string body_;
  kit::BitmapEdit heading_box_;
  kit::BitmapEdit body_box_;
  kit::SkinButton ok_button_;
  kit::SkinButton close_button_;
  kit::UniqueFont heading_font_;
  kit::UniqueFont body_font_;
};

}  // namespace decision
