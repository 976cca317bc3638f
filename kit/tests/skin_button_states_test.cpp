// How a SkinButton follows the user: pressed, hovered under the real pointer, disabled,
// the default button and clicks.
#include "kit/tests/skin_button_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace skin_button_testing;
using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// ---- pressed --------------------------------------------------------------------

TEST_F(SkinButtonTest, PressedShowsTheHoverPictureOnePixelDownRightInASunkenBorder) {
  open([](TestDialog& d) {
    flat_with_pictures(d.captioned, 20, 10);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, false);
    d.captioned.set_state_color(SkinButton::ActiveText, kCaptionInk, false);
  });
  SkinButton& b = dialog_.captioned;
  Pixels up = print(b);
  SendMessageW(b.hwnd(), BM_SETSTATE, TRUE, 0);
  Pixels down = print(b);
  SendMessageW(b.hwnd(), BM_SETSTATE, FALSE, 0);

  RECT normal = up.box_of(kNormalInk);
  RECT pressed = down.box_of(kHoverInk);
  EXPECT_EQ(down.count(kNormalInk), 0);
  EXPECT_EQ(pressed.left, normal.left + 1);
  EXPECT_EQ(pressed.top, normal.top + 1);
  RECT text_up = up.box_of(kCaptionInk);
  RECT text_down = down.box_of(kCaptionInk);
  ASSERT_GT(width_of(text_up), 0);
  EXPECT_EQ(text_down.left, text_up.left + 1);
  EXPECT_EQ(text_down.top, text_up.top + 1);

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(down.at(0, 0), shadow);
  EXPECT_EQ(down.at(50, 0), shadow);
  EXPECT_EQ(down.at(0, 20), shadow);
  EXPECT_EQ(down.at(119, 20), highlight);
  EXPECT_EQ(down.at(50, 35), highlight);
  EXPECT_EQ(down.at(119, 35), highlight);
  EXPECT_EQ(up.at(0, 0), kFace);  // no border at rest
}

// ---- hover ----------------------------------------------------------------------

TEST_F(SkinButtonTest, HoveringShowsTheHoverPictureAndARaisedBorderUntilThePointerLeaves) {
  open([](TestDialog& d) {
    flat_with_pictures(d.plain);
    d.plain.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    d.other.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    flat_with_pictures(d.other);
    d.other.set_state_color(SkinButton::ActiveBackground, RGB(0, 0, 90), false);
    d.other.enable_hover_border(false, false);
  });
  EXPECT_FALSE(dialog_.plain.is_hovering());
  EXPECT_GT(print(dialog_.plain).count(kNormalInk), 0);

  hover(dialog_.plain);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kNormalInk), 0);
  EXPECT_GT(p.count(kHoverInk), 0);
  EXPECT_EQ(p.at(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(p.at(59, 29), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(p.at(5, 5), RGB(0, 0, 90));  // active fill

  // The leave notice ends the hover once the pointer is elsewhere.
  pointer_to_empty_area();
  EXPECT_TRUE(pump_until([&] { return !dialog_.plain.is_hovering(); }, kPointerWait, window_));
  EXPECT_GT(print(dialog_.plain).count(kNormalInk), 0);

  // With the hover border off, hovering changes picture and fill only.
  hover(dialog_.other);
  Pixels q = print(dialog_.other);
  EXPECT_EQ(q.at(0, 0), RGB(0, 0, 90));
  EXPECT_EQ(q.at(59, 29), RGB(0, 0, 90));
}

TEST_F(SkinButtonTest, PressingOutsideAndDraggingInDoesNotHover) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  mouse_input(MOUSEEVENTF_LEFTDOWN);
  pump(50, window_);
  move_pointer(window_, dialog_.plain.hwnd(), centre(dialog_.plain));
  move_pointer(window_, dialog_.plain.hwnd(), {centre(dialog_.plain).x + 2, centre(dialog_.plain).y});
  EXPECT_FALSE(dialog_.plain.is_hovering());
  EXPECT_EQ(print(dialog_.plain).count(kHoverInk), 0);
  mouse_input(MOUSEEVENTF_LEFTUP);
  pump(50, window_);
  EXPECT_TRUE(dialog_.clicks.empty());
  // With the button up, the next move over the button hovers.
  move_pointer(window_, dialog_.plain.hwnd(), {centre(dialog_.plain).x - 3, centre(dialog_.plain).y});
  EXPECT_TRUE(pump_until([&] { return dialog_.plain.is_hovering(); }, kPointerWait, window_));
}

TEST_F(SkinButtonTest, HoverEndsOnCancelModeFocusLossAndDisabling) {
  open([](TestDialog& d) { flat_with_pictures(d.plain); });
  HWND b = dialog_.plain.hwnd();
  int step = 0;
  for (auto end_it : {+[](HWND w) { SendMessageW(w, WM_CANCELMODE, 0, 0); },
                      +[](HWND w) { SendMessageW(w, WM_KILLFOCUS, 0, 0); }, +[](HWND w) { EnableWindow(w, FALSE); }}) {
    move_pointer(window_, b, {5 + step++, 5});
    ASSERT_TRUE(pump_until([&] { return dialog_.plain.is_hovering(); }, kPointerWait, window_));
    end_it(b);
    EXPECT_FALSE(dialog_.plain.is_hovering()) << step;
  }
}

// ---- disabled -------------------------------------------------------------------

TEST_F(SkinButtonTest, DisabledButtonIsEmbossedAndPassesTheFocusOn) {
  open([](TestDialog& d) {
    flat_with_pictures(d.plain, 16, 12);
    flat_with_pictures(d.captioned, 16, 12);
    d.captioned.set_state_color(SkinButton::NormalText, kCaptionInk, false);
  });
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.plain.hwnd()), TRUE);
  ASSERT_EQ(GetFocus(), dialog_.plain.hwnd());
  EnableWindow(dialog_.plain.hwnd(), FALSE);
  EXPECT_EQ(GetFocus(), dialog_.def.hwnd());  // the next tab stop

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  Pixels p = print(dialog_.plain);
  EXPECT_EQ(p.count(kNormalInk), 0);
  EXPECT_EQ(p.count(kHoverInk), 0);
  RECT embossed = p.box_of(shadow);
  EXPECT_EQ(embossed.left, (60 - 16) / 2 + 1);
  EXPECT_EQ(embossed.top, (30 - 12) / 2 + 1);

  // An unsmoothed font, so that both copies of the caption are drawn in their exact colours.
  kit::UniqueFont sharp(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
  SendMessageW(dialog_.captioned.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(sharp.get()), FALSE);
  EnableWindow(dialog_.captioned.hwnd(), FALSE);
  Pixels c = print(dialog_.captioned);
  EXPECT_EQ(c.count(kCaptionInk), 0);
  EXPECT_EQ(c.count(kNormalInk), 0);
  // The caption is drawn twice: highlight one pixel down-right, shadow on top.
  RECT text_shadow = c.box([&](COLORREF x) { return x == shadow; });
  RECT text_light = c.box([&](COLORREF x) { return x == highlight; });
  EXPECT_GT(text_shadow.right, 3 + 16 + 3 + 4);
  EXPECT_EQ(text_light.right, text_shadow.right + 1);
  EXPECT_EQ(text_light.bottom, text_shadow.bottom + 1);
  SendMessageW(dialog_.captioned.hwnd(), WM_SETFONT, 0, FALSE);
}

// ---- default button and clicks --------------------------------------------------

TEST_F(SkinButtonTest, EnterClicksTheDefaultButtonAndTheDefaultMovesWithFocus) {
  open();
  auto enter = [&] {
    MSG msg{GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    IsDialogMessageW(window_, &msg);
    pump(20, window_);
  };
  EXPECT_TRUE(dialog_.def.is_default());
  EXPECT_FALSE(dialog_.plain.is_default());
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window_, kEditId)), TRUE);
  enter();
  EXPECT_EQ(dialog_.clicks, std::vector<int>{kDefaultId});
  EXPECT_EQ(GetFocus(), dialog_.def.hwnd());  // the click takes the focus

  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_.other.hwnd()), TRUE);
  EXPECT_TRUE(dialog_.other.is_default());
  EXPECT_FALSE(dialog_.def.is_default());
  EXPECT_NE(SendMessageW(dialog_.other.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
  EXPECT_NE(SendMessageW(dialog_.def.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
  enter();
  EXPECT_EQ(dialog_.clicks, (std::vector<int>{kDefaultId, kOtherId}));
  // Both stay owner-drawn whatever the dialog manager asked for.
  EXPECT_EQ(GetWindowLongW(dialog_.other.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetWindowLongW(dialog_.def.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(SkinButtonTest, QuickSecondClickCountsAsAClick) {
  open();
  HWND b = dialog_.plain.hwnd();
  const LPARAM inside = MAKELPARAM(5, 5);
  SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(b, WM_LBUTTONUP, 0, inside);
  SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  SendMessageW(b, WM_LBUTTONUP, 0, inside);
  pump(20, window_);
  EXPECT_EQ(dialog_.clicks_of(kPlainId), 2);
}

}  // namespace
