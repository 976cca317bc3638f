// RAII holders for the platform's handles, so that every GDI object, DC, cursor, icon,
// window, module and file the kit makes is freed exactly once.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <utility>

namespace kit {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::valid(handle_); }
  Handle release() { return std::exchange(handle_, Traits::invalid()); }
  void reset(Handle h = Traits::invalid()) {
    if (Traits::valid(handle_)) Traits::close(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = Traits::invalid();
};

template <typename H, auto Close>
struct NullHandleTraits {
  static H invalid() { return nullptr; }
  static bool valid(H h) { return h != nullptr; }
  static void close(H h) { Close(h); }
};

struct FileHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void close(HANDLE h) { CloseHandle(h); }
};

inline void delete_gdi_object(HGDIOBJ h) { DeleteObject(h); }
inline void delete_dc(HDC h) { DeleteDC(h); }
inline void destroy_cursor(HCURSOR h) { DestroyCursor(h); }
inline void destroy_icon(HICON h) { DestroyIcon(h); }
inline void destroy_window(HWND h) { DestroyWindow(h); }
inline void free_library(HMODULE h) { FreeLibrary(h); }
inline void finish_drop(HDROP h) { DragFinish(h); }
inline void close_key(HKEY h) { RegCloseKey(h); }

using UniqueBitmap = UniqueHandle<HBITMAP, NullHandleTraits<HBITMAP, delete_gdi_object>>;
using UniqueBrush = UniqueHandle<HBRUSH, NullHandleTraits<HBRUSH, delete_gdi_object>>;
using UniqueFont = UniqueHandle<HFONT, NullHandleTraits<HFONT, delete_gdi_object>>;
using UniqueMemoryDc = UniqueHandle<HDC, NullHandleTraits<HDC, delete_dc>>;
using UniqueCursor = UniqueHandle<HCURSOR, NullHandleTraits<HCURSOR, destroy_cursor>>;
using UniqueIcon = UniqueHandle<HICON, NullHandleTraits<HICON, destroy_icon>>;
using UniqueWindow = UniqueHandle<HWND, NullHandleTraits<HWND, destroy_window>>;
using UniqueModule = UniqueHandle<HMODULE, NullHandleTraits<HMODULE, free_library>>;
using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;
// The file list of a drop (WM_DROPFILES), freed with DragFinish.
using UniqueDrop = UniqueHandle<HDROP, NullHandleTraits<HDROP, finish_drop>>;
using UniqueKey = UniqueHandle<HKEY, NullHandleTraits<HKEY, close_key>>;

// Selects an object into a DC for the lifetime of the guard and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window DC taken with GetDC and released on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace kit
