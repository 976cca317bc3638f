// A picture with a Chinese file name, from the build-time painter into a running
// program: the painter's file carries the name's characters, and a skinned window finds
// it in its working folder by its GBK name and draws it.  CTest runs this program under
// code page 936 and under 1252; the kit converts the name with 936 either way.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "kit/handles.h"
#include "kit/skin_background.h"
#include "kit/testing/host_path.h"
#include "kit/testing/pixels.h"
#include "kit/testing/pump.h"
#include "kit/testing/window_test.h"
#include "kit/tests/named_picture.h"

namespace {

using kit_test::kNamedPictureHeight;
using kit_test::kNamedPictureWidth;

// "四色测试图.bmp" as UTF-16, spelled independently of the header's literal.
const std::wstring kNameWide = L"\u56DB\u8272\u6D4B\u8BD5\u56FE.bmp";
constexpr wchar_t kWindowClass[] = L"kit_named_picture_test";

LRESULT CALLBACK skinned_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    kit::paint_skin_background(window, kit_test::kNamedPictureFile, kNamedPictureWidth,
                               kNamedPictureHeight);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

class NamedPicture : public kit::testing::WindowTest {
 protected:
  const std::wstring folder_ = kit::testing::host_path(KIT_TEST_PICTURE_DIR);
};

TEST_F(NamedPicture, ThePaintersFileCarriesTheNamesCharacters) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder_ + L"\\" + kNameWide).c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE) << "no file of that name in the painted folder";
  FindClose(search);
  EXPECT_EQ(std::wstring(found.cFileName), kNameWide);
}

TEST_F(NamedPicture, ASkinnedWindowDrawsItFromTheWorkingFolder) {
  kit::testing::InFolder in_folder(folder_);
  ASSERT_TRUE(in_folder.changed());
  HINSTANCE self = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = skinned_window_proc;
  window_class.hInstance = self;
  window_class.lpszClassName = kWindowClass;
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClassW(&window_class);
  kit::UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST, kWindowClass, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                           kNamedPictureWidth, kNamedPictureHeight, nullptr, nullptr,
                                           self, nullptr));
  ASSERT_TRUE(window);
  UpdateWindow(window.get());
  kit::testing::pump();

  const kit::testing::Pixels shown = kit::testing::shown(window.get());
  ASSERT_EQ(shown.width(), kNamedPictureWidth);
  ASSERT_EQ(shown.height(), kNamedPictureHeight);
  int wrong = 0;
  for (int y = 0; y < kNamedPictureHeight; ++y)
    for (int x = 0; x < kNamedPictureWidth; ++x)
      if (shown.at(x, y) != kit_test::named_picture_rgb(x, y).colorref()) ++wrong;
  EXPECT_EQ(wrong, 0) << "pixels that differ from the painted quadrants";
  window.reset();
  UnregisterClassW(kWindowClass, self);
}

}  // namespace
