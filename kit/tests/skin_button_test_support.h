// What the skin-button tests share: a dialog with four buttons and an edit, pictures
// made in code with exact pixels, the real pointer, and the fixture.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "kit/dialog.h"
#include "kit/handles.h"
#include "kit/skin_background.h"
#include "kit/skin_button.h"
#include "kit/testing/pixels.h"
#include "kit/testing/pump.h"
#include "kit/testing/window_test.h"
#include "kit/text/file_io.h"
#include "kit/text/wide.h"

namespace skin_button_testing {

using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// How long a test waits for the pointer and the hover state to follow a move: a net for
// a display that never answers, far longer than the move takes on any machine.
constexpr DWORD kPointerWait = 30000;

// Ids of skin_button_test.rc.
constexpr int kDialogId = 100;
constexpr int kEditId = 1001;
constexpr int kPlainId = 1002;
constexpr int kDefaultId = 1003;
constexpr int kOtherId = 1004;
constexpr int kCaptionedId = 1005;

constexpr RECT kEditRect{8, 8, 88, 28};
constexpr RECT kPlainRect{10, 40, 70, 70};  // 60 x 30
constexpr RECT kDefaultRect{80, 40, 140, 70};
constexpr RECT kOtherRect{150, 40, 210, 70};
constexpr RECT kCaptionedRect{10, 90, 130, 126};  // 120 x 36

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFace = RGB(0, 128, 0);
constexpr COLORREF kHoverInk = RGB(200, 30, 30);
constexpr COLORREF kNormalInk = RGB(30, 30, 200);
constexpr COLORREF kCaptionInk = RGB(250, 250, 0);

// The tests move the real pointer and ask which window is under it.  Under Wine every
// program of one prefix shares the default desktop, whatever X display it draws on, so
// a test run gets a desktop of its own there.  (On Windows a second desktop would not
// receive input; the tests stay on the user's.)
inline const bool kOwnDesktop = [] {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
  HDESK desktop = CreateDesktopW(L"kit-skin-button-tests", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop && SetThreadDesktop(desktop);
}();

// The dialog's own picture: every pixel different, so offsets show.
inline COLORREF parent_pattern(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 77); }

inline int width_of(const RECT& r) { return r.right - r.left; }
inline int height_of(const RECT& r) { return r.bottom - r.top; }

// A 32-bit top-down DIB section filled by colour_at.
inline HBITMAP make_picture(int width, int height, const std::function<COLORREF(int, int)>& colour_at) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour_at(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return bitmap;
}

// A picture of one colour inside a one-pixel key-coloured frame.
inline HBITMAP framed_picture(int width, int height, COLORREF ink) {
  return make_picture(width, height, [=](int x, int y) {
    return (x == 0 || y == 0 || x == width - 1 || y == height - 1) ? kKey : ink;
  });
}

inline Pixels print(const SkinButton& b) { return kit::testing::printed(b.hwnd()); }

// The real pointer, as a user moves it.
inline void mouse_input(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen.x * 65536 + cx - 1) / cx;
    input.mi.dy = (screen.y * 65536 + cy - 1) / cy;
  }
  SendInput(1, &input, sizeof(input));
}

inline void move_pointer(HWND dialog, HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  mouse_input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  pump_until(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      kPointerWait, dialog);
  pump(50, dialog);
}

class TestDialog : public kit::Dialog {
 public:
  SkinButton plain, def, other, captioned;
  std::function<void(TestDialog&)> setup;  // the buttons' start-up, in on_init_dialog
  std::function<void(HWND)> paint;         // the dialog's paint; by default the pattern
  std::vector<int> clicks;

  HWND open() {
    HWND window = create_modeless(GetModuleHandleW(nullptr), kDialogId, nullptr);
    SetWindowPos(window, HWND_TOP, 40, 40, 420, 260, SWP_SHOWWINDOW);
    UpdateWindow(window);
    pump(100, window);
    return window;
  }
  int clicks_of(int id) const {
    int n = 0;
    for (int c : clicks) n += c == id;
    return n;
  }

 protected:
  bool on_init_dialog() override {
    const std::pair<int, RECT> places[] = {{kEditId, kEditRect},       {kPlainId, kPlainRect},
                                           {kDefaultId, kDefaultRect}, {kOtherId, kOtherRect},
                                           {kCaptionedId, kCaptionedRect}};
    for (const auto& [id, r] : places) MoveWindow(item(id), r.left, r.top, width_of(r), height_of(r), FALSE);
    plain.bind(hwnd(), kPlainId);
    def.bind(hwnd(), kDefaultId);
    other.bind(hwnd(), kOtherId);
    captioned.bind(hwnd(), kCaptionedId);
    if (setup) setup(*this);
    return true;
  }
  bool on_command(int id, int code, HWND control) override {
    if (code == BN_CLICKED) clicks.push_back(id);
    return kit::Dialog::on_command(id, code, control);
  }
  bool on_message(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != WM_PAINT) return false;
    if (paint) {
      paint(hwnd());
    } else {
      kit::SkinPaint skin(hwnd());
      RECT client{};
      GetClientRect(hwnd(), &client);
      kit::UniqueBitmap picture(make_picture(client.right, client.bottom, parent_pattern));
      kit::UniqueMemoryDc memory(CreateCompatibleDC(skin.dc()));
      kit::SelectGuard selected(memory.get(), picture.get());
      BitBlt(skin.dc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    result = TRUE;
    return true;
  }
};

// A plain button with a solid fill of kFace, no border, and 10x6 hover / normal pictures.
inline void flat_with_pictures(SkinButton& b, int w = 10, int h = 6) {
  b.set_state_color(SkinButton::NormalBackground, kFace, false);
  b.set_state_color(SkinButton::ActiveBackground, kFace, false);
  b.set_state_color(SkinButton::FocusBackground, kFace, false);
  ASSERT_EQ(b.attach_state_images(framed_picture(w, h, kHoverInk), kKey, framed_picture(w, h, kNormalInk), kKey),
            SkinButton::kOk);
}

class SkinButtonTest : public kit::testing::WindowTest {
 protected:
  void TearDown() override {
    SkinButton::set_mask_factory(nullptr);
    SkinButton::set_resource_module(nullptr);
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    WindowTest::TearDown();
  }
  HWND open(std::function<void(TestDialog&)> setup = {}) {
    dialog_.setup = std::move(setup);
    window_ = dialog_.open();
    // Nothing hovers until a test says so (the pointer may have been left over a button).
    pointer_to_empty_area();
    pump_until(
        [&] {
          return !dialog_.plain.is_hovering() && !dialog_.def.is_hovering() && !dialog_.other.is_hovering() &&
                 !dialog_.captioned.is_hovering();
        },
        kPointerWait, window_);
    return window_;
  }
  POINT centre(const SkinButton& b) const {
    RECT r{};
    GetClientRect(b.hwnd(), &r);
    return {r.right / 2, r.bottom / 2};
  }
  void hover(const SkinButton& b) {
    move_pointer(window_, b.hwnd(), centre(b));
    ASSERT_TRUE(pump_until([&] { return b.is_hovering(); }, kPointerWait, window_));
  }
  void pointer_to_empty_area() { move_pointer(window_, window_, {300, 200}); }

  TestDialog dialog_;
  HWND window_ = nullptr;
};

}  // namespace skin_button_testing
