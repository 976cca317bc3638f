// Picture statics: PictureStatic shows a picture file, looked at again at every paint
// and decoded again when it changed (the logo animation changes the file it shows), or a bitmap resource; until a picture is
// set it paints nothing.  StaticBitmap is the bitmap a static control shows, owned by
// the kit, for every control of the kit that shows one (pictures and links alike).
#pragma once

#include <string>
#include <string_view>

#include "kit/control.h"
#include "kit/handles.h"

namespace kit {

// The bitmap of an SS_BITMAP static, owned here: loaded by the kit, handed to the
// control with STM_SETIMAGE, and freed when replaced or when the control goes.  A
// static never gets its image from a dialog template, so nothing depends on whether the
// platform frees a static's image with the window (Wine does not).
class StaticBitmap {
 public:
  // Loads bitmap resource bitmap_id of the program at window's DPI and shows it in window, which
  // becomes an SS_BITMAP static; the picture shown before is freed.  A missing resource
  // leaves the control without a picture and answers false.
  bool show(HWND window, int bitmap_id);
  // Takes the picture back from window (while it still exists) and frees it.
  void clear(HWND window);

  HBITMAP get() const { return bitmap_.get(); }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

 private:
  void hand_over(HWND window, HBITMAP bitmap);

  UniqueBitmap bitmap_;
};

class PictureStatic : public Control {
 public:
  ~PictureStatic() override;

  // Shows file (a relative path against the current directory, GBK) blitted at
  // width x height layout pixels from the control's origin, scaled to its DPI; repaints
  // at once.
  void show_picture_file(std::string_view file, int width, int height);
  // Shows bitmap resource bitmap_id of the program instead, drawn by the static itself
  // and owned by this control; false when there is no such resource.
  bool show_bitmap(int bitmap_id);
  // At a new DPI: the bitmap resource loaded again at it (a picture file is taken at
  // the DPI of every paint anyway).
  void lay_out();

  const std::string& file() const { return file_; }
  bool has_picture() const { return has_picture_; }
  HBITMAP bitmap() const { return bitmap_.get(); }

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void on_paint();

  std::string file_;
  int width_ = 0;
  int height_ = 0;
  bool has_picture_ = false;
  int bitmap_id_ = 0;
  StaticBitmap bitmap_;
};

}  // namespace kit
