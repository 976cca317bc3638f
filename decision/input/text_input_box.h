// What the small and the large input box share: a borderless box opened at a screen
// point, a picture-backed multi-line text box where Enter makes a new line, and a save
// and a don't-save button.  Save copies the typed text into `text`; don't-save, Esc and
// Alt+F4 end the box and leave `text` as the caller gave it.  Each box is its own
// class (SmallInputBox, BigInputBox) that gives its template and layout.
#pragma once

#include <windows.h>

#include <string>

#include "kit/bitmap_edit.h"
#include "kit/pixel_layout.h"
#include "kit/skinned_dialog.h"

namespace decision {

// One box's frame (template, picture, places, save and don't-save buttons) and its text
// box, from its layout header.  The frame names no OK id: Enter belongs to the text.
struct InputBoxLayout {
  kit::SkinFrame frame;
  int text_id;
  int text_picture;  // bitmap resource under the text
  int text_margin;   // left and right, inside the picture's frame
  int text_top;      // from the picture's top edge to the first line
};

class TextInputBox : public kit::SkinnedDialog {
 public:
  // Screen position of the box's top-left corner, set by the opener.
  int x = 0;
  int y = 0;
  // In: the preset text; after IDOK: the text as typed (GBK, lines broken by CR LF).
  std::string text;

 protected:
  // module holds the template and the pictures (the program itself).
  TextInputBox(HINSTANCE module, const InputBoxLayout& layout)
      : kit::SkinnedDialog(module, layout.frame), layout_(layout) {}

  bool on_init_dialog() override;
  void lay_out_at_dpi() override;
  bool on_command(int id, int code, HWND control) override;
  // Opens at (x, y), not over the owner; a press on the background does not drag.
  void place_window() override;
  void on_background_pressed(LPARAM) override {}
  void on_ok_clicked() override;

 private:
  void set_up_text_box();

  const InputBoxLayout& layout_;
  kit::BitmapEdit text_box_;
};

}  // namespace decision
