// The picture-backed edit: its background, colours and repaints.
#include "kit/bitmap_edit.h"

#include "kit/dpi.h"
#include "kit/scaled_picture.h"

namespace kit {

namespace {
constexpr COLORREF kTextColor = RGB(0, 0, 0);
}

void BitmapEdit::set_edit_background(int bitmap_id) {
  background_id_ = bitmap_id;
  background_ = load_scaled_picture(GetModuleHandleW(nullptr), bitmap_id, window_dpi(hwnd()));
  invalidate(true);
}

LRESULT BitmapEdit::on_color_request(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColor);
  return reinterpret_cast<LRESULT>(clear_brush_);
}

void BitmapEdit::on_erase_background(HDC dc) {
  if (!background_) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return;
  }
  BITMAP info{};
  GetObjectW(background_.get(), sizeof(info), &info);
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectGuard selected(memory.get(), background_.get());
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

bool BitmapEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (scroll_bar_.route(message, wparam, lparam, result, [&] { return default_processing(message, wparam, lparam); }))
    return true;
  switch (message) {
    case reflected(WM_CTLCOLOREDIT):
    case reflected(WM_CTLCOLORSTATIC):
      result = on_color_request(reinterpret_cast<HDC>(wparam));
      return true;
    case WM_ERASEBKGND:
      on_erase_background(reinterpret_cast<HDC>(wparam));
      result = TRUE;
      return true;
    case WM_LBUTTONUP:
      invalidate(true);
      return false;  // then the edit's own processing
    case reflected(WM_COMMAND):
      // Every change repaints the picture and the whole text; so does scrolling, which
      // would otherwise move the picture along with the text.  The dialog still hears
      // of it.
      switch (HIWORD(wparam)) {
        case EN_CHANGE:
        case EN_VSCROLL:
        case EN_HSCROLL:
          invalidate(true);
      }
      return false;
  }
  return false;
}

void BitmapEdit::inset_text(int side_margin, int top) {
  text_place_ = TextPlace::Inset;
  text_x_ = side_margin;
  text_y_ = top;
  RECT lines{};
  GetClientRect(hwnd(), &lines);
  const int dpi = window_dpi(hwnd());
  lines.top += scale_length(top, dpi);
  side_margin = scale_length(side_margin, dpi);
  SendMessageW(hwnd(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&lines));
  SendMessageW(hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(side_margin, side_margin));
}

void BitmapEdit::set_text_lines(int left, int line_y, int line, int pitch) {
  text_place_ = TextPlace::Lines;
  text_x_ = left;
  text_y_ = line_y;
  text_line_ = line;
  text_pitch_ = pitch;
  RECT lines{};
  GetClientRect(hwnd(), &lines);
  const int dpi = window_dpi(hwnd());
  lines.left = scale_length(left, dpi);
  lines.top = scale_length(line_y, dpi) - line * scale_length(pitch, dpi);
  SendMessageW(hwnd(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&lines));
}

void BitmapEdit::lay_out() {
  if (background_id_ != 0) set_edit_background(background_id_);
  if (text_place_ == TextPlace::Inset) inset_text(text_x_, text_y_);
  if (text_place_ == TextPlace::Lines) set_text_lines(text_x_, text_y_, text_line_, text_pitch_);
  scroll_bar_.lay_out();
}

}  // namespace kit
