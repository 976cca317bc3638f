// The trap dialog: explains one decision trap, its question line in the heading box
// and the explanation in the body box, both read-only over their pictures.  OK, the
// close button and Esc close it; it drags by its background.
#pragma once

#include <windows.h>

#include <string>

#include "kit/bitmap_edit.h"
#include "kit/handles.h"
#include "kit/skinned_dialog.h"

namespace decision {

class TrapDialog : public kit::SkinnedDialog {
 public:
  // module holds the template and the pictures; heading and body are GBK.
  TrapDialog(HINSTANCE module, std::string heading, std::string body);

  // run(owner) runs it modally, centred over owner; it returns IDOK (or IDCANCEL for Esc).

 protected:
  bool on_init_dialog() override;
  void lay_out_at_dpi() override;

 private:
  void set_up_heading();
  void set_up_body();

  std::string heading_;
  std::string body_;
  kit::BitmapEdit heading_box_;
  kit::BitmapEdit body_box_;
  kit::UniqueFont heading_font_;
  kit::UniqueFont body_font_;
};

}  // namespace decision
