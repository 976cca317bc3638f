// SkinnedDialog: the frame every skinned box shares, from its SkinFrame (pixel_layout.h).
// At start-up the client area takes the picture's size, the box opens over the middle of
// its owner (it has no caption), the placement table is applied and the button table set
// up; the picture is painted at every paint, and a press on the background drags the
// box.  All of it at the box's DPI, and again when that changes.  OK (and Enter) calls on_ok_clicked, the close button on_close_clicked.  A dialog
// derives from it, gives its frame, and overrides only what is its own.
#pragma once

#include <windows.h>

#include <memory>

#include "kit/dialog.h"
#include "kit/pixel_layout.h"
#include "kit/skin_button.h"

namespace kit {

class SkinnedDialog : public Dialog {
 public:
  // Runs the box modally over owner; returns how it ended.
  INT_PTR run(HWND owner) { return run_modal(module_, frame_.template_id, owner); }
  // Creates the box modeless and shows it; ending it destroys the window.
  HWND create(HWND owner);

 protected:
  // module holds the template and the pictures (the program itself).
  SkinnedDialog(HINSTANCE module, const SkinFrame& frame);

  HINSTANCE module() const { return module_; }
  const SkinFrame& frame() const { return frame_; }
  // The button of the frame's table with control id, or null.
  SkinButton* button(int id);

  // The frame's start-up (see the top); a derived dialog calls it first.
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  // Client size, placements and buttons at the new DPI; a dialog with fonts or
  // pictures of its own calls it first and then sets those again.
  void lay_out_at_dpi() override;

  // Where the box opens: over the middle of its owner.
  virtual void place_window();
  virtual void on_ok_clicked() { end(IDOK); }
  // The close button of the title strip acts as OK unless the dialog says otherwise.
  virtual void on_close_clicked() { on_ok_clicked(); }
  // Paints the frame's picture.
  virtual void on_paint();
  // press_point is WM_LBUTTONDOWN's lParam.
  virtual void on_background_pressed(LPARAM press_point);

 private:
  HINSTANCE module_;
  SkinFrame frame_;
  std::unique_ptr<SkinButton[]> buttons_;
};

}  // namespace kit
