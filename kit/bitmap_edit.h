// An edit control whose text is written over a background picture from the program's
// resources, so that multi-line texts appear printed on the skin.  The whole picture
// and text are repainted at every change of the text.  Before a picture is set the
// background is plain white.  On request it shows a slim scroll bar of its own while the
// text is longer than the box.
#pragma once

#include "kit/control.h"
#include "kit/edit_scroll_bar.h"
#include "kit/handles.h"

namespace kit {

class BitmapEdit : public Control {
 public:
  // Replaces the background with bitmap resource id of the program, at the box's DPI; a missing
  // resource leaves no background.  Repaints at once.
  void set_edit_background(int bitmap_id);

  HBITMAP background() const { return background_.get(); }

  // Keeps the text inside the client area less side_margin at the left and right and
  // top at the top (layout pixels, scaled to the box's DPI), clear of the picture's frame.  Set the font first: a new font resets
  // the formatting rectangle.
  void inset_text(int side_margin, int top);
  // Starts the text's lines at left and top of the client area; a negative top keeps
  // the first lines above the box.  Set the font first, as above.
  void set_text_origin(int left, int top);

  // From now on shows a scroll bar of this look inside the box whenever the text is
  // longer than the box shows.  The margins set before or after stay the text's
  // margins while no bar shows.
  void show_scroll_bar_when_needed(const ScrollBarLook& look = {}) { scroll_bar_.enable(hwnd(), look); }
  const EditScrollBar& scroll_bar() const { return scroll_bar_; }

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  LRESULT on_color_request(HDC dc);
  void on_erase_background(HDC dc);

  UniqueBitmap background_;
  EditScrollBar scroll_bar_;
  // The stock null brush: nothing is painted behind the text.
  HBRUSH clear_brush_ = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
};

}  // namespace kit
