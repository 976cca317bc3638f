#include "kit/control.h"

#include "kit/window_map.h"

namespace kit {

namespace {

// A bound window's procedure is Control::window_proc; this is what it needs to find:
// the control (null once the control let go while another procedure was put over ours,
// so ours stays in the chain and only passes messages on) and the procedure before ours.
struct Binding {
  Control* control = nullptr;
  WNDPROC previous = nullptr;
};

WindowMap<Binding>& bindings() {
  static WindowMap<Binding> bound;
  return bound;
}

}  // namespace

Control::~Control() { unbind(); }

bool Control::bind(HWND dialog, int id) { return bind_window(GetDlgItem(dialog, id)); }

bool Control::bind_window(HWND window) {
  if (!window || window_ || bindings().find(window).previous) return false;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (!previous) return false;
  // In the map before the first message reaches the new procedure.
  bindings().set(window, {this, previous});
  if (!SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window_proc))) {
    bindings().forget(window);
    return false;
  }
  window_ = window;
  previous_ = previous;
  on_bound();
  return true;
}

Control* Control::from_window(HWND window) { return bindings().find(window).control; }

void Control::unbind() {
  if (!window_) return;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) == window_proc) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    bindings().forget(window_);
  } else {
    // Another procedure sits over ours and calls it: ours stays, passing messages on.
    bindings().set(window_, {nullptr, previous_});
  }
  window_ = nullptr;
  previous_ = nullptr;
}

LRESULT Control::default_processing(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(previous_, window_, message, wparam, lparam);
}

void Control::invalidate(bool erase) const {
  if (window_) InvalidateRect(window_, nullptr, erase ? TRUE : FALSE);
}

LRESULT CALLBACK Control::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const Binding binding = bindings().find(window);
  Control* self = binding.control;
  if (!self) {
    if (message == WM_NCDESTROY) bindings().forget(window);
    return binding.previous ? CallWindowProcW(binding.previous, window, message, wparam, lparam)
                            : DefWindowProcW(window, message, wparam, lparam);
  }
  LRESULT result = 0;
  const bool handled = self->on_message(message, wparam, lparam, result);
  if (message == WM_NCDESTROY) {
    // The window is gone: the wrapper lets go of it (it may live on, unbound).
    if (!handled) result = CallWindowProcW(binding.previous, window, message, wparam, lparam);
    self->unbind();
    bindings().forget(window);
    return result;
  }
  return handled ? result : CallWindowProcW(binding.previous, window, message, wparam, lparam);
}

}  // namespace kit
