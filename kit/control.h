// Base of the kit's controls: a wrapper bound to a control that a dialog template made,
// found by its control id and subclassed: its window procedure becomes the kit's, which
// hands every message to the control and what it leaves to the procedure before.  The
// dialog reflects the messages Windows sends to the parent about a control (owner
// draw, colour requests, notifications) back to the bound control as
// kReflectBase + message.
//
// Handler convention, the same for kit::Dialog (dialog.h) and kit::Control:
//   bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
// returns true when the message is handled, with the message's answer (what a window
// procedure returns) in result; false leaves it to the default processing.  A handler
// that needs the platform's processing first calls default_processing itself and
// returns true.  on_message is only the switch: each case calls a handler named after
// its event (on_mouse_move, on_paint, on_clicked, ...).
#pragma once

#include <windows.h>

namespace kit {

// Reflected messages: kReflectBase + WM_DRAWITEM, + WM_CTLCOLOREDIT, + WM_COMMAND, ...
// A reflected WM_COMMAND answered non-zero is consumed: the dialog does not see it.
constexpr UINT kReflectBase = WM_USER + 0x1C00;
constexpr UINT reflected(UINT message) { return kReflectBase + message; }

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Subclasses the dialog's control with this id.  Returns false when there is no such
  // control or it is already bound.
  bool bind(HWND dialog, int id);
  // Binds an existing window (a control created in code).
  bool bind_window(HWND window);
  HWND hwnd() const { return window_; }
  int id() const { return window_ ? GetDlgCtrlID(window_) : 0; }

  // The wrapper bound to window, or null.
  static Control* from_window(HWND window);

 protected:
  // Called once right after subclassing.
  virtual void on_bound() {}
  // Every message of the control (see the handler convention above).
  virtual bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;
  // The platform's own processing of a message (the window procedure before ours).
  LRESULT default_processing(UINT message, WPARAM wparam, LPARAM lparam);
  void invalidate(bool erase = true) const;

 private:
  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void unbind();

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace kit
