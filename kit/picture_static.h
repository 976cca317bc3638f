// A static control that shows a picture file, read again at every paint (the logo
// animation changes the file it shows).  Until a picture is set it paints nothing.
#pragma once

#include <string>
#include <string_view>

#include "control.h"

namespace kit {

class PictureStatic : public Control {
 public:
  // Shows file (a relative path against the current directory, GBK) blitted at
  // width x height from the control's origin; repaints at once.
  void show_picture_file(std::string_view file, int width, int height);

  const std::string& file() const { return file_; }
  bool has_picture() const { return has_picture_; }

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void on_paint();

  std::string file_;
  int width_ = 0;
  int height_ = 0;
  bool has_picture_ = false;
};

}  // namespace kit
