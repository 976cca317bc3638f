// Picture-file backgrounds, drawn at the dialog's display scale.
#include "kit/skin_background.h"

#include "kit/dpi.h"
#include "kit/handles.h"
#include "kit/picture_file_cache.h"
#include "kit/scaled_picture.h"
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

void draw_picture_file(HDC dc, std::string_view file_name, int x, int y, int width, int height, int dpi) {
  const PixelRect place = scale_rect({x, y, width, height}, dpi);
  // A window's paint keeps the picture for the window; a memory DC's draw does not.
  if (HWND window = WindowFromDC(dc)) {
    blit_picture(dc, cached_picture_file(window, to_wide(file_name), dpi), place.x, place.y, place.w, place.h);
    return;
  }
  UniqueBitmap picture = load_scaled_picture_file(to_wide(file_name), dpi);
  blit_picture(dc, picture.get(), place.x, place.y, place.w, place.h);
}

void draw_picture_resource(HDC dc, HINSTANCE module, int bitmap_id, int x, int y, int width, int height, int dpi) {
  UniqueBitmap picture = load_scaled_picture(module, bitmap_id, dpi);
  const PixelRect place = scale_rect({x, y, width, height}, dpi);
  blit_picture(dc, picture.get(), place.x, place.y, place.w, place.h);
}

SkinPaint::SkinPaint(HWND dialog) : dialog_(dialog), dpi_(window_dpi(dialog)) { BeginPaint(dialog_, &paint_); }

SkinPaint::~SkinPaint() { EndPaint(dialog_, &paint_); }

void SkinPaint::draw_file(std::string_view file_name, int x, int y, int width, int height) const {
  if (paint_.hdc) draw_picture_file(paint_.hdc, file_name, x, y, width, height, dpi_);
}

void SkinPaint::draw_resource(HINSTANCE module, int bitmap_id, int x, int y, int width, int height) const {
  if (paint_.hdc) draw_picture_resource(paint_.hdc, module, bitmap_id, x, y, width, height, dpi_);
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
