// What the small and the large input box share: a borderless box opened at a screen
// point, a picture-backed multi-line text box where Enter makes a new line, and a save
// and a don't-save button.  Save copies the typed text into `text`; don't-save, Esc and
// Alt+F4 end the box and leave `text` as the caller gave it.  Each box is its own
// class (SmallInputBox, BigInputBox) that gives its template and layout.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "kit/bitmap_edit.h"
#include "kit/dialog.h"
#include "kit/pixel_layout.h"
#include "kit/skin_button.h"

namespace decision {

// One box's template, picture and places, from its layout header.
struct InputBoxLayout {
  int template_id;
  const char* background_file;  // GBK, read from the working folder at every paint
  int width;
  int height;
  int text_id;
  int text_picture;  // bitmap resource under the text
  int text_margin;   // left and right, inside the picture's frame
  int text_top;      // from the picture's top edge to the first line
  kit::PixelRect ok_button;
  kit::PixelRect cancel_button;
  kit::PixelColor button_key;
  std::span<const kit::Placement> placements;
};

class TextInputBox : public kit::Dialog {
 public:
  // Screen position of the box's top-left corner, set by the opener.
  int x = 0;
  int y = 0;
  // In: the preset text; after IDOK: the text as typed (GBK, lines broken by CR LF).
  std::string text;

  // Runs the box modally over owner; returns IDOK (text taken) or IDCANCEL.
  INT_PTR run(HWND owner);

 protected:
  // module holds the template and the pictures (the program itself).
  TextInputBox(HINSTANCE module, const InputBoxLayout& layout) : module_(module), layout_(layout) {}

  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void set_up_buttons();
  void set_up_text_box();
  void on_ok_clicked();

  HINSTANCE module_;
  const InputBoxLayout& layout_;
  kit::BitmapEdit text_box_;
  kit::SkinButton ok_button_;
  kit::SkinButton cancel_button_;
};

}  // namespace decision
