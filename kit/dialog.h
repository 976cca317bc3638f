// Base of every dialog of both programs: one class per dialog template, shown modally
// (DialogBoxParamW) or modeless (CreateDialogParamW).  The dialog reflects control
// notifications to the kit control bound to the sender (see control.h) before its own
// handlers see them.
#pragma once

#include <windows.h>

#include <string_view>

namespace kit {

class Dialog {
 public:
  Dialog() = default;
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog of template_id from module's resources; returns the end result,
  // or -1 when the dialog could not be made.
  INT_PTR run_modal(HINSTANCE module, int template_id, HWND owner);
  // Creates the dialog modeless and returns its window (null on failure).
  HWND create_modeless(HINSTANCE module, int template_id, HWND owner);
  // Ends a modal dialog, or destroys a modeless one.
  void end(INT_PTR result);

  HWND hwnd() const { return window_; }
  HWND item(int id) const { return GetDlgItem(window_, id); }
  bool is_modal() const { return modal_; }

 protected:
  // WM_INITDIALOG: return true to let the platform give the default focus.
  virtual bool on_init_dialog() { return true; }
  // WM_COMMAND (after the control's own reflected handling).  Return true if handled.
  virtual bool on_command(int id, int code, HWND control);
  // Any other message.  Return true if handled and put the answer in result.
  virtual bool on_message(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result);
  // The window is being destroyed.
  virtual void on_destroy() {}

 private:
  static INT_PTR CALLBACK dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool reflect(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result);

  HWND window_ = nullptr;
  bool modal_ = false;
};

// The kit's message box: a text, a caption and one OK button (plus an optional icon
// flag), owned by owner or, when that is null, by the window in front of this program.
int show_message(HWND owner, std::string_view text, std::string_view caption, UINT icon = 0);

// Test seam: replaces the message box behind show_message (null restores it) and
// returns the one it replaces.  A test records the texts instead of showing a box.
using MessageSeam = int (*)(HWND owner, std::string_view text, std::string_view caption, UINT flags);
MessageSeam set_message_seam(MessageSeam seam);

// Start-up of either program: system libraries come only from the system folder, never
// from the working folder the pictures are read from; the common controls are ready.
void start_program();

}  // namespace kit
