// The skin background: the dialog's picture file from the working folder at every
// paint, kept for its window while the file stays as it is.
#include "kit/tests/skin_button_test_support.h"

#include <gtest/gtest.h>

#include "kit/testing/gdi_objects.h"
#include "kit/text/file_io.h"
#include "kit/text/utf8.h"

namespace {

using namespace skin_button_testing;
using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// ---- skin background ------------------------------------------------------------

// A 24-bit bottom-up BMP file of colour_at.
std::string bmp_file(int width, int height, const std::function<COLORREF(int, int)>& colour_at) {
  const int row = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(row * height);
  std::string out(reinterpret_cast<const char*>(&file), sizeof(file));
  out.append(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int y = height - 1; y >= 0; --y) {
    std::string line(static_cast<std::size_t>(row), '\0');
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour_at(x, y);
      line[x * 3] = static_cast<char>(GetBValue(c));
      line[x * 3 + 1] = static_cast<char>(GetGValue(c));
      line[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
    out += line;
  }
  return out;
}

// The background tests look at the dialog's own pixels only.
void hide_controls(TestDialog& d) {
  for (HWND child = GetWindow(d.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ShowWindow(child, SW_HIDE);
}

COLORREF skin_a(int x, int y) { return RGB(x * 2, y * 3, 33); }
COLORREF skin_b(int x, int y) { return RGB(255 - x, y, 140); }

class SkinBackgroundTest : public SkinButtonTest {
 protected:
  void TearDown() override {
    SkinButtonTest::TearDown();
    for (const char* name : {kSkin, kBand}) DeleteFileW(kit::to_wide(name).c_str());
  }
  static constexpr const char* kSkin = "测试背景.bmp";
  static constexpr const char* kBand = "测试色带.bmp";
};

TEST_F(SkinBackgroundTest, DrawsTheFileFromTheWorkingFolderAfreshAtEveryPaint) {
  ASSERT_EQ(kit::replace_path_bytes(kit::path_from_gbk(kSkin), bmp_file(120, 80, skin_a)), kit::kFileOk);
  dialog_.paint = [](HWND w) { kit::paint_skin_background(w, kSkin, 100, 60); };
  open(hide_controls);
  Pixels p = kit::testing::shown(window_);
  for (int y = 0; y < 60; y += 7)
    for (int x = 0; x < 100; x += 3) ASSERT_EQ(p.at(x, y), skin_a(x, y)) << x << "," << y;
  EXPECT_NE(p.at(105, 10), skin_a(105, 10));  // only W x H is drawn
  EXPECT_NE(p.at(10, 65), skin_a(10, 65));

  ASSERT_EQ(kit::replace_path_bytes(kit::path_from_gbk(kSkin), bmp_file(120, 80, skin_b)), kit::kFileOk);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(kit::testing::shown(window_).at(40, 30), skin_b(40, 30));
}

TEST_F(SkinBackgroundTest, WindowsThatComeAndGoShowTheirFileAndLeaveNoKeptPictureBehindInASoak) {
  auto open_and_close = [&](int windows) {
    for (int n = 0; n < windows; ++n) {
      // Every other window the file changes (its size too): the new one shows at once.
      const auto skin = n % 2 ? skin_b : skin_a;
      if (kit::replace_path_bytes(kit::path_from_gbk(kSkin), bmp_file(120 + n % 2, 80, skin)) != kit::kFileOk) return n;
      TestDialog dialog;
      dialog.paint = [](HWND w) { kit::paint_skin_background(w, kSkin, 100, 60); };
      HWND window = dialog.open();
      for (int repaint = 0; repaint < 2; ++repaint) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      const bool shown = kit::testing::shown(window).at(40, 30) == skin(40, 30);
      DestroyWindow(window);
      if (!shown) return n;
    }
    return windows;
  };
  kit::testing::expect_gdi_objects_return(open_and_close, kit::testing::soak_rounds());
}

TEST_F(SkinBackgroundTest, SecondPictureIsDrawnAtItsPlaceInTheSamePaint) {
  ASSERT_EQ(kit::replace_path_bytes(kit::path_from_gbk(kSkin), bmp_file(120, 80, skin_a)), kit::kFileOk);
  ASSERT_EQ(kit::replace_path_bytes(kit::path_from_gbk(kBand), bmp_file(40, 20, skin_b)), kit::kFileOk);
  dialog_.paint = [](HWND w) { kit::paint_skin_background(w, kSkin, 120, 80, kBand, 50, 30, 30, 10); };
  open(hide_controls);
  Pixels p = kit::testing::shown(window_);
  EXPECT_EQ(p.at(10, 10), skin_a(10, 10));
  EXPECT_EQ(p.at(50, 30), skin_b(0, 0));
  EXPECT_EQ(p.at(79, 39), skin_b(29, 9));
  EXPECT_EQ(p.at(80, 39), skin_a(80, 39));  // the band's blit size, not its file size
  EXPECT_EQ(p.at(60, 40), skin_a(60, 40));
}

TEST_F(SkinBackgroundTest, MissingFileIsNotReported) {
  int paints = 0;
  dialog_.paint = [&](HWND w) {
    ++paints;
    kit::paint_skin_background(w, "没有这个文件.bmp", 100, 60);
  };
  open();
  EXPECT_GE(paints, 1);
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM count) {
        if (IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 1);  // the dialog alone: no message box
  EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
}

}  // namespace
