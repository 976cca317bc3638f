// The input boxes' shared behaviour: opening at the caller's point, the text box over
// its picture, save and don't-save.
#include "decision/input/text_input_box.h"

#include "kit/geometry.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

static_assert(IDC_INPUT_BOX_CANCEL == IDCANCEL, "Esc and Alt+F4 must end the box as the don't-save button does");

// The box opens with its top-left corner at the caller's point, exactly the size of its
// picture, with the caret after the text and the text's end in view: nothing is
// selected, so a first key press adds to the text instead of replacing it.
bool TextInputBox::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  set_up_text_box();
  kit::focus_text_end(text_box_.hwnd());
  return false;  // the focus is set
}

void TextInputBox::lay_out_at_dpi() {
  kit::SkinnedDialog::lay_out_at_dpi();
  text_box_.lay_out();
}

void TextInputBox::place_window() { kit::place_popup_at(hwnd(), POINT{x, y}); }

// The text keeps clear of the frame the picture draws along its edges; a text longer
// than the box shows a slim scroll bar inside that frame, so the writer sees that more
// follows.  The box repaints its picture whenever the text scrolls (BitmapEdit).
void TextInputBox::set_up_text_box() {
  text_box_.bind(hwnd(), layout_.text_id);
  text_box_.set_edit_background(layout_.text_picture);
  text_box_.inset_text(layout_.text_margin, layout_.text_top);
  text_box_.show_scroll_bar_when_needed();
  kit::set_window_text(text_box_.hwnd(), text);
}

void TextInputBox::on_ok_clicked() {
  text = kit::get_window_text(text_box_.hwnd());
  end(IDOK);
}

bool TextInputBox::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_INPUT_BOX_OK:
      on_ok_clicked();
      return true;
  }
  return kit::SkinnedDialog::on_command(id, code, control);  // don't-save, Esc, Alt+F4: IDCANCEL
}

}  // namespace decision
