// ProbabilityPicker: the small floating window in which a result's probability is
// picked on a scale bar of eleven buttons (0..10).  It opens at a screen point beside
// what was clicked, shows the current probability, and after opening and after every
// click posts PROBABILITY_PICKED (wParam 1, lParam 0) to the window that owns it.
//
// Opening and reading:
//   HWND picker = kit::FloatingDialog::open<ProbabilityPicker>(module, IDD_PROBABILITY_PICKER,
//                                                              owner, POINT{x, y}, probability);
// The opener keeps the returned window; on PROBABILITY_PICKED it reads the value through
// ProbabilityPicker::of(picker)->value() (of gives null once the window is gone).  The
// picker has no close button: the owner destroys its window, and the object deletes
// itself with it (also when the owner's window takes it along).
#pragma once

#include <windows.h>

#include "decision/input/scale_bar.h"
#include "kit/dialog.h"

namespace decision {

class ProbabilityPicker : public kit::FloatingDialog {
 public:
  // top_left: the window's place on the screen; probability: the position shown first
  // (brought into 0..10).
  ProbabilityPicker(Key key, POINT top_left, int probability);

  // The picker of window, or null when window is not (or no longer) one.
  static ProbabilityPicker* of(HWND window);

  // The probability picked last, 0..10.
  int value() const { return value_; }
  const ScaleBar& bar() const { return bar_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void on_position_clicked(int position);
  void on_paint();

  POINT top_left_;
  int value_;
  ScaleBar bar_;
};

}  // namespace decision
