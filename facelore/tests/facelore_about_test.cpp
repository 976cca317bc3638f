// The About box, opened as the user opens it: from the About hot area and from the
// system menu of the main window.  It is modal, so the checks run from a timer inside
// its own message loop and end by clicking it away.  A soak opens and closes it many
// times and counts the process's GDI objects before and after.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "facelore/facelore_about_dialog.h"
#include "facelore/facelore_dialog.h"
#include "kit/handles.h"
#include "kit/hyperlink_static.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"
#include "facelore/tests/window_test_support.h"

namespace facelore {
namespace {

using testing::pump;

// What a check saw of the box while it was open.
struct Seen {
  int client_width = 0;
  int client_height = 0;
  std::string target;
  std::string tip;
  bool has_picture = false;
  bool open_after_link_click = false;
  bool closed_by_click = false;
};

Seen g_seen;

void press_left_button(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Reads the box, clicks its link (which must not close it), then clicks beside the link.
void inspect_and_close(HWND box) {
  pump(30);
  RECT client{};
  GetClientRect(box, &client);
  g_seen.client_width = client.right;
  g_seen.client_height = client.bottom;
  HWND link = GetDlgItem(box, IDC_WEB_LINK);
  kit::testing::expect_placed(box, layout::kAboutPlacements);
  g_seen.has_picture = SendMessageW(link, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
  if (auto* hyperlink = dynamic_cast<kit::HyperlinkStatic*>(kit::Control::from_window(link))) {
    g_seen.target = hyperlink->link_target();
    g_seen.tip = hyperlink->link_tip();
  }
  EXPECT_EQ(kit::testing::unnamed_controls(box), std::vector<int>{});
  testing::save_screenshot(box, "facelore-about.bmp");

  press_left_button(link, 5, 5);
  pump(10);
  g_seen.open_after_link_click = IsWindow(box) && IsWindowVisible(box);

  press_left_button(box, 8, 8);
  pump(10);
  g_seen.closed_by_click = !IsWindow(box) || !IsWindowVisible(box);
}

class AboutBox : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    g_seen = {};
    open_main_window();
  }
  void expect_seen_and_closed() const {
    EXPECT_EQ(g_seen.client_width, layout::kAboutWidth);
    EXPECT_EQ(g_seen.client_height, layout::kAboutHeight);
    EXPECT_TRUE(g_seen.has_picture);
    EXPECT_EQ(g_seen.target, layout::kMakerWebAddress);
    EXPECT_EQ(g_seen.tip, layout::kMakerWebAddress);
    EXPECT_TRUE(g_seen.open_after_link_click) << "a click on the link closed the box";
    ASSERT_EQ(launches_.opens.size(), 1u);
    EXPECT_EQ(launches_.opens[0].text, layout::kMakerWebAddress);
    EXPECT_TRUE(g_seen.closed_by_click);
    EXPECT_TRUE(IsWindow(window_)) << "the main window stays open";
  }

};

TEST_F(AboutBox, OpensFromTheAboutButtonAndClosesOnAClick) {
  testing::while_box_is_open(
      window_, [](HWND main) { SendMessageW(GetDlgItem(main, IDC_ABOUT), BM_CLICK, 0, 0); }, inspect_and_close);
  expect_seen_and_closed();
}

TEST_F(AboutBox, OpensFromTheSystemMenuCommand) {
  testing::while_box_is_open(
      window_,
      [](HWND main) {
        PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
        pump(50);
      },
      inspect_and_close);
  expect_seen_and_closed();
}

// Opens the box from the About hot area count times; a thread timer running inside each
// box's modal loop lets it paint, then closes it with a click beside the link.
// Returns how many boxes it closed.
int open_and_close_about(HWND main, int count) {
  static HWND s_main = nullptr;
  static int s_closed = 0;
  s_main = main;
  s_closed = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND box = kit::testing::find_owned_dialog(s_main);
    if (!box) return;
    UpdateWindow(box);
    press_left_button(box, 8, 8);
    ++s_closed;
  });
  for (int i = 0; i < count; ++i) SendMessageW(GetDlgItem(main, IDC_ABOUT), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  return s_closed;
}

TEST_F(AboutBox, OpeningAndClosingItInASoakLeavesTheGdiObjectCountWhereItWas) {
  kit::testing::expect_gdi_objects_return([&](int boxes) { return open_and_close_about(window_, boxes); },
                                          kit::testing::soak_rounds());
  EXPECT_TRUE(IsWindow(window_));
}

class AboutBoxAlone : public testing::ProgramWindowTest {};

TEST_F(AboutBoxAlone, SizesItselfToItsPictureWhateverTheDialogUnits) {
  FaceloreAboutDialog about(GetModuleHandleW(nullptr));
  HWND box = about.create(nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindowVisible(box)) << "create leaves the box hidden";
  RECT client{};
  GetClientRect(box, &client);
  EXPECT_EQ(client.right, layout::kAboutWidth);
  EXPECT_EQ(client.bottom, layout::kAboutHeight);
  const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  RECT frame{};
  GetWindowRect(box, &frame);
  EXPECT_EQ(frame.right - frame.left, layout::kAboutWidth) << "the box has no frame";
  DestroyWindow(box);
}

}  // namespace
}  // namespace facelore
