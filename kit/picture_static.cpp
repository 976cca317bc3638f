// Picture statics: a picture file blitted at every paint (decoded once per version), and the kit-owned bitmap of a
// static control.
#include "kit/picture_static.h"

#include "kit/dpi.h"
#include "kit/picture_file_cache.h"
#include "kit/scaled_picture.h"
#include "kit/text/wide.h"

namespace kit {

// ---- StaticBitmap --------------------------------------------------------------------

bool StaticBitmap::show(HWND window, int bitmap_id) {
  if (!window) return false;
  UniqueBitmap loaded = load_scaled_picture(GetModuleHandleW(nullptr), bitmap_id, window_dpi(window));
  if (!loaded) {
    clear(window);
    return false;
  }
  // STM_SETIMAGE takes a bitmap only from a static of the bitmap type.
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if ((style & SS_TYPEMASK) != SS_BITMAP)
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_BITMAP);
  hand_over(window, loaded.get());
  // The control has let go of the previous picture: it can go now.
  bitmap_ = std::move(loaded);
  InvalidateRect(window, nullptr, TRUE);
  return true;
}

void StaticBitmap::clear(HWND window) {
  if (window && IsWindow(window)) hand_over(window, nullptr);
  bitmap_.reset();
}

void StaticBitmap::hand_over(HWND window, HBITMAP bitmap) {
  const auto previous = reinterpret_cast<HBITMAP>(
      SendMessageW(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  // The control answers with what it showed: ours (freed by its owner), or an image
  // that is nobody else's (a copy the control made of ours, or one it loaded itself).
  if (previous && previous != bitmap_.get() && previous != bitmap) DeleteObject(previous);
}

// ---- PictureStatic -------------------------------------------------------------------

PictureStatic::~PictureStatic() {
  // A window that outlives its wrapper must not keep showing a freed picture.
  if (hwnd()) bitmap_.clear(hwnd());
}

void PictureStatic::show_picture_file(std::string_view file, int width, int height) {
  bitmap_.clear(hwnd());
  file_ = file;
  width_ = width;
  height_ = height;
  has_picture_ = true;
  invalidate(true);
}

bool PictureStatic::show_bitmap(int bitmap_id) {
  has_picture_ = false;
  file_.clear();
  bitmap_id_ = bitmap_id;
  return bitmap_.show(hwnd(), bitmap_id);
}

void PictureStatic::lay_out() {
  if (bitmap_) bitmap_.show(hwnd(), bitmap_id_);
  else invalidate(true);
}

void PictureStatic::on_paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  if (has_picture_ && dc) {
    // Decoded again only when the file changed, so a changed file shows at the next paint.
    const int dpi = window_dpi(hwnd());
    HBITMAP picture = cached_picture_file(hwnd(), to_wide(file_), dpi);
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (memory) {
      SelectGuard selected(memory.get(), picture);
      const PixelRect size = scale_size(width_, height_, dpi);
      BitBlt(dc, 0, 0, size.w, size.h, memory.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(hwnd(), &paint);
}

bool PictureStatic::on_message(UINT message, WPARAM, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      // A bitmap is the static's own image: the static draws it.
      if (bitmap_) return false;
      on_paint();
      result = 0;
      return true;
    case WM_DESTROY:
      bitmap_.clear(hwnd());
      return false;
  }
  return false;
}

}  // namespace kit
