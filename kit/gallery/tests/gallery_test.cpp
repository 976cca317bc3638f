// The kit gallery as a user sees it: every control assembled over the painted
// background, read back from the screen pixel by pixel, and saved as screenshots.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "kit/gallery/gallery_dialog.h"
#include "kit/gallery/gallery_ids.h"
#include "kit/gallery/gallery_layout.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/testing/host_path.h"
#include "kit/testing/pixels.h"
#include "kit/testing/pump.h"
#include "kit/testing/screenshot.h"
#include "kit/testing/window_test.h"
#include "kit/testing/placement.h"

namespace kit::gallery {
namespace {

using kit::testing::Pixels;
using kit::testing::save_screenshot;

using kit::testing::pump;

// Long enough for a state change to be drawn.
constexpr DWORD kRepaintWait = 60;

Pixels picture_resource(int id) {
  UniqueBitmap bitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
  return kit::testing::of_bitmap(bitmap.get());
}

Pixels picture_file(const wchar_t* name) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(nullptr, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  return kit::testing::of_bitmap(bitmap.get());
}

class Gallery : public kit::testing::WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SetCurrentDirectoryW(kit::testing::host_path(GALLERY_PICTURE_DIR).c_str()));
    ASSERT_NE(gallery.create_modeless(GetModuleHandleW(nullptr), IDD_GALLERY, nullptr), nullptr);
    SetWindowPos(gallery.hwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    // Park the pointer away from every control.
    SetCursorPos(1, 1);
    pump(200);
  }
  void TearDown() override {
    gallery.end(0);
    WindowTest::TearDown();
  }

  // The centre of a control in client coordinates, and the pointer put there.
  void hover(const SkinButton& button) {
    RECT r{};
    GetClientRect(button.hwnd(), &r);
    POINT centre{r.right / 2, r.bottom / 2};
    POINT screen = centre;
    ClientToScreen(button.hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    pump(120);
  }

  Pixels screen() const { return kit::testing::shown(gallery.hwnd()); }

  GalleryDialog gallery;
};

TEST_F(Gallery, OpensAtItsPictureSizeWithTheBackgroundPainted) {
  Pixels shot = screen();
  ASSERT_EQ(shot.width(), kClientWidth);
  ASSERT_EQ(shot.height(), kClientHeight);
  Pixels background = picture_file(L"gallery.bmp");
  ASSERT_FALSE(background.empty());
  // A spot no control covers: the title band of the picture.
  EXPECT_EQ(shot.at(10, 2), background.at(10, 2));
  EXPECT_EQ(shot.at(kClientWidth - 5, kClientHeight - 5), background.at(kClientWidth - 5, kClientHeight - 5));
  save_screenshot(gallery.hwnd(), "kit-gallery.bmp");
}

TEST_F(Gallery, EveryControlSitsOnItsPlacement) {
  kit::testing::expect_placed(gallery.hwnd(), kPlacements);
}

TEST_F(Gallery, ButtonCornersLetTheBackgroundThrough) {
  Pixels shot = screen();
  Pixels background = picture_file(L"gallery.bmp");
  ASSERT_FALSE(background.empty());
  for (const Rect& r : {kPrimaryButton, kSecondaryButton}) {
    // The rounded corner's outermost pixel is key colour in the picture.
    EXPECT_EQ(shot.at(r.x, r.y), background.at(r.x, r.y));
    EXPECT_EQ(shot.at(r.right() - 1, r.bottom() - 1), background.at(r.right() - 1, r.bottom() - 1));
  }
}

TEST_F(Gallery, ButtonShowsItsNormalPictureThenTheHoverPictureUnderThePointer) {
  Pixels normal = picture_resource(IDB_PRIMARY_NORMAL);
  Pixels hover_picture = picture_resource(IDB_PRIMARY_HOVER);
  const int cx = kPrimaryPictures.width / 2, cy = 4;  // inside the face, above the word
  ASSERT_NE(normal.at(cx, cy), hover_picture.at(cx, cy));

  EXPECT_EQ(screen().at(kPrimaryButton.x + cx, kPrimaryButton.y + cy), normal.at(cx, cy));
  hover(gallery.primary);
  EXPECT_TRUE(gallery.primary.is_hovering());
  EXPECT_EQ(screen().at(kPrimaryButton.x + cx, kPrimaryButton.y + cy), hover_picture.at(cx, cy));
  save_screenshot(gallery.hwnd(), "kit-gallery-hover.bmp");
}

TEST_F(Gallery, PressedButtonShiftsItsPictureOnePixel) {
  Pixels before = screen();
  SendMessageW(gallery.primary.hwnd(), BM_SETSTATE, TRUE, 0);
  pump(kRepaintWait);
  Pixels pressed = screen();
  save_screenshot(gallery.hwnd(), "kit-gallery-pressed.bmp");
  SendMessageW(gallery.primary.hwnd(), BM_SETSTATE, FALSE, 0);
  const int x = kPrimaryButton.x + 20, y = kPrimaryButton.y + 10;
  EXPECT_EQ(pressed.at(x + 1, y + 1), picture_resource(IDB_PRIMARY_HOVER).at(20, 10));
  EXPECT_NE(before, pressed);
}

TEST_F(Gallery, DisabledButtonIsDrawnEmbossedNotAsItsPicture) {
  Pixels shot = screen();
  const int cx = kPrimaryPictures.width / 2, cy = 4;
  EXPECT_NE(shot.at(kDisabledButton.x + cx, kDisabledButton.y + cy),
            shot.at(kPrimaryButton.x + cx, kPrimaryButton.y + cy));
}

TEST_F(Gallery, BitmapEditWritesBlackTextOverItsPicture) {
  Pixels box = picture_resource(IDB_EDIT_BOX);
  Pixels shot = screen();
  // Bottom right of the box is past the text: the picture itself shows there.
  const int x = kBitmapEdit.w - 3, y = kBitmapEdit.h - 3;
  EXPECT_EQ(shot.at(kBitmapEdit.x + x, kBitmapEdit.y + y), box.at(x, y));
  // Typing more keeps the picture and adds black ink.
  SendMessageW(gallery.bitmap_edit.hwnd(), EM_SETSEL, 0, -1);
  SendMessageW(gallery.bitmap_edit.hwnd(), WM_CHAR, L'M', 0);
  pump(kRepaintWait);
  shot = screen();
  EXPECT_EQ(shot.at(kBitmapEdit.x + x, kBitmapEdit.y + y), box.at(x, y));
  bool black = false;
  for (int yy = 0; yy < 16 && !black; ++yy)
    for (int xx = 0; xx < 16 && !black; ++xx) black = shot.at(kBitmapEdit.x + xx, kBitmapEdit.y + yy) == RGB(0, 0, 0);
  EXPECT_TRUE(black);
}

TEST_F(Gallery, ColorEditShowsItsOwnGround) {
  Pixels shot = screen();
  EXPECT_EQ(shot.at(kColorEdit.right() - 3, kColorEdit.bottom() - 3), RGB(239, 244, 250));
}

TEST_F(Gallery, ReportListDrawsTheSelectedRowInSelectionColours) {
  HWND list = gallery.report.hwnd();
  RECT row{};
  ListView_GetItemRect(list, 1, &row, LVIR_BOUNDS);
  POINT at{row.right - 4, row.top + 2};
  MapWindowPoints(list, gallery.hwnd(), &at, 1);
  EXPECT_EQ(screen().at(at.x, at.y), GetSysColor(COLOR_HIGHLIGHT));
  ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
  POINT plain{row.right - 4, row.top + 2};
  MapWindowPoints(list, gallery.hwnd(), &plain, 1);
  EXPECT_EQ(screen().at(plain.x, plain.y), GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace kit::gallery
