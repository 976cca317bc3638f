// Base of every dialog of both programs: one class per dialog template, shown modally
// (DialogBoxParamW) or modeless (CreateDialogParamW).  The dialog reflects control
// notifications to the kit control bound to the sender (see control.h) before its own
// handlers see them.
//
// Handler convention, the same for kit::Dialog and kit::Control (control.h):
//   bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
// returns true when the message is handled, with the message's answer (what a window
// procedure returns) in result; false leaves it to the default processing.  The
// dialog puts the answer where the platform reads it (the dialog procedure's return
// for the colour requests, WM_QUERYDRAGICON and the like, DWLP_MSGRESULT otherwise).
// on_message is only the switch: each case calls a handler named after its event.
// The frequent events have their own virtuals: on_init_dialog, on_command, on_destroy
// and on_final_message.
//
// Display scale: when a window moves to a monitor of another scale (WM_DPICHANGED) it
// takes the rectangle the system suggests, lays itself out again at the new DPI
// (lay_out_at_dpi: client size, places, fonts, pictures) and repaints whole.  The
// template's font is made again at the new DPI first, for every control that shows it,
// and WM_GETFONT answers it; at the DPI the dialog was created at, the dialog manager's
// own font is back.
//
// Teardown: the window goes before its object.
// - A modal dialog lives on its opener's stack; run_modal returns after its window
//   is gone.
// - A floating window (a panel, a picker) is a FloatingDialog: made by
//   FloatingDialog::open, which returns only its window, and deleted by itself at the
//   last message its window gets.  Its owner never deletes it, it only destroys its
//   window (or lets the platform do so when the owner's window goes).
// - A modeless dialog that an owner keeps as an object (a test's subject) is held by
//   a DialogPtr, which destroys the window before it deletes the object.
// A Dialog destroyed while its window is still up is a fault: the derived object and
// its member controls are gone by then, so the window is cut loose from the object
// (no handler runs on what is left of it), destroyed, and counted in
// teardown_faults() for the tests to catch.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

#include "kit/template_font.h"

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
  // Ends a modal dialog, or destroys a modeless one (a FloatingDialog is deleted by
  // then: its caller touches none of its members afterwards).
  void end(INT_PTR result);

  HWND hwnd() const { return window_; }
  HWND item(int id) const { return GetDlgItem(window_, id); }
  bool is_modal() const { return modal_; }

  // The dialog object of window, or null (not a kit dialog, or its window is going).
  static Dialog* from_window(HWND window);
  // How many dialog objects were destroyed before their window (see Teardown above).
  static int teardown_faults();

 protected:
  // WM_INITDIALOG: return true to let the platform give the default focus.
  virtual bool on_init_dialog() { return true; }
  // WM_COMMAND (after the control's own reflected handling).  Return true if handled.
  // The base ends the dialog on IDCANCEL (Escape).
  virtual bool on_command(int id, int code, HWND control);
  // Any other message (see the handler convention above).
  virtual bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // WM_DESTROY: the window and its controls are still there.
  virtual void on_destroy() {}
  // After WM_NCDESTROY, the last message of the window: hwnd() is already null and
  // nothing of the window is left.  A FloatingDialog deletes itself here.
  virtual void on_final_message() {}
  // WM_DPICHANGED, after the window took the suggested rectangle: sizes, places, fonts
  // and pictures again at window_dpi(hwnd()).  The base does nothing more.
  virtual void lay_out_at_dpi() {}

 private:
  static INT_PTR CALLBACK dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool reflect(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& answer);
  void detach();

  HWND window_ = nullptr;
  bool modal_ = false;
  TemplateFont template_font_;
};

// Deleter of a DialogPtr: the window first, then the object.
struct DestroyWindowFirst {
  void operator()(Dialog* dialog) const;
};

// A dialog object its owner keeps, whose window may still be up when the owner lets
// go of it.
template <class D>
using DialogPtr = std::unique_ptr<D, DestroyWindowFirst>;

template <class D, class... Args>
DialogPtr<D> make_dialog(Args&&... args) {
  return DialogPtr<D>(new D(std::forward<Args>(args)...));
}

// A modeless window that deletes itself when its window goes away: destroyed by its
// owner, by the platform together with its owner window, or by itself.  Only open()
// makes one (a derived class's constructor takes a Key, which only open can give),
// so none lives on a stack or in a member.  The owner keeps the returned window,
// checks it with IsWindow, and reads the object through from_window while it lives.
class FloatingDialog : public Dialog {
 public:
  // Makes a D (constructed from Key and args) and its modeless window from
  // template_id, owned by owner.  Returns the window, or null when it could not be
  // made (the object is freed then).
  template <class D, class... Args>
  static HWND open(HINSTANCE module, int template_id, HWND owner, Args&&... args) {
    static_assert(std::is_base_of_v<FloatingDialog, D>, "open makes floating dialogs only");
    return launch(new D(Key{}, std::forward<Args>(args)...), module, template_id, owner);
  }

  // The floating dialog objects alive in this process.
  static int live_count();

 protected:
  class Key {
    Key() = default;
    friend class FloatingDialog;
  };
  explicit FloatingDialog(Key);
  ~FloatingDialog() override;
  void on_final_message() override;

 private:
  static HWND launch(FloatingDialog* dialog, HINSTANCE module, int template_id, HWND owner);

  // Set while launch waits for the window: tells it the object deleted itself.
  bool* deleted_flag_ = nullptr;
};

}  // namespace kit
