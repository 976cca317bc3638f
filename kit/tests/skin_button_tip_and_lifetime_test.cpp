// A SkinButton's tooltip and pointer, and every handle it made gone with its dialog.
#include "kit/tests/skin_button_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace skin_button_testing;
using kit::SkinButton;
using kit::testing::Pixels;
using kit::testing::pump;
using kit::testing::pump_until;

// ---- tooltip and pointer --------------------------------------------------------

TEST_F(SkinButtonTest, TipTextIsSetOnceAsOneToolAndShowsOnlyWhenActive) {
  open();
  SkinButton& b = dialog_.plain;
  // A null text makes no tooltip, not even under the mouse.
  b.set_tip_text(static_cast<const char*>(nullptr), true);
  move_pointer(window_, b.hwnd(), centre(b));
  EXPECT_EQ(b.tip_window(), nullptr);
  EXPECT_EQ(b.tip_text(), nullptr);

  // A text waits for the first mouse message over the button, which makes the tooltip.
  b.set_tip_text("保存当前决策", false);
  EXPECT_EQ(b.tip_window(), nullptr);
  move_pointer(window_, b.hwnd(), {centre(b).x - 1, centre(b).y});
  HWND tip = b.tip_window();
  ASSERT_TRUE(IsWindow(tip));
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
  b.set_tip_text("另存为", false);
  EXPECT_EQ(*b.tip_text(), "另存为");
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = b.hwnd();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), kit::to_wide("另存为"));
  SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(tool.rect.right, 60);
  EXPECT_EQ(tool.rect.bottom, 30);

  move_pointer(window_, b.hwnd(), centre(b));
  move_pointer(window_, b.hwnd(), {centre(b).x + 1, centre(b).y});
  pump(1200, window_);
  EXPECT_FALSE(IsWindowVisible(tip));

  b.set_tip_text("另存为", true);
  move_pointer(window_, b.hwnd(), {centre(b).x + 2, centre(b).y});
  EXPECT_TRUE(pump_until([&] { return IsWindowVisible(tip) != FALSE; }, kPointerWait, window_));
}

TEST_F(SkinButtonTest, PointerIsShownOverTheButtonAndAMissingCursorIsCodeOne) {
  open();
  SkinButton& b = dialog_.plain;
  const LPARAM over_client = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  SkinButton::set_resource_module(GetModuleHandleW(L"user32.dll"));
  ASSERT_EQ(b.set_pointer(32512, true), SkinButton::kOk);  // user32's arrow resource
  HCURSOR pointer = b.pointer();
  ASSERT_NE(pointer, nullptr);
  EXPECT_EQ(SendMessageW(b.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(b.hwnd()), over_client), TRUE);
  EXPECT_EQ(GetCursor(), pointer);

  EXPECT_EQ(b.set_pointer(60003, true), SkinButton::kPointerNotLoaded);
  EXPECT_EQ(b.pointer(), nullptr);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(pointer, &info));  // the previous pointer was destroyed
}

// ---- lifetime -------------------------------------------------------------------

TEST_F(SkinButtonTest, EveryHandleTheButtonMadeIsGoneWithTheDialog) {
  SkinButton::set_resource_module(GetModuleHandleW(L"user32.dll"));
  open([](TestDialog& d) {
    d.plain.show_parent_through(true);
    flat_with_pictures(d.plain);
    ASSERT_EQ(d.plain.set_pointer(32512, true), SkinButton::kOk);
    d.plain.set_tip_text("提示", true);
  });
  SkinButton& b = dialog_.plain;
  move_pointer(window_, b.hwnd(), centre(b));  // makes the tooltip
  const HGDIOBJ objects[] = {b.hover_image().bitmap.get(),  b.hover_image().mask.get(),
                             b.normal_image().bitmap.get(), b.normal_image().mask.get(),
                             b.background_cache_bitmap(),   b.background_cache_dc()};
  for (HGDIOBJ h : objects) ASSERT_NE(GetObjectType(h), 0u);
  HCURSOR pointer = b.pointer();
  HWND tip = b.tip_window();
  ASSERT_TRUE(IsWindow(tip));

  DestroyWindow(window_);
  for (HGDIOBJ h : objects) EXPECT_EQ(GetObjectType(h), 0u);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(pointer, &info));
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(b.tip_window(), nullptr);
  EXPECT_EQ(b.hwnd(), nullptr);
}

}  // namespace
