// Picture-file backgrounds of the skinned dialogs.  A dialog's picture file (a name
// relative to the working folder, GBK) is drawn at a fixed size at every paint, decoded
// once and kept while the file stays as it is (picture_file_cache.h): a changed file
// shows at the next paint.  A missing or unreadable file is not reported: the blit
// still runs, from an empty memory DC, and the area is left to the platform.
#pragma once

#include <windows.h>

#include <string_view>

namespace kit {

// Draws the bitmap file at (x, y) of dc, width x height pixels from the picture's
// origin (SRCCOPY); place and picture in layout pixels, both scaled to dpi
// (scaled_picture.h).  The file is decoded again only when it changed.
void draw_picture_file(HDC dc, std::string_view file_name, int x, int y, int width, int height, int dpi);

// The same with a bitmap resource of module.
void draw_picture_resource(HDC dc, HINSTANCE module, int bitmap_id, int x, int y, int width, int height, int dpi);

// One paint of a skinned dialog: BeginPaint on construction, EndPaint on destruction,
// so a dialog can draw its background and further pictures inside the same paint, at
// the dialog's DPI.
class SkinPaint {
 public:
  explicit SkinPaint(HWND dialog);
  ~SkinPaint();
  SkinPaint(const SkinPaint&) = delete;
  SkinPaint& operator=(const SkinPaint&) = delete;

  HDC dc() const { return paint_.hdc; }
  void draw_file(std::string_view file_name, int x, int y, int width, int height) const;
  void draw_resource(HINSTANCE module, int bitmap_id, int x, int y, int width, int height) const;

 private:
  HWND dialog_;
  PAINTSTRUCT paint_{};
  int dpi_;
};

// The dialog's paint handler: the picture file at the client origin, width x height.
void paint_skin_background(HWND dialog, std::string_view file_name, int width, int height);

// The background plus a second picture file at (x, y), second_width x second_height,
// in the same paint (a band that changes with a choice).
void paint_skin_background(HWND dialog, std::string_view file_name, int width, int height,
                           std::string_view second_file, int x, int y, int second_width, int second_height);

}  // namespace kit
