// PictureStatic, BitmapEdit and ColorEdit in a real dialog, checked on the pixels they
// paint.  The picture files are written by the tests into a folder of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "kit/tests/controls_test_support.h"
#include "kit/bitmap_edit.h"
#include "kit/color_edit.h"
#include "kit/dialog.h"
#include "kit/picture_static.h"
#include "kit/testing/pixels.h"
#include "kit/testing/pump.h"
#include "kit/testing/window_test.h"
#include "kit/text/wide.h"

namespace {

using kit::testing::Pixels;
using kit::testing::painted;
using kit::testing::pump;

constexpr COLORREF kMarker = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kBlue = RGB(30, 40, 210);
constexpr COLORREF kGreen = RGB(20, 180, 60);

// Writes a width x height 24-bit bitmap file of one colour.
bool write_bmp(const std::wstring& path, int width, int height, COLORREF color) {
  const int row_bytes = (width * 3 + 3) & ~3;
  const DWORD pixel_bytes = static_cast<DWORD>(row_bytes * height);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + pixel_bytes;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string pixels(pixel_bytes, '\0');
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      char* p = &pixels[static_cast<std::size_t>(y * row_bytes + x * 3)];
      p[0] = static_cast<char>(GetBValue(color));
      p[1] = static_cast<char>(GetGValue(color));
      p[2] = static_cast<char>(GetRValue(color));
    }
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(handle, &file, sizeof(file), &written, nullptr) &&
            WriteFile(handle, &info, sizeof(info), &written, nullptr) &&
            WriteFile(handle, pixels.data(), pixel_bytes, &written, nullptr);
  CloseHandle(handle);
  return ok;
}

// Paints color over the whole client area of window, straight onto the screen.
void paint_over(HWND window, COLORREF color) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

class EditsTest : public kit::testing::WindowTest {
 protected:
  static void SetUpTestSuite() { kit_test::start_once(); }

  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kit_edit_controls_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_folder_ = current;
    ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));

    dialog_ = kit::make_dialog<kit::Dialog>();
    ASSERT_NE(dialog_->create_modeless(GetModuleHandleW(nullptr), IDD_EDITS_TEST, nullptr), nullptr);
    ASSERT_TRUE(picture_.bind(dialog_->hwnd(), IDC_PICTURE));
    ASSERT_TRUE(bitmap_edit_->bind(dialog_->hwnd(), IDC_BITMAP_EDIT));
    ASSERT_TRUE(color_edit_->bind(dialog_->hwnd(), IDC_COLOR_EDIT));
    pump(0);
  }
  void TearDown() override {
    dialog_.reset();
    SetCurrentDirectoryW(previous_folder_.c_str());
    for (const wchar_t* name : {L"图一.bmp", L"图二.bmp"}) DeleteFileW((folder_ + L"\\" + name).c_str());
    RemoveDirectoryW(folder_.c_str());
    WindowTest::TearDown();
  }

  // Types text into window as keyboard characters.
  static void type(HWND window, const std::wstring& text) {
    for (wchar_t c : text) SendMessageW(window, WM_CHAR, c, 1);
    pump(0);
  }
  // Repaints what the control itself asked to repaint, then reads it back.
  static Pixels shown(HWND window) {
    UpdateWindow(window);
    pump(0);
    return kit::testing::shown(window);
  }

  std::wstring folder_;
  std::wstring previous_folder_;
  kit::DialogPtr<kit::Dialog> dialog_;
  kit::PictureStatic picture_;
  std::unique_ptr<kit::BitmapEdit> bitmap_edit_ = std::make_unique<kit::BitmapEdit>();
  std::unique_ptr<kit::ColorEdit> color_edit_ = std::make_unique<kit::ColorEdit>();
};

// ---- PictureStatic -------------------------------------------------------------------

TEST_F(EditsTest, PictureStaticPaintsNothingBeforeAPictureIsSet) {
  HWND window = picture_.hwnd();
  paint_over(window, kMarker);
  InvalidateRect(window, nullptr, TRUE);
  Pixels before = shown(window);
  EXPECT_EQ(before.count(kMarker), before.width() * before.height())
      << "the static's own text or background was painted";

  ASSERT_TRUE(write_bmp(folder_ + L"\\图一.bmp", 40, 20, kRed));
  picture_.show_picture_file("图一.bmp", 20, 10);
  Pixels after = shown(window);
  EXPECT_EQ(after.count(kRed, {0, 0, 20, 10}), 20 * 10);
  EXPECT_EQ(after.at(30, 5), kMarker) << "the blit is width x height, not the file's size";
  EXPECT_EQ(after.at(5, 15), kMarker);
}

TEST_F(EditsTest, PictureStaticShowsABitmapResourceItOwnsUntilAFileReplacesIt) {
  HWND window = picture_.hwnd();
  ASSERT_TRUE(picture_.show_bitmap(IDB_STRIPES));
  Pixels pixels = shown(window);
  for (int x : {2, STRIPE_WIDTH + 2, STRIPES_WIDTH - 2}) EXPECT_EQ(pixels.at(x, 5), kit_test::stripe_color(x)) << x;

  const HBITMAP bitmap = picture_.bitmap();
  ASSERT_TRUE(write_bmp(folder_ + L"\\图一.bmp", 30, 20, kRed));
  picture_.show_picture_file("图一.bmp", 30, 20);
  EXPECT_EQ(GetObjectType(bitmap), 0u) << "the bitmap outlived its turn";
  EXPECT_EQ(shown(window).at(10, 10), kRed);
}

TEST_F(EditsTest, PictureStaticReadsItsFileAtEveryPaintAndANewFileReplacesTheOld) {
  HWND window = picture_.hwnd();
  const std::wstring first = folder_ + L"\\图一.bmp";
  const std::wstring second = folder_ + L"\\图二.bmp";
  ASSERT_TRUE(write_bmp(first, 30, 20, kRed));
  picture_.show_picture_file("图一.bmp", 30, 20);
  EXPECT_EQ(shown(window).at(10, 10), kRed);

  ASSERT_TRUE(write_bmp(first, 30, 20, kBlue));
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_EQ(shown(window).at(10, 10), kBlue) << "the changed file was not read again";

  ASSERT_TRUE(write_bmp(second, 30, 20, kGreen));
  picture_.show_picture_file("图二.bmp", 30, 20);
  EXPECT_EQ(shown(window).at(10, 10), kGreen) << "a new picture shows at once";
  ASSERT_TRUE(write_bmp(first, 30, 20, kRed));
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_EQ(shown(window).at(10, 10), kGreen) << "the previous file is still read";
}

// ---- BitmapEdit ----------------------------------------------------------------------

TEST_F(EditsTest, BitmapEditIsWhiteBeforeAnyBackground) {
  Pixels pixels = painted(bitmap_edit_->hwnd());
  EXPECT_EQ(pixels.at(pixels.width() - 4, pixels.height() - 4), RGB(255, 255, 255));
  EXPECT_EQ(pixels.at(40, 20), RGB(255, 255, 255));
}

TEST_F(EditsTest, BitmapEditShowsItsPictureAtOnce) {
  HWND window = bitmap_edit_->hwnd();
  SetFocus(color_edit_->hwnd());  // no caret over the picture
  UpdateWindow(window);
  bitmap_edit_->set_edit_background(IDB_STRIPES);
  ASSERT_NE(bitmap_edit_->background(), nullptr);
  Pixels pixels = shown(window);
  int matching = 0;
  for (int y = 0; y < STRIPES_HEIGHT; ++y)
    for (int x = 0; x < STRIPES_WIDTH; ++x)
      if (pixels.at(x, y) == kit_test::stripe_color(x)) ++matching;
  EXPECT_EQ(matching, STRIPES_WIDTH * STRIPES_HEIGHT);
}

TEST_F(EditsTest, BitmapEditKeepsItsPictureUnderTypedTextAndDrawsBlackText) {
  HWND window = bitmap_edit_->hwnd();
  bitmap_edit_->set_edit_background(IDB_STRIPES);
  SetFocus(window);
  type(window, L"测试文字XY");
  type(window, L"\b\b");  // the erased characters' place shows the picture again
  SetFocus(color_edit_->hwnd());  // no caret over the picture
  Pixels pixels = shown(window);

  int text_pixels = 0;
  int foreign_pixels = 0;
  int darkest = 255;
  for (int y = 0; y < STRIPES_HEIGHT; ++y)
    for (int x = 0; x < STRIPES_WIDTH; ++x) {
      const COLORREF seen = pixels.at(x, y);
      const COLORREF stripe = kit_test::stripe_color(x);
      if (seen == stripe) continue;
      ++text_pixels;
      darkest = std::min(darkest, kit_test::brightest_channel(seen));
      // Text pixels blend the picture toward black: never lighter than the picture.
      if (GetRValue(seen) > GetRValue(stripe) + 8 || GetGValue(seen) > GetGValue(stripe) + 8 ||
          GetBValue(seen) > GetBValue(stripe) + 8)
        ++foreign_pixels;
    }
  EXPECT_GT(text_pixels, 30) << "no text was drawn over the picture";
  EXPECT_EQ(foreign_pixels, 0) << "something other than black text covers the picture";
  EXPECT_LT(darkest, 60) << "the text is not black";
  EXPECT_EQ(kit::get_window_text(window), "测试文字");
}

// An unfocused read-only box repaints from its kept look: every change after a paint
// must still show, up to the picture's edges outside the text's rectangle.
TEST_F(EditsTest, ReadOnlyBitmapEditShowsEveryChangeAfterAPaint) {
  HWND window = bitmap_edit_->hwnd();
  SetFocus(color_edit_->hwnd());
  SendMessageW(window, EM_SETREADONLY, TRUE, 0);
  bitmap_edit_->inset_text(8, 4);
  bitmap_edit_->set_edit_background(IDB_STRIPES);
  kit::set_window_text(window, "测试文字");
  auto stripes_shown = [&] {
    Pixels pixels = shown(window);
    int matching = 0;
    for (int y = 0; y < STRIPES_HEIGHT; ++y)
      for (int x = 0; x < STRIPES_WIDTH; ++x)
        if (pixels.at(x, y) == kit_test::stripe_color(x)) ++matching;
    return matching;
  };
  const int under_text = stripes_shown();
  EXPECT_LT(under_text, STRIPES_WIDTH * STRIPES_HEIGHT) << "no text drawn";

  bitmap_edit_->set_edit_background(IDB_STRIPES + 77);  // none: plain white
  Pixels white = shown(window);
  for (int y = 0; y < STRIPES_HEIGHT; ++y) {
    EXPECT_EQ(white.at(0, y), RGB(255, 255, 255)) << "left edge, line " << y;
    EXPECT_EQ(white.at(STRIPES_WIDTH - 1, y), RGB(255, 255, 255)) << "right edge, line " << y;
  }

  bitmap_edit_->set_edit_background(IDB_STRIPES);
  EXPECT_EQ(stripes_shown(), under_text) << "the same text on the same picture looks the same";
  kit::set_window_text(window, "");
  EXPECT_EQ(stripes_shown(), STRIPES_WIDTH * STRIPES_HEIGHT) << "the removed text still shows";
  paint_over(window, RGB(255, 0, 0));
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_EQ(stripes_shown(), STRIPES_WIDTH * STRIPES_HEIGHT);
}

TEST_F(EditsTest, BitmapEditRepaintsOnButtonRelease) {
  HWND window = bitmap_edit_->hwnd();
  UpdateWindow(window);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  RECT pending{};
  EXPECT_TRUE(GetUpdateRect(window, &pending, FALSE));
}

TEST_F(EditsTest, BitmapEditFreesEveryPictureItLoaded) {
  bitmap_edit_->set_edit_background(IDB_STRIPES);
  HBITMAP first = bitmap_edit_->background();
  ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
  bitmap_edit_->set_edit_background(IDB_STRIPES);
  HBITMAP second = bitmap_edit_->background();
  EXPECT_EQ(GetObjectType(first), 0u) << "the replaced picture was not freed";
  bitmap_edit_->set_edit_background(IDB_STRIPES + 77);  // no such resource
  EXPECT_EQ(bitmap_edit_->background(), nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(painted(bitmap_edit_->hwnd()).at(10, 10), RGB(255, 255, 255));

  bitmap_edit_->set_edit_background(IDB_STRIPES);
  HBITMAP last = bitmap_edit_->background();
  dialog_.reset();
  bitmap_edit_.reset();
  EXPECT_EQ(GetObjectType(last), 0u);
}

// The bar comes with a text longer than the box and goes with it; while it shows, the
// text makes room for it and keeps the margin its user set otherwise.
TEST_F(EditsTest, BitmapEditShowsItsScrollBarOnlyWhileTheTextIsLongerThanTheBox) {
  HWND window = bitmap_edit_->hwnd();
  const kit::ScrollBarLook look{};
  bitmap_edit_->show_scroll_bar_when_needed(look);
  constexpr int kMargin = 3;
  SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kMargin, kMargin));
  const kit::EditScrollBar& bar = bitmap_edit_->scroll_bar();
  EXPECT_FALSE(bar.shown());

  std::wstring lines;
  for (int i = 0; i < bar.visible_lines() + 2; ++i) lines += L"第" + std::to_wstring(i) + L"行\r";
  type(window, lines);
  ASSERT_TRUE(bar.shown());
  EXPECT_EQ(HIWORD(SendMessageW(window, EM_GETMARGINS, 0, 0)), look.inset + look.width + look.gap);
  const RECT thumb = bar.thumb_rect();
  Pixels pixels = shown(window);
  EXPECT_EQ(pixels.at((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), look.thumb.colorref());

  kit::set_window_text(window, "一行");
  EXPECT_FALSE(bar.shown());
  EXPECT_EQ(HIWORD(SendMessageW(window, EM_GETMARGINS, 0, 0)), kMargin);
}

// ---- ColorEdit -----------------------------------------------------------------------

TEST_F(EditsTest, ColorEditKeepsTheSystemColoursUntilSet) {
  Pixels pixels = painted(color_edit_->hwnd());
  EXPECT_EQ(pixels.at(pixels.width() - 3, pixels.height() / 2), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(color_edit_->back_brush(), nullptr);
}

TEST_F(EditsTest, ColorEditShowsItsColoursAtOnceAndKeepsTextAndCaret) {
  HWND window = color_edit_->hwnd();
  kit::set_window_text(window, "色彩");
  SendMessageW(window, EM_SETSEL, 1, 1);
  ASSERT_NE(GetFocus(), window);  // no caret in the picture, and no repaint from focus changes
  UpdateWindow(window);

  color_edit_->set_edit_colors(239, 244, 250, 0, 80, 80);
  Pixels pixels = shown(window);
  EXPECT_EQ(pixels.at(pixels.width() - 3, pixels.height() / 2), RGB(239, 244, 250));
  int best = 3 * 255;
  COLORREF darkest = 0;
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) {
      COLORREF c = pixels.at(x, y);
      int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
      if (sum < best) best = sum, darkest = c;
    }
  EXPECT_LE(GetRValue(darkest), 40);
  EXPECT_NEAR(GetGValue(darkest), 80, 40);
  EXPECT_NEAR(GetBValue(darkest), 80, 40);
  EXPECT_EQ(kit::get_window_text(window), "色彩");
  DWORD start = 0, end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);
}

TEST_F(EditsTest, ColorEditMakesABrushPerRequestAndFreesThePreviousOne) {
  HWND window = color_edit_->hwnd();
  color_edit_->set_edit_colors(239, 244, 250, 0, 80, 80);
  HDC dc = GetDC(window);
  auto request = [&] {
    return reinterpret_cast<HBRUSH>(SendMessageW(dialog_->hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(window)));
  };
  HBRUSH first = request();
  HBRUSH second = request();
  ReleaseDC(window, dc);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetObjectType(first), 0u) << "the previous brush was not freed";
  ASSERT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
  LOGBRUSH brush{};
  GetObjectW(second, sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, RGB(239, 244, 250));
  EXPECT_EQ(color_edit_->back_brush(), second);

  dialog_.reset();
  HBRUSH last = color_edit_->back_brush();
  color_edit_.reset();
  EXPECT_EQ(GetObjectType(last), 0u);
}

}  // namespace
