#include "kit/control.h"

#include <commctrl.h>

namespace kit {

namespace {
constexpr wchar_t kControlProperty[] = L"kit.control";
constexpr UINT_PTR kSubclassId = 0x6B6974;  // one subclass of ours per control
}  // namespace

Control::~Control() { unbind(); }

bool Control::bind(HWND dialog, int id) { return bind_window(GetDlgItem(dialog, id)); }

bool Control::bind_window(HWND window) {
  if (!window || window_ || from_window(window)) return false;
  if (!SetWindowSubclass(window, subclass_proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  SetPropW(window, kControlProperty, this);
  window_ = window;
  on_bound();
  return true;
}

Control* Control::from_window(HWND window) {
  return window ? static_cast<Control*>(GetPropW(window, kControlProperty)) : nullptr;
}

void Control::unbind() {
  if (!window_) return;
  RemoveWindowSubclass(window_, subclass_proc, kSubclassId);
  RemovePropW(window_, kControlProperty);
  window_ = nullptr;
}

LRESULT Control::default_processing(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefSubclassProc(window_, message, wparam, lparam);
}

void Control::invalidate(bool erase) const {
  if (window_) InvalidateRect(window_, nullptr, erase ? TRUE : FALSE);
}

LRESULT CALLBACK Control::subclass_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR data) {
  auto* self = reinterpret_cast<Control*>(data);
  LRESULT result = 0;
  const bool handled = self->on_message(message, wparam, lparam, result);
  if (message == WM_NCDESTROY) {
    // The window is gone: the wrapper lets go of it (it may live on, unbound).
    if (!handled) result = DefSubclassProc(window, message, wparam, lparam);
    self->unbind();
    return result;
  }
  return handled ? result : DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace kit
