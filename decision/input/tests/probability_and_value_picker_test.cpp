// The probability and value pickers, opened over an owner window as the alternative
// panel opens them: where they sit, what their scale bars show, what the owner is told
// after opening and after each click, the method switch going round the three methods,
// and the picker going away with its owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "decision/document/decision.h"
#include "decision/testing/decision_window_test.h"
#include "decision/input/probability_picker.h"
#include "decision/input/probability_picker_layout.h"
#include "decision/input/value_picker.h"
#include "decision/input/value_picker_layout.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/testing/pixels.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_dialog_layout.h"

namespace decision {
namespace {

namespace bar_lay = scale_bar_layout;
namespace prob_lay = probability_picker_layout;
namespace value_lay = value_picker_layout;
using kit::testing::Pixels;
using testing::pump;

// One message the owner got from a picker, with the picker's value read when it arrived.
struct Picked {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  int value;
};

// The owner: a top-level window painted like a panel of the workspace (the main
// window's picture) that records the pickers' messages and reads the value of the
// picker the test opened, as the alternative panel does.
class Owner {
 public:
  static constexpr wchar_t kClass[] = L"decision picker test owner";

  Owner() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClass;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&window_class);  // fails harmlessly when already registered
    current_ = this;
    window_ = CreateWindowExW(0, kClass, L"owner", WS_POPUP | WS_VISIBLE, 40, 40, 560, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~Owner() {
    if (IsWindow(window_)) DestroyWindow(window_);
    current_ = nullptr;
  }

  HWND window() const { return window_; }
  POINT screen_point(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(window_, &p);
    return p;
  }

  HWND picker = nullptr;
  std::vector<Picked> picked;
  // The decision whose method the owner switches when the value picker asks, as the
  // main window has its session do.
  Decision* decision = nullptr;

 private:
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Owner* self = current_;
    switch (message) {
      case PROBABILITY_PICKED:
      case VALUE_PICKED:
        if (self) self->record(message, wparam, lparam);
        return 0;
      case METHOD_SWITCHED:
        if (self && self->decision) self->decision->base_of = static_cast<int>(wparam);
        return 0;
      case WM_PAINT: {
        // The grid of alternatives, where a panel opens its pickers.
        const kit::SkinPaint paint(window);
        const main_window_layout::Rect& cell = main_window_layout::kFirstCell;
        paint.draw_file(main_window_layout::kBackgroundFile, 16 - cell.x, 16 - cell.y,
                        main_window_layout::kClientWidth, main_window_layout::kClientHeight);
        return 0;
      }
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  void record(UINT message, WPARAM wparam, LPARAM lparam) {
    int value = 99;  // no picker to read
    if (message == PROBABILITY_PICKED) {
      if (ProbabilityPicker* p = ProbabilityPicker::of(picker)) value = p->value();
    } else if (ValuePicker* p = ValuePicker::of(picker)) {
      value = p->value();
    }
    picked.push_back({message, wparam, lparam, value});
  }

  static inline Owner* current_ = nullptr;
  HWND window_ = nullptr;
};

// The colour the picker shows in the middle of a bar button.
COLORREF button_colour(const Pixels& pixels, const kit::PixelRect& button) {
  return pixels.at(button.x + button.w / 2, button.y + button.h / 2);
}

class Pickers : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    ASSERT_TRUE(IsWindow(owner_.window()));
    owner_.decision = &decision_;
    UpdateWindow(owner_.window());
  }
  void TearDown() override {
    if (IsWindow(owner_.window())) DestroyWindow(owner_.window());
    pump(10);
    DecisionWindowTest::TearDown();
  }

  HWND open_probability(int probability) {
    owner_.picker = kit::FloatingDialog::open<ProbabilityPicker>(module(), IDD_PROBABILITY_PICKER, owner_.window(),
                                                                 owner_.screen_point(40, 120), probability);
    if (owner_.picker) ShowWindow(owner_.picker, SW_SHOWNOACTIVATE);
    pump(60);
    return owner_.picker;
  }
  HWND open_value(int value) {
    owner_.picker = kit::FloatingDialog::open<ValuePicker>(module(), IDD_VALUE_PICKER, owner_.window(), decision_,
                                                           owner_.screen_point(200, 120), value);
    if (owner_.picker) ShowWindow(owner_.picker, SW_SHOWNOACTIVATE);
    pump(60);
    return owner_.picker;
  }
  // The owner with the open picker over it, as the screen shows them.
  void save_over_owner(const char* name) {
    RECT area{};
    GetWindowRect(owner_.window(), &area);
    kit::testing::save_screen_area(area, name);
  }
  void click(int id) {
    SendMessageW(GetDlgItem(owner_.picker, id), BM_CLICK, 0, 0);
    pump(30);
  }
  // The bar as shown: for each button, whether it has its table colour (true) or the grey
  // above the position (false); a button with neither fails the test.
  std::vector<bool> coloured_buttons(const bar_lay::BarGeometry& bar, const bar_lay::Rgb* colours) {
    const Pixels pixels = kit::testing::painted(owner_.picker);
    std::vector<bool> coloured;
    for (int k = 0; k < bar.count; ++k) {
      const COLORREF shown = button_colour(pixels, bar.button(k));
      if (shown == colours[k].colorref()) {
        coloured.push_back(true);
      } else {
        EXPECT_EQ(shown, bar_lay::kAboveColour.colorref()) << "button " << k;
        coloured.push_back(false);
      }
    }
    return coloured;
  }
  static std::vector<bool> filled_to(int count, int position) {
    std::vector<bool> filled(count, false);
    for (int k = 0; k <= position; ++k) filled[k] = true;
    return filled;
  }

  Owner owner_;
  Decision decision_{};
};

TEST_F(Pickers, ProbabilityPickerOpensAtItsPointShowingTheValueAndTellsTheOwnerOnce) {
  const POINT at = owner_.screen_point(40, 120);
  HWND picker = open_probability(10);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(GetWindow(picker, GW_OWNER), owner_.window());

  RECT frame{};
  GetWindowRect(picker, &frame);
  EXPECT_EQ(frame.left, at.x);
  EXPECT_EQ(frame.top, at.y);
  EXPECT_EQ(frame.right - frame.left, prob_lay::kWidth) << "no caption, no frame";
  EXPECT_EQ(frame.bottom - frame.top, prob_lay::kHeight);
  for (int k = 0; k < bar_lay::kProbabilityPositions; ++k)
    EXPECT_EQ(kit::control_rect(picker, IDC_PROBABILITY_0 + k), bar_lay::probability_button(k)) << k;

  // Before any click: every button coloured, and exactly one message carrying 10.
  EXPECT_EQ(coloured_buttons(prob_lay::kBar, bar_lay::kProbabilityColours), filled_to(11, 10));
  ASSERT_EQ(owner_.picked.size(), 1u);
  EXPECT_EQ(owner_.picked[0].message, static_cast<UINT>(PROBABILITY_PICKED));
  EXPECT_EQ(owner_.picked[0].wparam, 1u);
  EXPECT_EQ(owner_.picked[0].lparam, 0);
  EXPECT_EQ(owner_.picked[0].value, 10);
  save_over_owner("decision-probability-picker.bmp");

  click(IDC_PROBABILITY_0 + 3);
  EXPECT_EQ(coloured_buttons(prob_lay::kBar, bar_lay::kProbabilityColours), filled_to(11, 3));
  click(IDC_PROBABILITY_0);
  EXPECT_EQ(coloured_buttons(prob_lay::kBar, bar_lay::kProbabilityColours), filled_to(11, 0));
  ASSERT_EQ(owner_.picked.size(), 3u);
  EXPECT_EQ(owner_.picked[1].value, 3);
  EXPECT_EQ(owner_.picked[2].value, 0);
  EXPECT_EQ(ProbabilityPicker::of(picker)->value(), 0);
  DestroyWindow(picker);
}

TEST_F(Pickers, ValueButtonsRunFromMinusTenToPlusTenAndTheBarFillsToThePosition) {
  HWND picker = open_value(0);
  ASSERT_NE(picker, nullptr);
  RECT client{};
  GetClientRect(picker, &client);
  EXPECT_EQ(client.right, value_lay::kWidth);
  EXPECT_EQ(client.bottom, value_lay::kHeight);
  for (int k = 0; k < bar_lay::kValuePositions; ++k)
    EXPECT_EQ(kit::control_rect(picker, IDC_VALUE_0 + k), bar_lay::value_button(k)) << k;
  EXPECT_EQ(kit::control_rect(picker, IDC_METHOD_SWITCH), value_lay::kMethodSwitch);

  // Value 0 is position 10: eleven coloured buttons and ten grey ones.
  const std::vector<bool> at_zero = coloured_buttons(value_lay::kBar, bar_lay::kValueColours);
  EXPECT_EQ(at_zero, filled_to(21, 10));
  EXPECT_EQ(std::count(at_zero.begin(), at_zero.end(), true), 11);
  save_over_owner("decision-value-picker.bmp");

  click(IDC_VALUE_0);
  EXPECT_EQ(coloured_buttons(value_lay::kBar, bar_lay::kValueColours), filled_to(21, 0));
  click(IDC_VALUE_0 + 20);
  EXPECT_EQ(coloured_buttons(value_lay::kBar, bar_lay::kValueColours), filled_to(21, 20));
  click(IDC_VALUE_0 + 10);

  ASSERT_EQ(owner_.picked.size(), 4u);
  const int expected[] = {0, -10, 10, 0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(owner_.picked[i].message, static_cast<UINT>(VALUE_PICKED)) << i;
    EXPECT_EQ(owner_.picked[i].wparam, 1u) << i;
    EXPECT_EQ(owner_.picked[i].value, expected[i]) << i;
  }
  DestroyWindow(picker);
}

TEST_F(Pickers, ThreePressesOfTheMethodSwitchGoRoundTheMethodsAndTheirPictures) {
  decision_.base_of = ByPreference;
  HWND picker = open_value(4);
  ASSERT_NE(picker, nullptr);
  const kit::SkinButton& method_switch = ValuePicker::of(picker)->method_switch();

  // What changes with the method: the background and the switch's picture at rest.
  struct Look {
    int base_of;
    Pixels background;
    Pixels switch_picture;
  };
  auto look = [&] {
    return Look{decision_.base_of, kit::testing::painted(picker),
                kit::testing::of_bitmap(method_switch.normal_image().bitmap.get())};
  };
  std::vector<Look> looks;
  looks.push_back(look());
  for (int press = 0; press < 3; ++press) {
    click(IDC_METHOD_SWITCH);
    looks.push_back(look());
  }

  const int expected[] = {ByPreference, ByUtility, ByEvaluation, ByPreference};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(looks[i].base_of, expected[i]) << i;
    ASSERT_FALSE(looks[i].switch_picture.empty()) << i;
  }
  for (int i = 1; i < 4; ++i) {
    EXPECT_NE(looks[i].background, looks[i - 1].background) << "press " << i;
    EXPECT_NE(looks[i].switch_picture, looks[i - 1].switch_picture) << "press " << i;
  }
  EXPECT_EQ(looks[3].background, looks[0].background);
  EXPECT_EQ(looks[3].switch_picture, looks[0].switch_picture);

  // The switch changes the method, not the value: the owner heard only the opening.
  EXPECT_EQ(owner_.picked.size(), 1u);
  EXPECT_EQ(ValuePicker::of(picker)->value(), 4);
  DestroyWindow(picker);
}

TEST_F(Pickers, APickerGoesAwayWithItsOwnerAndFreesItself) {
  for (bool value_picker : {false, true}) {
    Owner owner;
    const HWND picker = value_picker
                            ? kit::FloatingDialog::open<ValuePicker>(module(), IDD_VALUE_PICKER, owner.window(),
                                                                     decision_, owner.screen_point(10, 10), 3)
                            : kit::FloatingDialog::open<ProbabilityPicker>(
                                  module(), IDD_PROBABILITY_PICKER, owner.window(), owner.screen_point(10, 10), 3);
    ASSERT_NE(picker, nullptr);
    pump(20);
    EXPECT_EQ(kit::FloatingDialog::live_count(), 1);
    DestroyWindow(owner.window());
    EXPECT_FALSE(IsWindow(picker)) << (value_picker ? "value" : "probability");
    EXPECT_EQ(kit::FloatingDialog::live_count(), 0) << (value_picker ? "value" : "probability");
    pump(10);
  }
}

}  // namespace
}  // namespace decision
