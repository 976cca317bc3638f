// ValuePicker: placing the window, its bar and its method switch, telling the owner each
// pick, and moving the decision on to the next evaluation method.
#include "decision/input/value_picker.h"

#include <algorithm>

#include "decision/input/value_picker_layout.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = value_picker_layout;

namespace {

// The method after method, round the three; an unknown one starts the round again.
int next_method(int method) {
  switch (method) {
    case ByEvaluation:
      return ByPreference;
    case ByPreference:
      return ByUtility;
    default:
      return ByEvaluation;
  }
}

}  // namespace

ValuePicker::ValuePicker(Key key, const Decision& decision, POINT top_left, int value)
    : kit::FloatingDialog(key),
      decision_(decision),
      top_left_(top_left),
      value_(std::clamp(value, kMinValue, kMaxValue)) {}

ValuePicker* ValuePicker::of(HWND window) { return dynamic_cast<ValuePicker*>(kit::Dialog::from_window(window)); }

bool ValuePicker::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::place_popup_at(hwnd(), top_left_);
  method_switch_.set_up(hwnd(), IDC_METHOD_SWITCH, {.place = lay::kMethodSwitch});
  show_method_switch();
  bar_.bind(hwnd(), IDC_VALUE_0, lay::kBar, scale_bar_layout::kValueColours);
  // The owner learns the starting value at once, as if it had been clicked.
  on_position_clicked(value_ + scale_bar_layout::kValueOffset);
  return true;
}

bool ValuePicker::on_command(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    if (id == IDC_METHOD_SWITCH) {
      on_method_switch_clicked();
      return true;
    }
    if (const int position = bar_.position_of(id); position >= 0) {
      on_position_clicked(position);
      return true;
    }
  }
  return kit::FloatingDialog::on_command(id, code, control);
}

bool ValuePicker::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
  }
  return false;
}

void ValuePicker::on_position_clicked(int position) {
  bar_.show(position);
  value_ = bar_.position() - scale_bar_layout::kValueOffset;
  PostMessageW(GetWindow(hwnd(), GW_OWNER), VALUE_PICKED, 1, 0);
}

// The owner changes the method (through the main window's session, so it counts as a
// change); the repaint only requested here runs after it, with the new method's picture.
void ValuePicker::on_method_switch_clicked() {
  SendMessageW(GetWindow(hwnd(), GW_OWNER), METHOD_SWITCHED, static_cast<WPARAM>(next_method(decision_.base_of)), 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
  show_method_switch();
}

void ValuePicker::show_method_switch() {
  const lay::MethodPictures& pictures = lay::method_pictures(decision_.base_of);
  const COLORREF key = lay::kMethodSwitchKey.colorref();
  method_switch_.load_state_images(static_cast<WORD>(pictures.switch_hover), key,
                                   static_cast<WORD>(pictures.switch_normal), key);
  method_switch_.set_name(pictures.name);
}

void ValuePicker::on_paint() {
  kit::paint_skin_background(hwnd(), lay::method_pictures(decision_.base_of).background_file, lay::kWidth,
                             lay::kHeight);
}

}  // namespace decision
