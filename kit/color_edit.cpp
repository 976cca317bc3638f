// The coloured edit: its colour requests.
#include "kit/color_edit.h"

namespace kit {

void ColorEdit::set_edit_colors(int back_red, int back_green, int back_blue, int text_red, int text_green,
                                int text_blue) {
  back_red_ = back_red;
  back_green_ = back_green;
  back_blue_ = back_blue;
  text_red_ = text_red;
  text_green_ = text_green;
  text_blue_ = text_blue;
  colors_set_ = true;
  invalidate(true);
}

LRESULT ColorEdit::on_color_request(HDC dc) {
  const COLORREF back = RGB(back_red_, back_green_, back_blue_);
  SetBkMode(dc, TRANSPARENT);
  SetBkColor(dc, back);
  SetTextColor(dc, RGB(text_red_, text_green_, text_blue_));
  // A new brush at every request; the previous one goes first.
  back_brush_.reset();
  back_brush_.reset(CreateSolidBrush(back));
  return reinterpret_cast<LRESULT>(back_brush_.get());
}

bool ColorEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (scroll_bar_.route(message, wparam, lparam, result, [&] { return default_processing(message, wparam, lparam); }))
    return true;
  switch (message) {
    case reflected(WM_CTLCOLOREDIT):
    case reflected(WM_CTLCOLORSTATIC):
      if (!colors_set_) return false;  // the dialog's default: system colours
      result = on_color_request(reinterpret_cast<HDC>(wparam));
      return true;
  }
  return false;
}

}  // namespace kit
