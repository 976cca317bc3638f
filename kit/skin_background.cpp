#include "kit/skin_background.h"

#include "kit/handles.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

// Blits picture (which may be null) through a memory DC compatible with dc.  The blit
// runs even without a picture, as the dialogs always did.
void blit_picture(HDC dc, HBITMAP picture, int x, int y, int width, int height) {
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectGuard selected(memory.get(), picture);
  BitBlt(dc, x, y, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace

void draw_picture_file(HDC dc, std::string_view file_name, int x, int y, int width, int height) {
  const std::wstring wide_name = to_wide(file_name);
  UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, wide_name.c_str(), IMAGE_BITMAP, 0, 0,
                                                       LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
  blit_picture(dc, picture.get(), x, y, width, height);
}

void draw_picture_resource(HDC dc, HINSTANCE module, int bitmap_id, int x, int y, int width, int height) {
  UniqueBitmap picture(LoadBitmapW(module, MAKEINTRESOURCEW(bitmap_id)));
  blit_picture(dc, picture.get(), x, y, width, height);
}

SkinPaint::SkinPaint(HWND dialog) : dialog_(dialog) { BeginPaint(dialog_, &paint_); }

SkinPaint::~SkinPaint() { EndPaint(dialog_, &paint_); }

void SkinPaint::draw_file(std::string_view file_name, int x, int y, int width, int height) const {
  if (paint_.hdc) draw_picture_file(paint_.hdc, file_name, x, y, width, height);
}

void SkinPaint::draw_resource(HINSTANCE module, int bitmap_id, int x, int y, int width, int height) const {
  if (paint_.hdc) draw_picture_resource(paint_.hdc, module, bitmap_id, x, y, width, height);
}

void paint_skin_background(HWND dialog, std::string_view file_name, int width, int height) {
  SkinPaint paint(dialog);
  paint.draw_file(file_name, 0, 0, width, height);
}

void paint_skin_background(HWND dialog, std::string_view file_name, int width, int height,
                           std::string_view second_file, int x, int y, int second_width, int second_height) {
  SkinPaint paint(dialog);
  paint.draw_file(file_name, 0, 0, width, height);
  paint.draw_file(second_file, x, y, second_width, second_height);
}

}  // namespace kit
