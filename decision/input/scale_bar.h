// ScaleBar: a row of narrow SkinButtons without pictures that shows a position on a
// scale by colour, like a level meter.  It is a part of a dialog, not a dialog: the
// dialog's template holds the buttons under consecutive ids, the bar binds them by the
// first id and the count of its colour table, places them, and colours them when a
// position is shown.  The dialog still gets the clicks (position_of tells which).
#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "decision/input/scale_bar_layout.h"
#include "kit/skin_button.h"

namespace decision {

class ScaleBar {
 public:
  ScaleBar() = default;
  ScaleBar(const ScaleBar&) = delete;
  ScaleBar& operator=(const ScaleBar&) = delete;

  // Binds the buttons first_id .. first_id + count - 1 of dialog, count being the size
  // of colours (at most scale_bar_layout::kMostButtons), places button k at
  // geometry.button(k) and turns its hover border off.  Returns false when a button is
  // missing or the table does not fit the geometry.
  bool bind(HWND dialog, int first_id, const scale_bar_layout::BarGeometry& geometry,
            std::span<const scale_bar_layout::Rgb> colours);

  // Colours buttons 0..position with their table colours and the rest grey, and
  // repaints them.  A position outside the bar is brought to its nearest end.
  void show(int position);

  // The position last shown (-1 before the first show).
  int position() const { return position_; }
  int count() const { return static_cast<int>(colours_.size()); }
  // The position of control id when it is one of this bar's buttons, else -1.
  int position_of(int id) const;
  const kit::SkinButton& button(int k) const { return buttons_[k]; }

 private:
  void paint_button(int k, COLORREF colour);

  std::array<kit::SkinButton, scale_bar_layout::kMostButtons> buttons_;
  std::span<const scale_bar_layout::Rgb> colours_;
  int first_id_ = 0;
  int position_ = -1;
};

}  // namespace decision
