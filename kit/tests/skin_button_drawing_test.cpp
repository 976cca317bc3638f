// What a SkinButton draws: the key colour left out, where the picture and caption
// sit, one picture for every state, the face colours, failed attachments and the
// parent seen through the key colour.
#include "kit/tests/skin_button_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace skin_button_testing;
using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// ---- key colour mask ------------------------------------------------------------

TEST_F(SkinButtonTest, KeyColourIsNeverDrawnAndAColourOneStepAwayIs) {
  // Columns alternate between the key colour and its neighbours in each channel.
  const COLORREF neighbours[] = {RGB(254, 0, 255), RGB(255, 1, 255), RGB(255, 0, 254)};
  auto colour_at = [&](int x, int y) { return (x + y) % 2 == 0 ? kKey : neighbours[(x + y) / 2 % 3]; };
  HBITMAP picture = make_picture(8, 8, colour_at);
  open([&](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, kFace, false);
    ASSERT_EQ(d.plain.attach_state_images(picture, kKey, nullptr, 0), SkinButton::kOk);
  });
  Pixels p = print(dialog_.plain);
  const int left = (60 - 8) / 2;
  const int top = (30 - 8) / 2;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      COLORREF expected = colour_at(x, y) == kKey ? kFace : colour_at(x, y);
      ASSERT_EQ(p.at(left + x, top + y), expected) << x << "," << y;
    }
  EXPECT_EQ(p.count(kKey), 0);
  // The picture itself was changed in place: key pixels are black now.
  const Pixels changed = kit::testing::of_bitmap(picture);
  EXPECT_EQ(changed.at(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(changed.at(1, 0), neighbours[0]);
  EXPECT_EQ(dialog_.plain.hover_image().width, 8);
  EXPECT_NE(dialog_.plain.hover_image().mask.get(), nullptr);
}

// ---- placement ------------------------------------------------------------------

TEST_F(SkinButtonTest, WithoutCaptionThePictureIsCentredBothWays) {
  open([](TestDialog& d) { flat_with_pictures(d.plain, 11, 7); });
  RECT ink = print(dialog_.plain).box_of(kNormalInk);
  // The 11x7 picture's ink (inside the key frame) in a 60x30 button, halves truncated.
  EXPECT_EQ(ink.left, (60 - 11) / 2 + 1);
  EXPECT_EQ(ink.top, (30 - 7) / 2 + 1);
  EXPECT_EQ(width_of(ink), 9);
  EXPECT_EQ(height_of(ink), 5);
}

TEST_F(SkinButtonTest, WithCaptionThePictureSitsLeftAndTheCaptionIsCentredInTheRest) {
  open([](TestDialog& d) {
    flat_with_pictures(d.captioned, 20, 10);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, true);
  });
  Pixels p = print(dialog_.captioned);
  RECT picture = p.box_of(kNormalInk);
  EXPECT_EQ(picture.left, 3 + 1);
  EXPECT_EQ(picture.top, (36 - 10) / 2 + 1);
  // Caption ink: anything that is neither face nor picture.
  RECT ink = p.box([](COLORREF c) { return c != kFace && c != kNormalInk; });
  // Where the centred text block belongs: measured as the button measures it, in the
  // button less the picture's width and gap.
  RECT block{20 + 3, 0, 120, 36};
  {
    kit::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    kit::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(dialog_.captioned.hwnd(), WM_GETFONT, 0, 0)));
    DrawTextW(dc.get(), L"\u5F00\u59CB\u5206\u6790", -1, &block, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
  }
  OffsetRect(&block, (97 - width_of(block)) / 2, (36 - height_of(block)) / 2);
  ASSERT_GT(width_of(ink), 0);
  EXPECT_GE(ink.left, block.left);
  EXPECT_LE(ink.right, block.right);
  EXPECT_LE(ink.left - block.left, 2);
  EXPECT_GE(ink.top, block.top);
  EXPECT_LE(ink.bottom, block.bottom);
}

// ---- one picture ----------------------------------------------------------------

TEST_F(SkinButtonTest, WithOnlyAHoverPictureItShowsInEveryState) {
  open([](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, kFace, false);
    ASSERT_EQ(d.plain.attach_state_images(framed_picture(10, 6, kHoverInk), kKey, nullptr, 0), SkinButton::kOk);
  });
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, FALSE, 0);
  hover(dialog_.plain);
  EXPECT_EQ(width_of(print(dialog_.plain).box_of(kHoverInk)), 8);
}

TEST_F(SkinButtonTest, MissingHoverResourceLeavesNoPicturesAndSucceeds) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  HBITMAP old_picture = dialog_.plain.normal_image().bitmap.get();
  EXPECT_EQ(dialog_.plain.load_state_images(60001, kKey, 60002, kKey), SkinButton::kOk);
  EXPECT_EQ(dialog_.plain.hover_image().bitmap.get(), nullptr);
  EXPECT_EQ(dialog_.plain.normal_image().bitmap.get(), nullptr);
  EXPECT_EQ(GetObjectType(old_picture), 0u);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kFace), p.width() * p.height());
}

// ---- colours --------------------------------------------------------------------

TEST_F(SkinButtonTest, ColourSlotSixOrMoreIsRefusedAndChangesNothing) {
  SkinButton b;
  for (BYTE slot = 0; slot < SkinButton::kColorSlotCount; ++slot)
    ASSERT_EQ(b.set_state_color(slot, RGB(slot, 1, 2), false), SkinButton::kOk);
  EXPECT_EQ(b.set_state_color(6, RGB(9, 9, 9), false), SkinButton::kBadColorSlot);
  EXPECT_EQ(b.set_state_color(255, RGB(9, 9, 9), false), SkinButton::kBadColorSlot);
  for (BYTE slot = 0; slot < SkinButton::kColorSlotCount; ++slot)
    EXPECT_EQ(b.state_color(static_cast<SkinButton::ColorSlot>(slot)), RGB(slot, 1, 2));
  b.reset_state_colors(false);
  EXPECT_EQ(b.state_color(SkinButton::FocusBackground), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(b.state_color(SkinButton::FocusText), GetSysColor(COLOR_BTNTEXT));
}

TEST_F(SkinButtonTest, FaceUsesTheNormalFocusAndActiveFills) {
  open([](TestDialog& d) {
    d.plain.set_state_color(SkinButton::NormalBackground, RGB(10, 0, 0), false);
    d.plain.set_state_color(SkinButton::FocusBackground, RGB(20, 0, 0), false);
    d.plain.set_state_color(SkinButton::ActiveBackground, RGB(30, 0, 0), false);
    d.plain.enable_hover_border(false, false);
  });
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(10, 0, 0));
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.plain.hwnd()), TRUE);
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(20, 0, 0));
  SendMessageW(dialog_.plain.hwnd(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(print(dialog_.plain).at(30, 15), RGB(30, 0, 0));
}

// ---- attach failures ------------------------------------------------------------

TEST_F(SkinButtonTest, UnreadablePictureSizeIsCodeOneAndLeavesNoPictures) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  SkinButton& b = dialog_.plain;
  HBITMAP old_hover = b.hover_image().bitmap.get();
  HBITMAP old_mask = b.hover_image().mask.get();
  auto* not_a_bitmap = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(0x7FF0BAD0));
  EXPECT_EQ(b.attach_state_images(not_a_bitmap, kKey, nullptr, 0), SkinButton::kSizeUnreadable);
  EXPECT_EQ(GetObjectType(old_hover), 0u);
  EXPECT_EQ(GetObjectType(old_mask), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);

  // A bad normal picture throws away the good hover picture as well.
  HBITMAP good = framed_picture(10, 6, kHoverInk);
  EXPECT_EQ(b.attach_state_images(good, kKey, not_a_bitmap, kKey), SkinButton::kSizeUnreadable);
  EXPECT_EQ(GetObjectType(good), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);
  Pixels p = print(b);
  EXPECT_EQ(p.count(kHoverInk) + p.count(kNormalInk), 0);
}

TEST_F(SkinButtonTest, MaskThatCannotBeMadeIsCodeTwoAndLeavesNoPictures) {
  open();
  static int masks_allowed = 0;
  SkinButton::set_mask_factory([](int w, int h) -> HBITMAP {
    return masks_allowed-- > 0 ? CreateBitmap(w, h, 1, 1, nullptr) : nullptr;
  });
  SkinButton& b = dialog_.plain;
  HBITMAP hover = framed_picture(10, 6, kHoverInk);
  masks_allowed = 0;
  EXPECT_EQ(b.attach_state_images(hover, kKey, nullptr, 0), SkinButton::kMaskFailed);
  EXPECT_EQ(GetObjectType(hover), 0u);

  hover = framed_picture(10, 6, kHoverInk);
  HBITMAP normal = framed_picture(10, 6, kNormalInk);
  masks_allowed = 1;  // the normal picture's mask fails
  EXPECT_EQ(b.attach_state_images(hover, kKey, normal, kKey), SkinButton::kMaskFailed);
  EXPECT_EQ(GetObjectType(hover), 0u);
  EXPECT_EQ(GetObjectType(normal), 0u);
  EXPECT_EQ(b.hover_image().bitmap.get(), nullptr);
  EXPECT_EQ(b.hover_image().mask.get(), nullptr);
}

// ---- see-through ----------------------------------------------------------------

TEST_F(SkinButtonTest, SeeThroughShowsTheParentsPixelsCapturedOnce) {
  open([](TestDialog& d) {
    d.plain.enable_hover_border(false, true);
    d.plain.show_parent_through(true);
    ASSERT_EQ(d.plain.attach_state_images(framed_picture(10, 6, kHoverInk), kKey, nullptr, 0), SkinButton::kOk);
  });
  SkinButton& b = dialog_.plain;
  Pixels p = print(b);
  const int left = (60 - 10) / 2;
  const int top = (30 - 6) / 2;
  for (POINT at : {POINT{0, 0}, POINT{59, 29}, POINT{left, top}, POINT{left + 9, top + 5}})
    EXPECT_EQ(p.at(at.x, at.y), parent_pattern(kPlainRect.left + at.x, kPlainRect.top + at.y)) << at.x << "," << at.y;
  EXPECT_EQ(p.at(left + 1, top + 1), kHoverInk);

  // The cache keeps the first capture when the parent changes ...
  HBITMAP first_cache = b.background_cache_bitmap();
  dialog_.paint = [](HWND w) {
    kit::SkinPaint skin(w);
    RECT client{};
    GetClientRect(w, &client);
    kit::UniqueBrush brush(CreateSolidBrush(RGB(9, 99, 199)));
    FillRect(skin.dc(), &client, brush.get());
  };
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(print(b).at(0, 0), parent_pattern(kPlainRect.left, kPlainRect.top));
  // ... until a system colour change throws it away: the next paint takes it again.
  SendMessageW(b.hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(GetObjectType(first_cache), 0u);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(print(b).at(0, 0), RGB(9, 99, 199));
}

}  // namespace
