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
  // resource leaves no background.  Repaints at once.  The picture is loaded when first
  // needed: a box hidden at start costs nothing.
  void set_edit_background(int bitmap_id);

  HBITMAP background() const;

  // Keeps the text inside the client area less side_margin at the left and right and
  // top at the top (layout pixels, scaled to the box's DPI), clear of the picture's frame.  Set the font first: a new font resets
  // the formatting rectangle.
  void inset_text(int side_margin, int top);
  // Puts the text's line number line (from 0) at line_y of the box and its left edge at
  // left, lines pitch apart (the font's cell height): the lines before it stay above
  // the box.  Layout pixels; at another DPI line_y and the pitch are scaled each on its
  // own, so that line lands exactly on its scaled place.  Set the font first, as above.
  void set_text_lines(int left, int line_y, int line, int pitch);
  // At a new DPI, after the dialog gave the box its font again: the background picture,
  // the text's margins or lines and the scroll bar's look again, scaled anew.
  void lay_out();

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
  LRESULT paint_or_default(UINT message, WPARAM wparam, LPARAM lparam);
  bool paint_from_cache();
  void drop_paint_cache();

  mutable UniqueBitmap background_;
  mutable bool background_loaded_ = true;  // false: background_id_'s picture is still to load
  int background_id_ = 0;
  // The text's place as last set, in layout pixels, for lay_out.
  enum class TextPlace { Default, Inset, Lines } text_place_ = TextPlace::Default;
  int text_x_ = 0;
  int text_y_ = 0;
  int text_line_ = 0;
  int text_pitch_ = 0;
  EditScrollBar scroll_bar_;
  // The stock null brush: nothing is painted behind the text.
  HBRUSH clear_brush_ = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  // The box's last painted look (picture and text), valid until a message that may
  // change it: a repaint of an unfocused read-only box is then one blit.
  UniqueBitmap cache_bitmap_;  // before its DC: freed after it
  UniqueMemoryDc cache_dc_;
  HGDIOBJ cache_displaced_ = nullptr;
  SIZE cache_size_{};
  bool cache_valid_ = false;
  bool painting_from_cache_ = false;
};

}  // namespace kit
