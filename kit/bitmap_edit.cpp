// The picture-backed edit: its background, colours and repaints.
#include "kit/bitmap_edit.h"

#include "kit/dpi.h"
#include "kit/scaled_picture.h"

namespace kit {

namespace {
constexpr COLORREF kTextColor = RGB(0, 0, 0);

// Messages after which the box shows what it showed before: questions, and the paint
// itself.  Any other message may change the text, its place, the selection or the look.
bool keeps_painted_look(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_PRINTCLIENT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_GETOBJECT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_QUERYUISTATE:
    case WM_WINDOWPOSCHANGING:
    case WM_MOVE:
    case EM_GETLINECOUNT:
    case EM_GETFIRSTVISIBLELINE:
    case EM_GETRECT:
    case EM_GETMARGINS:
    case EM_GETSEL:
    case EM_GETLINE:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
    case EM_GETMODIFY:
    case EM_GETLIMITTEXT:
    case reflected(WM_CTLCOLOREDIT):
    case reflected(WM_CTLCOLORSTATIC):
      return true;
    case WM_MOUSEMOVE:  // a move with a button down may change the selection
      return (wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0;
  }
  return false;
}

}  // namespace

void BitmapEdit::set_edit_background(int bitmap_id) {
  background_id_ = bitmap_id;
  cache_valid_ = false;
  background_.reset();
  background_loaded_ = false;
  invalidate(true);
}

HBITMAP BitmapEdit::background() const {
  if (!background_loaded_) {
    background_ = load_scaled_picture(GetModuleHandleW(nullptr), background_id_, window_dpi(hwnd()));
    background_loaded_ = true;
  }
  return background_.get();
}

LRESULT BitmapEdit::on_color_request(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColor);
  return reinterpret_cast<LRESULT>(clear_brush_);
}

void BitmapEdit::on_erase_background(HDC dc) {
  if (painting_from_cache_) return;  // the kept look covers the whole box
  HBITMAP picture = background();
  if (!picture) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return;
  }
  BITMAP info{};
  GetObjectW(picture, sizeof(info), &info);
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectGuard selected(memory.get(), picture);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

// An unfocused read-only box has no caret and no typing to follow: its look is painted
// once into a bitmap and blitted until a message that may change it.  The scroll bar is
// drawn over it afresh.
bool BitmapEdit::paint_from_cache() {
  if (GetFocus() == hwnd() || (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_READONLY) == 0) return false;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const SIZE size{client.right, client.bottom};
  if (size.cx <= 0 || size.cy <= 0) return false;
  if (!cache_valid_ || size.cx != cache_size_.cx || size.cy != cache_size_.cy) {
    if (!cache_dc_ || size.cx != cache_size_.cx || size.cy != cache_size_.cy) {
      drop_paint_cache();
      WindowDc screen(hwnd());
      UniqueMemoryDc cache_dc(CreateCompatibleDC(screen.get()));
      UniqueBitmap cache_bitmap(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
      if (!cache_dc || !cache_bitmap) return false;
      cache_displaced_ = SelectObject(cache_dc.get(), cache_bitmap.get());
      cache_dc_ = std::move(cache_dc);
      cache_bitmap_ = std::move(cache_bitmap);
    }
    on_erase_background(cache_dc_.get());
    // The edit leaves its text rectangle as the clip region of the DC it paints on; the
    // kept DC would then miss the picture's edges at the next erase.
    const int saved = SaveDC(cache_dc_.get());
    default_processing(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(cache_dc_.get()), PRF_CLIENT);
    RestoreDC(cache_dc_.get(), saved);
    cache_size_ = size;
    cache_valid_ = true;
  }
  PAINTSTRUCT paint{};
  painting_from_cache_ = true;
  HDC dc = BeginPaint(hwnd(), &paint);
  painting_from_cache_ = false;
  if (dc) BitBlt(dc, 0, 0, size.cx, size.cy, cache_dc_.get(), 0, 0, SRCCOPY);
  EndPaint(hwnd(), &paint);
  return true;
}

void BitmapEdit::drop_paint_cache() {
  cache_valid_ = false;
  if (cache_dc_ && cache_displaced_) SelectObject(cache_dc_.get(), cache_displaced_);
  cache_displaced_ = nullptr;
  cache_dc_.reset();
  cache_bitmap_.reset();
}

LRESULT BitmapEdit::paint_or_default(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT && paint_from_cache()) return 0;
  return default_processing(message, wparam, lparam);
}

bool BitmapEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (!keeps_painted_look(message, wparam)) cache_valid_ = false;
  if (message == WM_DESTROY) drop_paint_cache();
  if (scroll_bar_.route(message, wparam, lparam, result, [&] { return paint_or_default(message, wparam, lparam); }))
    return true;
  switch (message) {
    case WM_PAINT:
      result = paint_or_default(message, wparam, lparam);
      return true;
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
