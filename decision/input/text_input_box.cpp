// The input boxes' shared behaviour: opening at the caller's point, the text box over
// its picture, save and don't-save.
#include "decision/input/text_input_box.h"

#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

static_assert(IDC_INPUT_BOX_CANCEL == IDCANCEL, "Esc and Alt+F4 must end the box as the don't-save button does");

namespace {
constexpr char kOkTip[] = "保存修改";
constexpr char kCancelTip[] = "不保存修改";
}  // namespace

INT_PTR TextInputBox::run(HWND owner) { return run_modal(module_, layout_.template_id, owner); }

// The box opens with its top-left corner at the caller's point, exactly the size of its
// picture, with the caret after the text and the text's end in view: nothing is
// selected, so a first key press adds to the text instead of replacing it.
bool TextInputBox::on_init_dialog() {
  kit::fit_client_area(hwnd(), layout_.width, layout_.height);
  kit::place_popup_at(hwnd(), POINT{x, y});
  kit::place_controls(hwnd(), layout_.placements);
  set_up_buttons();
  set_up_text_box();
  kit::focus_text_end(text_box_.hwnd());
  return false;  // the focus is set
}

void TextInputBox::set_up_buttons() {
  ok_button_.set_up(hwnd(), IDC_INPUT_BOX_OK,
                    {.place = layout_.ok_button,
                     .hover_picture = IDB_INPUT_BOX_OK_HOVER,
                     .normal_picture = IDB_INPUT_BOX_OK,
                     .key = layout_.button_key,
                     .tip = kOkTip});
  cancel_button_.set_up(hwnd(), IDC_INPUT_BOX_CANCEL,
                        {.place = layout_.cancel_button,
                         .hover_picture = IDB_INPUT_BOX_CANCEL_HOVER,
                         .normal_picture = IDB_INPUT_BOX_CANCEL,
                         .key = layout_.button_key,
                         .tip = kCancelTip});
}

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
  return kit::Dialog::on_command(id, code, control);  // don't-save, Esc, Alt+F4: IDCANCEL
}

bool TextInputBox::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      kit::paint_skin_background(hwnd(), layout_.background_file, layout_.width, layout_.height);
      return true;
  }
  return false;
}

}  // namespace decision
