// decision's About box: alone (its size and its link), and modal over a window as the
// main window opens it, checked from inside its own message loop: a click on the link
// opens the address and leaves the box open, a click beside it closes the box.  A soak
// opens and closes it many times and counts the process's GDI objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "decision/testing/decision_window_test.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/testing/placement.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_about_dialog_layout.h"
#include "decision/workspace/decision_about_dialog.h"

namespace decision {
namespace {

namespace lay = about_layout;
using kit::testing::Pixels;
using testing::pump;

void press_left_button(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A point of the box that no control covers: its top-left corner.
constexpr int kBesideTheLink = 8;

class AboutBox : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    owner_.reset(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 80, 894, 630, nullptr,
                                 nullptr, module(), nullptr));
    ASSERT_TRUE(owner_);
  }
  void TearDown() override {
    owner_.reset();
    DecisionWindowTest::TearDown();
  }

  kit::UniqueWindow owner_;
};

TEST_F(AboutBox, SizesItselfToItsPictureWithTheLinkOnItsPlace) {
  DecisionAboutDialog about(module());
  HWND box = about.create(owner_.get());
  ASSERT_NE(box, nullptr);
  ShowWindow(box, SW_SHOW);
  pump(30);

  // Whatever the template's dialog units come to with the font at hand.
  const SIZE client = kit::testing::client_size(box);
  EXPECT_EQ(client.cx, lay::kWidth);
  EXPECT_EQ(client.cy, lay::kHeight);
  RECT frame{};
  GetWindowRect(box, &frame);
  EXPECT_EQ(frame.right - frame.left, lay::kWidth) << "the box has no frame";
  // Centred over its owner.
  RECT owner{};
  GetWindowRect(owner_.get(), &owner);
  EXPECT_NEAR((frame.left + frame.right) / 2, (owner.left + owner.right) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (owner.top + owner.bottom) / 2, 1);

  kit::testing::expect_placed(box, lay::kPlacements);
  EXPECT_EQ(about.link().link_target(), lay::kWebAddress);
  EXPECT_EQ(about.link().link_tip(), lay::kWebAddress);

  // The link's picture is the one the screen shows at its place, and shows the address
  // in link blue on the box's ground.
  const auto picture = reinterpret_cast<HBITMAP>(
      SendMessageW(about.item(IDC_ABOUT_LINK), STM_GETIMAGE, IMAGE_BITMAP, 0));
  const Pixels link = kit::testing::of_bitmap(picture);
  ASSERT_EQ(link.width(), lay::kLink.w);
  ASSERT_EQ(link.height(), lay::kLink.h);
  const Pixels shown = kit::testing::painted(box);
  int different = 0, blue = 0;
  for (int y = 0; y < lay::kLink.h; ++y)
    for (int x = 0; x < lay::kLink.w; ++x) {
      const COLORREF p = link.at(x, y);
      if (p != shown.at(lay::kLink.x + x, lay::kLink.y + y)) ++different;
      if (GetBValue(p) > GetRValue(p) + 40) ++blue;
    }
  EXPECT_EQ(different, 0) << "the link is not on its place or shows another picture";
  EXPECT_GT(blue, 40) << "no address on the link";
  DestroyWindow(box);
}

// What the check saw inside the modal box.
struct Seen {
  bool open_after_link_click = false;
  bool closed_by_click = false;
};
Seen g_seen;

TEST_F(AboutBox, TheLinkOpensTheAddressAndAClickBesideItClosesTheBox) {
  g_seen = {};
  DecisionAboutDialog about(module());
  INT_PTR answer = 0;
  kit::testing::while_box_is_open(
      owner_.get(), [&](HWND owner) { answer = about.run(owner); },
      [](HWND box) {
        pump(30);
        testing::save_screenshot(box, "decision-about.bmp");
        press_left_button(GetDlgItem(box, IDC_ABOUT_LINK), 5, 5);
        pump(10);
        g_seen.open_after_link_click = IsWindow(box) && IsWindowVisible(box);
        press_left_button(box, kBesideTheLink, kBesideTheLink);
        pump(10);
        g_seen.closed_by_click = !IsWindow(box) || !IsWindowVisible(box);
      });
  EXPECT_TRUE(g_seen.open_after_link_click) << "a click on the link closed the box";
  ASSERT_EQ(launches_.opens.size(), 1u);
  EXPECT_EQ(launches_.opens[0].text, lay::kWebAddress);
  EXPECT_TRUE(messages_.shown.empty()) << "the open was reported as failed";
  EXPECT_TRUE(g_seen.closed_by_click);
  EXPECT_EQ(answer, IDOK);
}

// Opens the box over owner count times; a thread timer inside each box's modal loop
// lets it paint, then closes it with a click beside the link.  Returns how many boxes
// it closed.
int open_and_close_about(HINSTANCE module, HWND owner, int count) {
  static HWND s_owner = nullptr;
  static int s_closed = 0;
  s_owner = owner;
  s_closed = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND box = kit::testing::find_owned_dialog(s_owner);
    if (!box) return;
    UpdateWindow(box);
    press_left_button(box, kBesideTheLink, kBesideTheLink);
    ++s_closed;
  });
  for (int i = 0; i < count; ++i) {
    DecisionAboutDialog about(module);
    about.run(owner);
  }
  KillTimer(nullptr, timer);
  return s_closed;
}

TEST_F(AboutBox, OpeningAndClosingItInASoakLeavesTheGdiObjectCountWhereItWas) {
  kit::testing::expect_gdi_objects_return([&](int boxes) { return open_and_close_about(module(), owner_.get(), boxes); },
                                          kit::testing::soak_rounds());
}

}  // namespace
}  // namespace decision
