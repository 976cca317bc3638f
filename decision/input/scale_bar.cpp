// ScaleBar: binding the row of buttons and colouring them up to a position.
#include "decision/input/scale_bar.h"

#include <algorithm>
#include <string>

#include "kit/geometry.h"

namespace decision {

bool ScaleBar::bind(HWND dialog, int first_id, const scale_bar_layout::BarGeometry& geometry,
                    std::span<const scale_bar_layout::Rgb> colours) {
  const int count = static_cast<int>(colours.size());
  if (count == 0 || count > scale_bar_layout::kMostButtons || count != geometry.count) return false;
  first_id_ = first_id;
  colours_ = colours;
  position_ = -1;
  for (int k = 0; k < count; ++k) {
    // A plain coloured face: no pictures, no border under the pointer, and the
    // dialog's picture does not show through.
    if (!buttons_[k].bind(dialog, first_id + k)) return false;
    buttons_[k].enable_hover_border(false, true);
    buttons_[k].set_name(std::to_string(scale_bar_layout::position_number(count, k)));
    kit::place_control(dialog, first_id + k, geometry.button(k));
  }
  return true;
}

void ScaleBar::show(int position) {
  if (colours_.empty()) return;
  position_ = std::clamp(position, 0, count() - 1);
  const COLORREF above = scale_bar_layout::kAboveColour.colorref();
  for (int k = 0; k < count(); ++k) paint_button(k, k <= position_ ? colours_[k].colorref() : above);
}

int ScaleBar::position_of(int id) const {
  const int k = id - first_id_;
  return !colours_.empty() && k >= 0 && k < count() ? k : -1;
}

// Whatever state the button is in (at rest, under the pointer, pressed, focused), it
// shows the same colour.
void ScaleBar::paint_button(int k, COLORREF colour) {
  kit::SkinButton& button = buttons_[k];
  button.set_state_color(kit::SkinButton::NormalBackground, colour, true);
  button.set_state_color(kit::SkinButton::ActiveBackground, colour, true);
  button.set_state_color(kit::SkinButton::FocusBackground, colour, true);
}

}  // namespace decision
