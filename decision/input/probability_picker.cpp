// ProbabilityPicker: placing the window and its bar, and telling the owner each pick.
#include "decision/input/probability_picker.h"

#include <algorithm>

#include "decision/document/decision.h"
#include "decision/input/probability_picker_layout.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = probability_picker_layout;

ProbabilityPicker::ProbabilityPicker(Key key, POINT top_left, int probability)
    : kit::FloatingDialog(key),
      top_left_(top_left),
      value_(std::clamp(probability, kMinProbability, kMaxProbability)) {}

ProbabilityPicker* ProbabilityPicker::of(HWND window) {
  return dynamic_cast<ProbabilityPicker*>(kit::Dialog::from_window(window));
}

bool ProbabilityPicker::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::place_popup_at(hwnd(), top_left_);
  bar_.bind(hwnd(), IDC_PROBABILITY_0, lay::kBar, scale_bar_layout::kProbabilityColours);
  // The owner learns the starting value at once, as if it had been clicked.
  on_position_clicked(value_);
  return true;
}

bool ProbabilityPicker::on_command(int id, int code, HWND control) {
  if (const int position = bar_.position_of(id); position >= 0 && code == BN_CLICKED) {
    on_position_clicked(position);
    return true;
  }
  return kit::FloatingDialog::on_command(id, code, control);
}

bool ProbabilityPicker::on_message(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
  }
  return false;
}

void ProbabilityPicker::on_position_clicked(int position) {
  bar_.show(position);
  value_ = bar_.position();
  PostMessageW(GetWindow(hwnd(), GW_OWNER), PROBABILITY_PICKED, 1, 0);
}

void ProbabilityPicker::on_paint() {
  kit::paint_skin_background(hwnd(), lay::kBackgroundFile, lay::kWidth, lay::kHeight);
}

}  // namespace decision
