// An edit control with its own background and text colour.  Before set_edit_colors it
// keeps the system's edit colours.  On request it shows a slim scroll bar of its own
// while the text is longer than the box.
#pragma once

#include "kit/control.h"
#include "kit/edit_scroll_bar.h"
#include "kit/handles.h"
#include "kit/pixel_layout.h"

namespace kit {

class ColorEdit : public Control {
 public:
  // Stores the background and text colours (0..255 each) and repaints at once.
  void set_edit_colors(int back_red, int back_green, int back_blue, int text_red, int text_green,
                       int text_blue);
  // The same with the colours of a layout header.
  void set_edit_colors(PixelColor back, PixelColor text) {
    set_edit_colors(back.r, back.g, back.b, text.r, text.g, text.b);
  }

  // The brush answered to the last colour request (owned), or null.
  HBRUSH back_brush() const { return back_brush_.get(); }

  // From now on shows a scroll bar of this look inside the box whenever the text is
  // longer than the box shows.
  void show_scroll_bar_when_needed(const ScrollBarLook& look = {}) { scroll_bar_.enable(hwnd(), look); }
  const EditScrollBar& scroll_bar() const { return scroll_bar_; }

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  LRESULT on_color_request(HDC dc);

  bool colors_set_ = false;
  int back_red_ = 0, back_green_ = 0, back_blue_ = 0;
  int text_red_ = 0, text_green_ = 0, text_blue_ = 0;
  UniqueBrush back_brush_;
  EditScrollBar scroll_bar_;
};

}  // namespace kit
