// ValuePicker: the floating window in which a result's value is picked on a scale bar
// of 21 buttons (-10..+10), over the picture of the decision's evaluation method, with
// a switch that asks for the decision's next method (base_of 1 -> 2 -> 3 -> 1).
// It opens at a screen point beside what was clicked, shows the current value, and
// after opening and after every click on the bar posts VALUE_PICKED (wParam 1,
// lParam 0) to the window that owns it.
//
// Opening and reading:
//   HWND picker = kit::FloatingDialog::open<ValuePicker>(module, IDD_VALUE_PICKER, owner,
//                                                        decision, POINT{x, y}, value);
// The opener keeps the returned window; on VALUE_PICKED it reads the value through
// ValuePicker::of(picker)->value() (of gives null once the window is gone).  The switch
// sends METHOD_SWITCHED (wParam the next method) to the owner, which changes the
// decision's method before the picker shows it.  The decision must outlive the picker's
// window.  The picker has no close button: the owner
// destroys its window, and the object deletes itself with it (also when the owner's
// window takes it along).
#pragma once

#include <windows.h>

#include "decision/document/decision.h"
#include "decision/input/scale_bar.h"
#include "kit/dialog.h"
#include "kit/skin_button.h"

namespace decision {

class ValuePicker : public kit::FloatingDialog {
 public:
  // top_left: the window's place on the screen; value: the value shown first (brought
  // into -10..+10).
  ValuePicker(Key key, const Decision& decision, POINT top_left, int value);

  // The picker of window, or null when window is not (or no longer) one.
  static ValuePicker* of(HWND window);

  // The value picked last, -10..+10.
  int value() const { return value_; }
  const ScaleBar& bar() const { return bar_; }
  const kit::SkinButton& method_switch() const { return method_switch_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void on_position_clicked(int position);
  void on_method_switch_clicked();
  void on_paint();
  void show_method_switch();

  const Decision& decision_;
  POINT top_left_;
  int value_;
  ScaleBar bar_;
  kit::SkinButton method_switch_;
};

}  // namespace decision
