#include "picture_static.h"

#include "handles.h"
#include "text/wide.h"

namespace kit {

void PictureStatic::show_picture_file(std::string_view file, int width, int height) {
  file_ = file;
  width_ = width;
  height_ = height;
  has_picture_ = true;
  invalidate(true);
}

void PictureStatic::on_paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  if (has_picture_ && dc) {
    // Decoded afresh at every paint, so a changed file shows at the next paint.
    UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, to_wide(file_).c_str(), IMAGE_BITMAP, 0, 0,
                                                         LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (memory) {
      SelectGuard selected(memory.get(), picture.get());
      BitBlt(dc, 0, 0, width_, height_, memory.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(hwnd(), &paint);
}

bool PictureStatic::on_message(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != WM_PAINT) return false;
  on_paint();
  result = 0;
  return true;
}

}  // namespace kit
