// The alternative panel, opened over a plain owner window that plays the main window's
// part: it records PANEL_CLOSED, copies a kept alternative back into its decision and
// destroys the panel.  The pickers and the small input box are driven as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decision/document/decision.h"
#include "decision/testing/decision_window_test.h"
#include "decision/input/probability_picker.h"
#include "decision/input/value_picker.h"
#include "kit/dpi_scale.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/testing/placement.h"
#include "kit/text/wide.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/alternative_panel.h"
#include "decision/workspace/alternative_panel_layout.h"

namespace decision {
namespace {

namespace lay = alternative_panel_layout;
using testing::pump;

// Where panels open beside the grid's cells (screen coordinates of a cell 213 x 126 at
// (300, 200)).
constexpr lay::Rect kCell{300, 200, 213, 126};
static_assert(lay::panel_top_left(1, kCell, 1, kit::kBaseDpi) == lay::ScreenPoint{300, 326});
static_assert(lay::panel_top_left(3, kCell, 1, kit::kBaseDpi) == lay::ScreenPoint{513 - 481, 326});
static_assert(lay::panel_top_left(4, kCell, 5, kit::kBaseDpi) == lay::ScreenPoint{513, 326 - 376});
static_assert(lay::panel_top_left(6, kCell, 4, kit::kBaseDpi) == lay::ScreenPoint{300 - 481, 326 - 227});
static_assert(lay::panel_top_left(8, kCell, 9, kit::kBaseDpi) == lay::ScreenPoint{300, 200 - 376});
static_assert(lay::panel_top_left(9, kCell, 2, kit::kBaseDpi) == lay::ScreenPoint{513 - 481, 200 - 227});

struct Closed {
  WPARAM index;
  LPARAM keep;
  Alternative copy;
};

// The main window's part: a plain window that owns the panel.
class Owner {
 public:
  explicit Owner(Decision& decision) : decision_(decision) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClass;
    window_class.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    RegisterClassW(&window_class);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, kClass, L"owner", WS_POPUP | WS_VISIBLE, 20, 20, 760, 620, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Owner() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }

  HWND window() const { return window_; }
  POINT screen_point(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(window_, &p);
    return p;
  }

  std::vector<Closed> closed;

 private:
  static constexpr wchar_t kClass[] = L"decision panel test owner";

  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == PANEL_CLOSED && self) {
      self->on_panel_closed(wparam, lparam);
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  // As the main window does: a kept copy replaces the alternative; the panel goes.
  void on_panel_closed(WPARAM index, LPARAM keep) {
    HWND panel = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
          if (!AlternativePanel::of(window)) return TRUE;
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&panel));
    const AlternativePanel* of = AlternativePanel::of(panel);
    ASSERT_NE(of, nullptr);
    closed.push_back({index, keep, of->alternative()});
    if (keep) decision_.alternatives[index] = of->alternative();
    DestroyWindow(panel);
  }

  Decision& decision_;
  HWND window_ = nullptr;
};

// Opens the small input box of field id by giving the field the focus.
auto focus_field(int id) {
  return [id](HWND panel) {
    SetFocus(GetDlgItem(panel, id));
    pump(200);
  };
}

class AlternativePanelTest : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    reset_decision(decision_);
    ASSERT_TRUE(IsWindow(owner_.window()));
    UpdateWindow(owner_.window());
  }
  void TearDown() override {
    if (IsWindow(owner_.window())) DestroyWindow(owner_.window());
    pump(10);
    DecisionWindowTest::TearDown();
  }

  // Gives alternative i results with these values, all of probability 10.
  void give_results(int i, std::vector<int> values) {
    Alternative& a = decision_.alternatives[i];
    a.result_count = static_cast<int>(values.size());
    for (int k = 1; k <= a.result_count; ++k) {
      a.result_str[k] = result_label(k);
      a.result_value[k] = values[k - 1];
      a.result_prob[k] = 10;
    }
  }

  HWND open_panel(int index, POINT at) {
    HWND panel = kit::FloatingDialog::open<AlternativePanel>(module(), IDD_ALTERNATIVE_PANEL, owner_.window(),
                                                             decision_, index, at);
    if (panel) ShowWindow(panel, SW_SHOW);
    pump(60);
    return panel;
  }
  HWND open_panel(int index) { return open_panel(index, owner_.screen_point(60, 40)); }

  static void click(HWND window, int id) {
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
    pump(40);
  }
  static std::string shown_text(HWND panel, int id) { return kit::get_dlg_item_text(panel, id); }
  static RECT frame_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }

  Decision decision_{};
  Owner owner_{decision_};
};

TEST_F(AlternativePanelTest, PickedValueAndProbabilityShowTheTotalAtOnceAndDroppingLeavesTheAlternative) {
  give_results(2, {0, 0});
  const Alternative before = decision_.alternatives[2];
  HWND panel = open_panel(2);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(shown_text(panel, IDC_PANEL_NUMBER), "2");
  EXPECT_EQ(shown_text(panel, IDC_PANEL_TOTAL), "0");
  AlternativePanel* editor = AlternativePanel::of(panel);

  // The value picker opens 200 left of the button and 4 below it.
  click(panel, IDC_RESULT_VALUE_1);
  HWND value_picker = editor->value_picker();
  ASSERT_NE(value_picker, nullptr);
  EXPECT_EQ(kit::testing::unnamed_controls(value_picker), std::vector<int>{});
  const RECT value_button = frame_of(GetDlgItem(panel, IDC_RESULT_VALUE_1));
  EXPECT_EQ(frame_of(value_picker).left, value_button.left - 200);
  EXPECT_EQ(frame_of(value_picker).top, value_button.bottom + 4);
  click(value_picker, IDC_VALUE_0 + 10 + 5);
  EXPECT_EQ(shown_text(panel, IDC_RESULT_VALUE_1), "5");
  EXPECT_EQ(shown_text(panel, IDC_PANEL_TOTAL), "50");

  // The probability picker opens 110 left of its button and closes the value picker.
  click(panel, IDC_RESULT_PROBABILITY_1);
  EXPECT_FALSE(IsWindow(value_picker));
  EXPECT_EQ(editor->value_picker(), nullptr);
  HWND probability_picker = editor->probability_picker();
  ASSERT_NE(probability_picker, nullptr);
  const RECT probability_button = frame_of(GetDlgItem(panel, IDC_RESULT_PROBABILITY_1));
  EXPECT_EQ(frame_of(probability_picker).left, probability_button.left - 110);
  EXPECT_EQ(frame_of(probability_picker).top, probability_button.bottom + 4);
  click(probability_picker, IDC_PROBABILITY_0 + 6);
  EXPECT_EQ(shown_text(panel, IDC_RESULT_PROBABILITY_1), "6");
  EXPECT_EQ(shown_text(panel, IDC_PANEL_TOTAL), "30");
  EXPECT_EQ(editor->alternative().total_value, 30);
  EXPECT_EQ(kit::FloatingDialog::live_count(), 2);
  kit::testing::save_screen_area(frame_of(owner_.window()), "decision-panel.bmp");

  click(panel, IDC_PANEL_DROP);
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(IsWindow(probability_picker));
  ASSERT_EQ(owner_.closed.size(), 1u);
  EXPECT_EQ(owner_.closed[0].index, 2u);
  EXPECT_EQ(owner_.closed[0].keep, 0);
  EXPECT_EQ(decision_.alternatives[2], before);
  EXPECT_EQ(kit::FloatingDialog::live_count(), 0);
}

TEST_F(AlternativePanelTest, TextsAreTypedInTheSmallInputBoxAndKeepHandsTheEditedCopyBack) {
  HWND panel = open_panel(1);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(shown_text(panel, IDC_PANEL_DESCRIPTION), kPlaceholderText);

  // The placeholder opens the box empty, over the field's top-left corner.
  const RECT field = frame_of(GetDlgItem(panel, IDC_PANEL_DESCRIPTION));
  kit::testing::while_box_is_open(panel, focus_field(IDC_PANEL_DESCRIPTION), [&](HWND box) {
    EXPECT_EQ(frame_of(box).left, field.left);
    EXPECT_EQ(frame_of(box).top, field.top);
    HWND text = GetDlgItem(box, IDC_SMALL_INPUT_TEXT);
    EXPECT_EQ(kit::get_window_text(text), "");
    kit::set_window_text(text, "换一份工作");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(shown_text(panel, IDC_PANEL_DESCRIPTION), "换一份工作");
  EXPECT_NE(GetFocus(), GetDlgItem(panel, IDC_PANEL_DESCRIPTION)) << "the next click must open the box again";

  // A result text opens with its text; cancelling keeps it.
  kit::testing::while_box_is_open(panel, focus_field(IDC_RESULT_TEXT_1), [&](HWND box) {
    HWND text = GetDlgItem(box, IDC_SMALL_INPUT_TEXT);
    EXPECT_EQ(kit::get_window_text(text), "");  // a new result is the placeholder too
    kit::set_window_text(text, "收入翻倍");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_OK), BM_CLICK, 0, 0);
  });
  kit::testing::while_box_is_open(panel, focus_field(IDC_RESULT_TEXT_1), [&](HWND box) {
    EXPECT_EQ(kit::get_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT)), "收入翻倍");
    kit::set_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT), "不要这个");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_CANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(shown_text(panel, IDC_RESULT_TEXT_1), "收入翻倍");
  EXPECT_EQ(decision_.alternatives[1].deci_str, kPlaceholderText) << "nothing reaches the decision before keep";

  click(panel, IDC_PANEL_KEEP);
  EXPECT_FALSE(IsWindow(panel));
  ASSERT_EQ(owner_.closed.size(), 1u);
  EXPECT_EQ(owner_.closed[0].index, 1u);
  EXPECT_EQ(owner_.closed[0].keep, 1);
  EXPECT_EQ(owner_.closed[0].copy.deci_str, "换一份工作");
  EXPECT_EQ(owner_.closed[0].copy.result_str[1], "收入翻倍");
  EXPECT_EQ(decision_.alternatives[1].deci_str, "换一份工作");
}

TEST_F(AlternativePanelTest, TheFifthResultGrowsThePanelAndTheFourthShrinksItAtTheSameCorner) {
  give_results(3, {1, 2, 3, 4});
  HWND panel = open_panel(3);
  ASSERT_NE(panel, nullptr);
  const RECT opened = frame_of(panel);
  EXPECT_EQ(kit::testing::client_size(panel).cy, lay::kShortHeight);
  kit::testing::expect_placed(panel, lay::kPlacements);
  kit::testing::expect_placed(panel, lay::kButtons);
  EXPECT_EQ(kit::control_rect(panel, IDC_PANEL_KEEP), lay::keep_button(lay::kShortFootY));
  EXPECT_EQ(kit::control_rect(panel, IDC_PANEL_TOTAL), lay::total(lay::kShortFootY, lay::kTotalOpeningWidth));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, IDC_RESULT_TEXT_5)));
  HWND insert_at = GetDlgItem(panel, IDC_PANEL_INSERT_AT);
  HWND delete_at = GetDlgItem(panel, IDC_PANEL_DELETE_AT);
  EXPECT_EQ(kit::combo_count(insert_at), 5);
  EXPECT_EQ(kit::combo_text(insert_at, 0), "在结果1之前");
  EXPECT_EQ(kit::combo_selected_text(insert_at), "在结果4之后");
  EXPECT_EQ(kit::combo_count(delete_at), 4);
  EXPECT_EQ(kit::combo_selected_text(delete_at), "结果4");

  // Inserting before result 1 moves 1..4 up one place.
  SendMessageW(GetDlgItem(panel, IDC_PANEL_INSERT_AT), CB_SETCURSEL, 0, 0);
  click(panel, IDC_PANEL_ADD_RESULT);
  const Alternative& copy = AlternativePanel::of(panel)->alternative();
  ASSERT_EQ(copy.result_count, 5);
  EXPECT_EQ(copy.result_str[1], kPlaceholderText);
  EXPECT_EQ(copy.result_value[1], 0);
  EXPECT_EQ(copy.result_prob[1], 10);
  EXPECT_EQ(copy.result_value[2], 1);
  EXPECT_EQ(copy.result_value[5], 4);
  EXPECT_EQ(shown_text(panel, IDC_RESULT_VALUE_5), "4");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(panel, IDC_RESULT_TEXT_5)));

  const RECT grown = frame_of(panel);
  EXPECT_EQ(grown.left, opened.left);
  EXPECT_EQ(grown.top, opened.top);
  ASSERT_EQ(kit::testing::client_size(panel).cy, lay::kTallHeight);
  EXPECT_EQ(kit::control_rect(panel, IDC_PANEL_KEEP), lay::keep_button(lay::kTallFootY));
  EXPECT_EQ(kit::control_rect(panel, IDC_PANEL_TOTAL), lay::total(lay::kTallFootY, lay::kTotalResizedWidth));

  testing::save_screenshot(panel, "decision-panel-tall.bmp");

  // The moved see-through total shows the tall picture under it, not what was there.
  kit::testing::Pixels tall(lay::kWidth, lay::kTallHeight);
  kit::draw_picture_file(tall.dc(), lay::kTallFile, 0, 0, lay::kWidth, lay::kTallHeight, kit::kBaseDpi);
  const kit::PixelRect total = lay::total(lay::kTallFootY, lay::kTotalResizedWidth);
  EXPECT_EQ(kit::testing::shown(panel).at(total.x + 3, total.y + 3), tall.at(total.x + 3, total.y + 3));

  // The rows not in use show the blank band, not a row's field.
  const kit::UniqueBitmap band(LoadBitmapW(module(), MAKEINTRESOURCEW(IDB_PANEL_BLANK_ROWS)));
  const kit::testing::Pixels band_pixels = kit::testing::of_bitmap(band.get());
  ASSERT_FALSE(band_pixels.empty());
  const kit::PixelRect blank = lay::blank_band(5);
  const int x = lay::kTextX + 100, y = lay::row_y(7) + 7;
  EXPECT_EQ(kit::testing::painted(panel).at(x, y), band_pixels.at(x - blank.x, y - blank.y));

  // Deleting the first result shrinks the panel back.
  SendMessageW(GetDlgItem(panel, IDC_PANEL_DELETE_AT), CB_SETCURSEL, 0, 0);
  click(panel, IDC_PANEL_DELETE_RESULT);
  ASSERT_EQ(AlternativePanel::of(panel)->alternative().result_count, 4);
  EXPECT_EQ(AlternativePanel::of(panel)->alternative().result_value[1], 1);
  const RECT shrunk = frame_of(panel);
  EXPECT_EQ(shrunk.left, opened.left);
  EXPECT_EQ(shrunk.top, opened.top);
  EXPECT_EQ(kit::testing::client_size(panel).cy, lay::kShortHeight);
  EXPECT_EQ(kit::control_rect(panel, IDC_PANEL_KEEP), lay::keep_button(lay::kShortFootY));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, IDC_RESULT_TEXT_5)));
  EXPECT_EQ(shown_text(panel, IDC_PANEL_TOTAL), "100");
  DestroyWindow(panel);
}

TEST_F(AlternativePanelTest, NineResultsOfferNoInsertionAndOneResultNoDeletion) {
  give_results(4, {1, 1, 1, 1, 1, 1, 1, 1, 1});
  give_results(5, {2});
  HWND full = open_panel(4);
  HWND single = open_panel(5);
  ASSERT_NE(full, nullptr);
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(kit::combo_count(GetDlgItem(full, IDC_PANEL_INSERT_AT)), 1);
  EXPECT_EQ(kit::combo_selected_text(GetDlgItem(full, IDC_PANEL_INSERT_AT)), "结果数量已满");
  click(full, IDC_PANEL_ADD_RESULT);
  EXPECT_EQ(AlternativePanel::of(full)->alternative().result_count, 9);
  EXPECT_EQ(shown_text(full, IDC_PANEL_TOTAL), "90");
  EXPECT_EQ(kit::combo_selected_text(GetDlgItem(single, IDC_PANEL_DELETE_AT)), "不可删除");
  click(single, IDC_PANEL_DELETE_RESULT);
  EXPECT_EQ(AlternativePanel::of(single)->alternative().result_count, 1);
  DestroyWindow(full);
  DestroyWindow(single);
}

TEST_F(AlternativePanelTest, APanelPlacedPastTheScreensEdgeOpensInsideTheWorkArea) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  HWND panel = open_panel(9, POINT{work.right - 100, work.bottom - 50});
  ASSERT_NE(panel, nullptr);
  const RECT frame = frame_of(panel);
  EXPECT_EQ(frame.right, work.right);
  EXPECT_EQ(frame.bottom, work.bottom);
  EXPECT_EQ(frame.right - frame.left, lay::kWidth);
  EXPECT_EQ(frame.bottom - frame.top, lay::kShortHeight);
  DestroyWindow(panel);
}

TEST_F(AlternativePanelTest, APressOnTheSurfaceClosesThePickerBeforeTheDrag) {
  HWND panel = open_panel(1);
  ASSERT_NE(panel, nullptr);
  click(panel, IDC_RESULT_PROBABILITY_1);
  HWND picker = AlternativePanel::of(panel)->probability_picker();
  ASSERT_NE(picker, nullptr);
  // The heading row of the table: no control there.
  const POINT surface{lay::kTable.x + 2, lay::kTable.y + 2};
  ASSERT_EQ(ChildWindowFromPoint(panel, surface), panel);
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(surface.x, surface.y));
  EXPECT_FALSE(IsWindow(picker));
  EXPECT_EQ(AlternativePanel::of(panel)->probability_picker(), nullptr);
  // The move that follows ends when the button comes up (or at Escape) without moving.
  const RECT before = frame_of(panel);
  PostMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(surface.x, surface.y));
  PostMessageW(panel, WM_KEYDOWN, VK_ESCAPE, 0);
  pump(50);
  EXPECT_EQ(frame_of(panel).left, before.left);
  EXPECT_EQ(frame_of(panel).top, before.top);
  EXPECT_TRUE(IsWindow(panel));
  DestroyWindow(panel);
}

TEST_F(AlternativePanelTest, ThePanelAndItsPickerGoWithTheOwnerAndFreeThemselves) {
  HWND panel = open_panel(1);
  ASSERT_NE(panel, nullptr);
  click(panel, IDC_RESULT_VALUE_1);
  HWND picker = AlternativePanel::of(panel)->value_picker();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(GetWindow(picker, GW_OWNER), panel);
  EXPECT_EQ(kit::FloatingDialog::live_count(), 2);
  DestroyWindow(owner_.window());
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(IsWindow(picker));
  EXPECT_EQ(kit::FloatingDialog::live_count(), 0);
}

}  // namespace
}  // namespace decision
