// The small and the large input box, run modally as their openers run them: the checks
// run from a timer inside the box's own message loop, type and press keys as a user
// would, and close the box with its buttons or keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <string>

#include "decision/testing/decision_window_test.h"
#include "decision/input/small_input_box.h"
#include "decision/input/small_input_box_layout.h"
#include "kit/bitmap_edit.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/skin_button.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"
#include "decision/input/big_input_box.h"
#include "decision/input/big_input_box_layout.h"

namespace decision {
namespace {

using kit::testing::pump;

// Which box a test runs, with its layout's numbers.
struct BoxKind {
  const char* name;
  bool big;
  int width;
  int height;
  int text_id;
  std::span<const kit::Placement> placements;
  std::span<const kit::SkinButtonRow> buttons;
  const char* screenshot;
};

void PrintTo(const BoxKind& kind, std::ostream* out) { *out << kind.name; }

const BoxKind kSmall{"Small",
                     false,
                     small_input_box_layout::kWidth,
                     small_input_box_layout::kHeight,
                     IDC_SMALL_INPUT_TEXT,
                     small_input_box_layout::kPlacements,
                     small_input_box_layout::kButtons,
                     "decision-small-input.bmp"};
const BoxKind kBig{"Big",
                   true,
                   big_input_box_layout::kWidth,
                   big_input_box_layout::kHeight,
                   IDC_BIG_INPUT_TEXT,
                   big_input_box_layout::kPlacements,
                   big_input_box_layout::kButtons,
                   "decision-big-input.bmp"};

HWND text_of(HWND box, const BoxKind& kind) { return GetDlgItem(box, kind.text_id); }

// Keys as the keyboard sends them, through the dialog manager as the box's own message
// loop hands them on.
void press_key(HWND box, HWND control, UINT key) {
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(control, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(control, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
  pump(20, box);
}

void type(HWND control, std::wstring_view text) {
  for (wchar_t c : text) SendMessageW(control, WM_CHAR, c, 1);
}

void click(HWND box, int id) { SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0); }

class InputBoxTest : public testing::DecisionWindowTest, public ::testing::WithParamInterface<BoxKind> {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    owner_ = CreateWindowExW(0, L"STATIC", L"opener", WS_POPUP | WS_VISIBLE, 40, 40, 700, 500, nullptr, nullptr,
                             module(), nullptr);
    ASSERT_NE(owner_, nullptr);
    if (kind().big)
      box_ = std::make_unique<BigInputBox>(module());
    else
      box_ = std::make_unique<SmallInputBox>(module());
  }
  void TearDown() override {
    if (owner_) DestroyWindow(owner_);
    DecisionWindowTest::TearDown();
  }

  const BoxKind& kind() const { return GetParam(); }

  // Opens the box over the owner and runs check on it; check must close it.
  void open(const std::function<void(HWND box)>& check) {
    kit::testing::while_box_is_open(owner_, [this](HWND owner) { result_ = box_->run(owner); }, check);
  }

  HWND owner_ = nullptr;
  std::unique_ptr<TextInputBox> box_;
  INT_PTR result_ = 0;  // the box's answer
};

TEST_P(InputBoxTest, OpensAtTheGivenPointAsLargeAsItsPictureWithEveryControlInPlace) {
  box_->x = 210;
  box_->y = 160;
  box_->text = "原来的文字";
  open([&](HWND box) {
    pump(50);
    RECT frame{};
    GetWindowRect(box, &frame);
    EXPECT_EQ(frame.left, 210);
    EXPECT_EQ(frame.top, 160);
    EXPECT_EQ(frame.right - frame.left, kind().width) << "no border, no caption";
    EXPECT_EQ(frame.bottom - frame.top, kind().height);
    const SIZE client = kit::testing::client_size(box);
    EXPECT_EQ(client.cx, kind().width);
    EXPECT_EQ(client.cy, kind().height);
    kit::testing::expect_placed(box, kind().placements);
    kit::testing::expect_placed(box, kind().buttons);

    HWND edit = text_of(box, kind());
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(kit::get_window_text(edit), "原来的文字");
    const LONG style = GetWindowLongW(edit, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_WANTRETURN);
    auto* text_box = dynamic_cast<kit::BitmapEdit*>(kit::Control::from_window(edit));
    ASSERT_NE(text_box, nullptr);
    ASSERT_NE(text_box->background(), nullptr);
    const kit::testing::Pixels picture = kit::testing::of_bitmap(text_box->background());
    EXPECT_EQ(picture.width(), kit::control_rect(box, kind().text_id).w);
    EXPECT_EQ(picture.height(), kit::control_rect(box, kind().text_id).h);

    auto* ok = dynamic_cast<kit::SkinButton*>(kit::Control::from_window(GetDlgItem(box, IDC_INPUT_BOX_OK)));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->is_default());

    // The box's own picture is on the screen: its navy frame at the corner and the
    // text box's picture where the text box is.
    const kit::testing::Pixels shot = kit::testing::shown(box);
    EXPECT_NE(shot.at(0, 0), shot.at(kind().width / 2, kind().height - 3)) << "no frame drawn around the box";
    const kit::PixelRect text = kit::control_rect(box, kind().text_id);
    EXPECT_EQ(shot.at(text.x, text.y + text.h / 2), picture.at(0, text.h / 2));
    EXPECT_EQ(kit::testing::unnamed_controls(box), std::vector<int>{});
    testing::save_screenshot(box, kind().screenshot);
    click(box, IDC_INPUT_BOX_CANCEL);
  });
  EXPECT_EQ(result_, IDCANCEL);
}

// Every way out that does not save leaves the opener's text as it gave it.
TEST_P(InputBoxTest, CancelEscapeAndAltF4AfterTypingKeepTheOpenersText) {
  enum Way { kCancelButton, kEscape, kAltF4 };
  for (Way way : {kCancelButton, kEscape, kAltF4}) {
    box_->text = "原来的文字";
    std::string typed;
    open([&](HWND box) {
      HWND edit = text_of(box, kind());
      type(edit, L"新的");
      typed = kit::get_window_text(edit);
      switch (way) {
        case kCancelButton:
          click(box, IDC_INPUT_BOX_CANCEL);
          break;
        case kEscape:
          press_key(box, edit, VK_ESCAPE);
          break;
        case kAltF4:
          PostMessageW(edit, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
          pump(20, box);
          break;
      }
    });
    EXPECT_EQ(typed, "原来的文字新的") << way;
    EXPECT_EQ(result_, IDCANCEL) << way;
    EXPECT_EQ(box_->text, "原来的文字") << way;
  }
}

TEST_P(InputBoxTest, EnterMakesANewLineAndTheParagraphsComeBackOnOk) {
  box_->text = "第一段：换工作。\r\n第二段：留下来。";
  bool open_after_enter = false;
  open([&](HWND box) {
    HWND edit = text_of(box, kind());
    press_key(box, edit, VK_RETURN);
    open_after_enter = IsWindowVisible(box);
    type(edit, L"第三段");
    click(box, IDC_INPUT_BOX_OK);
  });
  EXPECT_TRUE(open_after_enter) << "Enter pressed the default button";
  EXPECT_EQ(result_, IDOK);
  EXPECT_EQ(box_->text, "第一段：换工作。\r\n第二段：留下来。\r\n第三段");
}

TEST_P(InputBoxTest, AnEmptiedTextComesBackEmpty) {
  box_->text = "要删掉的文字";
  open([&](HWND box) {
    HWND edit = text_of(box, kind());
    SendMessageW(edit, EM_SETSEL, 0, -1);
    type(edit, L"\b");
    click(box, IDC_INPUT_BOX_OK);
  });
  EXPECT_EQ(result_, IDOK);
  EXPECT_EQ(box_->text, "");
}

// A text longer than the box opens at its end (where the caret is), shows that more
// follows, scrolls with its picture drawn afresh under it, and comes back whole.
TEST_P(InputBoxTest, ALongPresetScrollsOverItsPictureAndComesBackWhole) {
  std::string lines;
  for (int i = 1; i <= 40; ++i) lines += "第" + std::to_string(i) + "行：一段很长的文字，要往下滚动才看得完。\r\n";
  box_->text = lines;
  int first_line_at_open = -1;
  int first_line_after_scroll = -1;
  bool bar_shown = false;
  bool moved_text_repainted = false;
  open([&](HWND box) {
    pump(50);
    HWND edit = text_of(box, kind());
    first_line_at_open = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    auto* text_box = dynamic_cast<kit::BitmapEdit*>(kit::Control::from_window(edit));
    bar_shown = text_box && text_box->scroll_bar().shown();
    // One line up, as the wheel or the keys scroll: the platform moves the drawn text
    // and repaints only the strip it uncovers, which would carry the picture along.
    // The whole box must be due for a repaint instead, down to its bottom line.
    SendMessageW(edit, WM_VSCROLL, SB_LINEUP, 0);
    first_line_after_scroll = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    const SIZE size = kit::testing::client_size(edit);
    kit::UniqueHandle<HRGN, kit::NullHandleTraits<HRGN, kit::delete_gdi_object>> due(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(edit, due.get(), FALSE);
    moved_text_repainted = PtInRegion(due.get(), size.cx / 3, size.cy - 8) != FALSE;
    pump(30);
    click(box, IDC_INPUT_BOX_OK);
  });
  EXPECT_GT(first_line_at_open, 0) << "the box did not open at the end of the text";
  EXPECT_EQ(first_line_after_scroll, first_line_at_open - 1);
  EXPECT_TRUE(bar_shown) << "nothing shows that more text follows";
  EXPECT_TRUE(moved_text_repainted) << "the picture scrolls along with the text";
  EXPECT_EQ(result_, IDOK);
  EXPECT_EQ(box_->text, lines);
}

INSTANTIATE_TEST_SUITE_P(Boxes, InputBoxTest, ::testing::Values(kSmall, kBig),
                         [](const ::testing::TestParamInfo<BoxKind>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace decision
