// A slim vertical scroll bar that the kit's edit wrappers draw inside their own client
// area, at the right edge and clear of a frame the box's picture paints, shown only
// while the text is longer than the box shows.  The platform's scroll bar would cover
// the picture's frame in its own grey; this one keeps the box's design, and the text
// area, not the box, gives it room.  It answers the mouse like a scroll bar: a press on
// the track pages, the thumb drags; the wheel and the keys scroll the edit as before.
#pragma once

#include <windows.h>

#include "kit/pixel_layout.h"

namespace kit {

// Where the bar sits and how it looks.
struct ScrollBarLook {
  int width = 8;  // of the track, pixels
  int inset = 4;  // from the box's top, right and bottom edges
  int gap = 4;    // between the text and the track
  PixelColor track{238, 244, 250};
  PixelColor thumb{169, 198, 227};
};

class EditScrollBar {
 public:
  // Starts keeping the bar of edit, a multi-line edit.
  void enable(HWND edit, const ScrollBarLook& look);
  bool enabled() const { return edit_ != nullptr; }
  // At a new DPI: the look (in layout pixels) scaled anew.
  void lay_out() {
    if (edit_) enable(edit_, layout_look_);
  }

  // Shows the bar when the text has more lines than the box shows, hides it otherwise.
  // The edit wrapper calls it whenever the text, the font, the margins or the size
  // change.
  void update();
  bool shown() const { return shown_; }

  // Lines of the text as the edit wraps it, and how many lines the box shows.
  int line_count() const;
  int visible_lines() const;
  // The track and the thumb in the edit's client coordinates (empty while hidden).
  RECT track_rect() const;
  RECT thumb_rect() const;

  // The edit wrapper hands every message to the bar first.  True when the bar took it
  // (a press, drag or pointer over the bar) or ran the edit's own processing
  // (default_processing, a callable answering LRESULT) and followed it up (a paint, a
  // new text, font, margin or size); result is then the answer.  False leaves the
  // message to the wrapper.
  template <typename DefaultProcessing>
  bool route(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result, DefaultProcessing&& default_processing) {
    if (!enabled()) return false;
    if (on_message(message, wparam, lparam, result)) return true;
    if (!follows(message)) {
      after_message(message, wparam, lparam);
      return false;
    }
    result = default_processing();
    after_message(message, wparam, lparam);
    return true;
  }

  // Draws the bar over what the edit painted.
  void paint() const;

 private:
  static bool follows(UINT message);
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void after_message(UINT message, WPARAM wparam, LPARAM lparam);
  RECT hit_rect() const;
  void apply_right_margin(int margin);
  int line_height() const;
  int first_visible_line() const;
  void scroll_to_line(int line);
  void on_press(POINT point);
  void on_drag(POINT point);
  void redraw() const;

  HWND edit_ = nullptr;
  ScrollBarLook look_;         // at the edit's DPI
  ScrollBarLook layout_look_;  // as given
  // The right margin the edit's user asked for: the text keeps it while no bar shows.
  int base_right_margin_ = 0;
  bool applying_margin_ = false;
  bool shown_ = false;
  bool dragging_ = false;
  int drag_offset_ = 0;  // from the thumb's top to the pointer
};

}  // namespace kit
