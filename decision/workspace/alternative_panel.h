// AlternativePanel: the floating editor of one alternative of a decision.  It works on
// a private copy of the alternative: its description and up to nine results, each with
// a text (typed in the small input box), a value and a probability (picked on the
// floating pickers), and the total, kept up to date at every change.  The decision
// itself is not touched (except the evaluation method, which the value picker switches).
//
// Opening and ending:
//   HWND panel = kit::FloatingDialog::open<AlternativePanel>(module, IDD_ALTERNATIVE_PANEL, owner,
//                                                            decision, index, POINT{x, y});
//   ShowWindow(panel, SW_SHOW);
// The keep button posts PANEL_CLOSED (wParam index, lParam 1) to the owner, the drop
// and close buttons (and Escape) the same with lParam 0.  The owner then takes the copy
// (AlternativePanel::of(panel)->alternative()) when it is to be kept, and destroys the
// panel's window; the object deletes itself with it, also when the owner's window
// takes it along.  The decision must outlive the panel's window.
#pragma once

#include <windows.h>

#include <array>

#include "decision/document/decision.h"
#include "kit/color_edit.h"
#include "kit/dialog.h"
#include "kit/dialog_keys.h"
#include "kit/handles.h"
#include "kit/skin_button.h"

namespace decision {

class AlternativePanel : public kit::FloatingDialog {
 public:
  // index: the alternative (1..9) of decision the panel edits a copy of; top_left: the
  // panel's place on the screen (kept inside the monitor's work area).
  AlternativePanel(Key key, const Decision& decision, int index, POINT top_left);

  // The panel of window, or null when window is not (or no longer) one.
  static AlternativePanel* of(HWND window);

  int index() const { return index_; }
  // The panel's working copy, with its total.
  const Alternative& alternative() const { return copy_; }
  // The open pickers' windows, or null.
  HWND probability_picker() const;
  HWND value_picker() const;

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  // On a monitor of another scale: size, places, pictures and fonts anew.
  void lay_out_at_dpi() override;

 private:
  void set_up_buttons();
  void set_up_fonts();
  void set_up_edits();
  void place_foot(int total_width);
  void fill_rows();
  void recompute_total();
  void refill_lists();
  void close_pickers();
  void show_changed_results(bool resize);
  void resize_for_results();
  HINSTANCE module() const;

  void on_text_focused(int row);
  void on_text_clicked(int row);
  void on_value_clicked(int row);
  void on_probability_clicked(int row);
  void on_add_clicked();
  void on_delete_clicked();
  void on_keep_clicked();
  void on_drop_clicked();
  void on_probability_picked(WPARAM still_open);
  void on_value_picked(WPARAM still_open);
  void on_surface_pressed(LPARAM point);
  void on_paint();
  LRESULT on_erase_background(HDC dc);
  void draw_face(HDC dc) const;

  const Decision& decision_;
  int index_;
  POINT top_left_;
  Alternative copy_;
  int current_row_ = 1;
  int total_width_ = 0;  // the foot total's width as last placed
  HWND probability_picker_ = nullptr;
  HWND value_picker_ = nullptr;

  // Declared before the controls that draw with them, so they go after them.
  kit::UniqueFont bold_font_;
  kit::UniqueFont regular_font_;

  kit::SkinButton number_;
  kit::SkinButton foot_number_;
  kit::SkinButton total_;
  kit::SkinButton add_button_;
  kit::SkinButton delete_button_;
  kit::SkinButton keep_button_;
  kit::SkinButton drop_button_;
  kit::SkinButton close_button_;
  kit::DialogKeys keys_;  // Escape, wherever the focus is in the panel
  kit::ColorEdit description_;
  std::array<kit::ColorEdit, kMaxResults> result_texts_;
  std::array<kit::SkinButton, kMaxResults> value_buttons_;
  std::array<kit::SkinButton, kMaxResults> probability_buttons_;
};

}  // namespace decision
