// kit::Dialog's teardown and handler answers, the self-deleting floating windows, and
// the helpers dialogs are built with (placement, list texts, moving windows without a
// caption, the skin-button set-up), in real windows under the platform.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>

#include "kit/tests/dialog_test_ids.h"
#include "kit/control.h"
#include "kit/dialog.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_button.h"
#include "kit/testing/pump.h"
#include "kit/testing/window_test.h"
#include "kit/this_process.h"
#include "kit/testing/placement.h"

namespace {

using kit::Dialog;
using kit::FloatingDialog;
using kit::PixelRect;
using kit::testing::pump;

HINSTANCE module() { return GetModuleHandleW(nullptr); }

PixelRect screen_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A floating window that counts the WM_DESTROYs its own handler saw.
class Floating : public FloatingDialog {
 public:
  Floating(Key key, int* destroyed) : FloatingDialog(key), destroyed_(destroyed) {}

 protected:
  void on_destroy() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

// A floating window that goes away while it is being made.
class GoneAtOnce : public FloatingDialog {
 public:
  explicit GoneAtOnce(Key key) : FloatingDialog(key) {}

 protected:
  bool on_init_dialog() override {
    DestroyWindow(hwnd());
    return true;
  }
};

// A dialog an owner keeps as an object; counts its WM_DESTROYs.
class Kept : public Dialog {
 public:
  explicit Kept(int* destroyed) : destroyed_(destroyed) {}

 protected:
  void on_destroy() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

// The shared fixture fails a test that leaves a window or a floating object behind.
class Dialogs : public kit::testing::WindowTest {
 protected:
  static void SetUpTestSuite() { kit::set_up_this_process(); }
  void SetUp() override { faults_before_ = Dialog::teardown_faults(); }
  void TearDown() override {
    pump();
    WindowTest::TearDown();
  }

  int faults_before_ = 0;
};

// ---- teardown -----------------------------------------------------------------------

TEST_F(Dialogs, DestroyingTheOwnerDestroysAndFreesItsFloatingWindows) {
  int destroyed = 0;
  auto owner = kit::make_dialog<Dialog>();
  HWND main = owner->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(main, nullptr);
  HWND panel_a = FloatingDialog::open<Floating>(module(), IDD_FLOATING_TEST, main, &destroyed);
  HWND panel_b = FloatingDialog::open<Floating>(module(), IDD_FLOATING_TEST, main, &destroyed);
  // A picker owned by a panel: it goes with the panel.
  HWND picker = FloatingDialog::open<Floating>(module(), IDD_FLOATING_TEST, panel_a, &destroyed);
  ASSERT_TRUE(panel_a && panel_b && picker);
  EXPECT_EQ(GetWindow(picker, GW_OWNER), panel_a);
  EXPECT_NE(dynamic_cast<Floating*>(Dialog::from_window(picker)), nullptr);
  EXPECT_EQ(FloatingDialog::live_count(), 3);

  DestroyWindow(main);
  EXPECT_EQ(FloatingDialog::live_count(), 0);
  EXPECT_EQ(destroyed, 3) << "each floating window's own handler saw its end";
  for (HWND window : {panel_a, panel_b, picker}) EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Dialog::teardown_faults(), faults_before_);
}

TEST_F(Dialogs, AFloatingWindowEndedByItselfOrByItsOwnerIsFreed) {
  int destroyed = 0;
  auto owner = kit::make_dialog<Dialog>();
  HWND main = owner->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  HWND escaped = FloatingDialog::open<Floating>(module(), IDD_FLOATING_TEST, main, &destroyed);
  HWND closed = FloatingDialog::open<Floating>(module(), IDD_FLOATING_TEST, main, &destroyed);
  ASSERT_TRUE(escaped && closed);

  // Escape: the dialog ends itself from its own command handler.
  SendMessageW(escaped, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindow(escaped));
  EXPECT_EQ(FloatingDialog::live_count(), 1);
  // The owner closes the other one the only way it can: by its window.
  DestroyWindow(closed);
  EXPECT_EQ(FloatingDialog::live_count(), 0);
  EXPECT_EQ(destroyed, 2);
  EXPECT_TRUE(IsWindow(main));
}

TEST_F(Dialogs, AFloatingWindowThatCannotBeMadeLeavesNothing) {
  int destroyed = 0;
  EXPECT_EQ(FloatingDialog::open<Floating>(module(), IDD_MISSING_TEST, nullptr, &destroyed), nullptr);
  EXPECT_EQ(FloatingDialog::live_count(), 0);
  HWND gone = FloatingDialog::open<GoneAtOnce>(module(), IDD_FLOATING_TEST, nullptr);
  EXPECT_FALSE(gone && IsWindow(gone));
  EXPECT_EQ(FloatingDialog::live_count(), 0);
}

TEST_F(Dialogs, AKeptDialogLosesItsWindowBeforeItsObject) {
  int destroyed = 0;
  auto kept = kit::make_dialog<Kept>(&destroyed);
  HWND window = kept->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  kept.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(destroyed, 1) << "the derived handler ran while the object was whole";
  EXPECT_EQ(Dialog::teardown_faults(), faults_before_);
}

TEST_F(Dialogs, AnObjectDestroyedBeforeItsWindowIsCaught) {
  int destroyed = 0;
  auto* kept = new Kept(&destroyed);
  HWND window = kept->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  delete kept;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(destroyed, 0) << "no handler may run on a half-destroyed object";
  EXPECT_EQ(Dialog::teardown_faults(), faults_before_ + 1);
  accept_teardown_faults();
}

// ---- handler answers ----------------------------------------------------------------

constexpr UINT kAsk = WM_APP + 1;
constexpr LRESULT kAnswer = 1234;

// Answers kAsk and the dialog's colour request; records caption presses.
class Answering : public Dialog {
 public:
  UINT_PTR caption_hit = 0;
  POINT caption_point{};

 protected:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override {
    switch (message) {
      case kAsk:
        result = kAnswer;
        return true;
      case WM_CTLCOLORDLG:
        result = reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
        return true;
      case WM_LBUTTONDOWN:
        kit::drag_by_background(hwnd(), lparam);
        return true;
      case WM_NCLBUTTONDOWN:  // recorded instead of starting the move
        caption_hit = wparam;
        caption_point = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        return true;
    }
    return false;
  }
};

TEST_F(Dialogs, HandlersAnswerThroughTheDialogProcedureAsTheMessageNeeds) {
  auto dialog = kit::make_dialog<Answering>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(window, kAsk, 0, 0), kAnswer);  // through DWLP_MSGRESULT
  HDC dc = GetDC(window);
  EXPECT_EQ(SendMessageW(window, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)),
            reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)));  // returned directly
  ReleaseDC(window, dc);
}

// ---- controls -----------------------------------------------------------------------

// Counts the messages its window gets and leaves them all to the control.
class Counting : public kit::Control {
 public:
  int seen = 0;

 protected:
  bool on_message(UINT, WPARAM, LPARAM, LRESULT&) override {
    ++seen;
    return false;
  }
};

// Another party's subclass: counts the messages it passes on.
LRESULT CALLBACK pass_on(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(window, message, wparam, lparam);
}

std::wstring text_of(HWND window) {
  wchar_t text[16] = {};
  GetWindowTextW(window, text, 16);
  return text;
}

TEST_F(Dialogs, AControlLetsGoOfItsWindowWhateverSubclassSitsOverIt) {
  auto dialog = kit::make_dialog<Answering>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  HWND button = GetDlgItem(window, IDC_TEST_BUTTON);
  auto first = std::make_unique<Counting>();
  ASSERT_TRUE(first->bind(window, IDC_TEST_BUTTON));
  EXPECT_FALSE(Counting().bind(window, IDC_TEST_BUTTON)) << "one control per window";
  SetWindowTextW(button, L"a");
  EXPECT_GT(first->seen, 0);
  EXPECT_EQ(text_of(button), L"a");
  first.reset();
  EXPECT_EQ(kit::Control::from_window(button), nullptr);

  // Bound again, then let go while another subclass sits over the kit's: that one and
  // the button's own procedure go on working.
  auto second = std::make_unique<Counting>();
  ASSERT_TRUE(second->bind(window, IDC_TEST_BUTTON));
  int passed_on = 0;
  ASSERT_TRUE(SetWindowSubclass(button, pass_on, 1, reinterpret_cast<DWORD_PTR>(&passed_on)));
  second.reset();
  EXPECT_EQ(kit::Control::from_window(button), nullptr);
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_GE(passed_on, 2);
  dialog.reset();
  EXPECT_FALSE(IsWindow(button));
}

TEST_F(Dialogs, APressOnTheBackgroundBecomesAPressOnTheCaption) {
  auto dialog = kit::make_dialog<Answering>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  SetWindowPos(window, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  POINT pressed{10, 12};
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pressed.x, pressed.y));
  EXPECT_EQ(dialog->caption_hit, 0u) << "posted, so the press's own handler ends first";
  pump();
  ClientToScreen(window, &pressed);
  EXPECT_EQ(dialog->caption_hit, static_cast<UINT_PTR>(HTCAPTION));
  EXPECT_EQ(dialog->caption_point.x, pressed.x);
  EXPECT_EQ(dialog->caption_point.y, pressed.y);
}

// ---- placing windows ----------------------------------------------------------------

TEST(KeepInside, MovesAWindowOntoTheAreaWithoutResizingIt) {
  constexpr PixelRect kArea{0, 0, 1000, 700};
  EXPECT_EQ(kit::keep_inside({100, 100, 200, 100}, kArea), (PixelRect{100, 100, 200, 100}));
  EXPECT_EQ(kit::keep_inside({900, 650, 200, 100}, kArea), (PixelRect{800, 600, 200, 100}));
  EXPECT_EQ(kit::keep_inside({-30, -5, 200, 100}, kArea), (PixelRect{0, 0, 200, 100}));
  // Too big for the area: the top-left corner stays on it.
  EXPECT_EQ(kit::keep_inside({500, 500, 1200, 800}, kArea), (PixelRect{0, 0, 1200, 800}));
}

TEST_F(Dialogs, APopUpOpensAtItsPointAndStaysOnTheWorkArea) {
  auto popup = kit::make_dialog<Dialog>();
  HWND window = popup->create_modeless(module(), IDD_FLOATING_TEST, nullptr);
  ASSERT_NE(window, nullptr);
  kit::place_popup_at(window, {120, 80});
  EXPECT_EQ(screen_rect(window).x, 120);
  EXPECT_EQ(screen_rect(window).y, 80);

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  kit::place_popup_at(window, {work.right - 5, work.bottom - 5});
  const PixelRect placed = screen_rect(window);
  EXPECT_EQ(placed.right(), work.right);
  EXPECT_EQ(placed.bottom(), work.bottom);
}

TEST_F(Dialogs, ABoxOpensCentredOverItsOwner) {
  auto owner = kit::make_dialog<Dialog>();
  HWND main = owner->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  SetWindowPos(main, nullptr, 100, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  auto box = kit::make_dialog<Dialog>();
  HWND window = box->create_modeless(module(), IDD_FLOATING_TEST, main);
  SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  kit::centre_over_owner(window);
  EXPECT_EQ(screen_rect(window), (PixelRect{200, 200, 200, 100}));
}

TEST_F(Dialogs, APlacementTablePutsEveryControlOnItsRectangle) {
  constexpr kit::Placement kTable[] = {
      {IDC_TEST_LIST, {12, 40, 150, 90}},
      {IDC_TEST_BUTTON, {180, 8, 70, 26}},
  };
  auto dialog = kit::make_dialog<Dialog>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  kit::place_controls(window, kTable);
  kit::testing::expect_placed(window, kTable);
}

// ---- list texts ---------------------------------------------------------------------

// The combo-box and list-box operations side by side, so both kinds run the same checks.
struct ListKind {
  int id;
  int (*add)(HWND, std::string_view);
  std::string (*text)(HWND, int);
  int (*count)(HWND);
  int (*selection)(HWND);
  std::string (*selected_text)(HWND);
  bool (*select)(HWND, int);
  void (*clear)(HWND);
};

TEST_F(Dialogs, ListTextsCrossTheEdgeAsGbkBytes) {
  const ListKind kinds[] = {
      {IDC_TEST_COMBO, kit::combo_add, kit::combo_text, kit::combo_count, kit::combo_selection,
       kit::combo_selected_text, kit::combo_select, kit::combo_clear},
      {IDC_TEST_LIST, kit::list_add, kit::list_text, kit::list_count, kit::list_selection,
       kit::list_selected_text, kit::list_select, kit::list_clear},
  };
  const std::string texts[] = {"第一项", "第二项", "五个汉字长"};
  auto dialog = kit::make_dialog<Dialog>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  for (const ListKind& kind : kinds) {
    SCOPED_TRACE(kind.id);
    HWND list = GetDlgItem(window, kind.id);
    EXPECT_EQ(kind.selection(list), -1);
    EXPECT_EQ(kind.selected_text(list), "");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(kind.add(list, texts[i]), i);
    EXPECT_EQ(kind.count(list), 3);
    // The platform holds the characters, not the bytes: the third text is five of them.
    EXPECT_EQ(SendMessageW(list, kind.id == IDC_TEST_COMBO ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, 2, 0), 5);
    EXPECT_EQ(kind.text(list, 1), texts[1]);
    EXPECT_EQ(kind.text(list, 7), "");
    EXPECT_TRUE(kind.select(list, 2));
    EXPECT_EQ(kind.selection(list), 2);
    EXPECT_EQ(kind.selected_text(list), texts[2]);
    EXPECT_FALSE(kind.select(list, 9));
    EXPECT_TRUE(kind.select(list, -1));
    EXPECT_EQ(kind.selection(list), -1);
    kind.clear(list);
    EXPECT_EQ(kind.count(list), 0);
  }
}

// ---- the skin-button set-up -----------------------------------------------------------

TEST_F(Dialogs, ASkinButtonIsSetUpInOneCall) {
  auto dialog = kit::make_dialog<Dialog>();
  HWND window = dialog->create_modeless(module(), IDD_OWNER_TEST, nullptr);
  constexpr PixelRect kPlace{110, 40, 96, 32};
  constexpr kit::PixelColor kKey{255, 0, 255};
  kit::SkinButton button;
  EXPECT_EQ(button.set_up(window, IDC_TEST_BUTTON,
                          {.place = kPlace, .hover_picture = IDB_TEST_STRIPES, .key = kKey, .tip = "提示"}),
            kit::SkinButton::kOk);
  EXPECT_EQ(kit::control_rect(window, IDC_TEST_BUTTON), kPlace);
  EXPECT_NE(button.hover_image().bitmap.get(), nullptr);
  EXPECT_EQ(button.hover_image().key, kKey.colorref());
  ASSERT_NE(button.tip_text(), nullptr);
  EXPECT_EQ(*button.tip_text(), "提示");
  EXPECT_EQ(button.pointer(), nullptr);

  kit::SkinButton again;
  EXPECT_EQ(again.set_up(window, IDC_TEST_BUTTON, {}), kit::SkinButton::kNoSuchControl) << "already bound";
  kit::SkinButton missing;
  EXPECT_EQ(missing.set_up(window, IDC_TEST_MISSING, {}), kit::SkinButton::kNoSuchControl);
  kit::SkinButton without_pointer;
  EXPECT_EQ(without_pointer.set_up(window, IDC_TEST_OTHER_BUTTON, {.pointer = IDC_TEST_NO_POINTER}),
            kit::SkinButton::kPointerNotLoaded);
  dialog.reset();  // the window before the buttons
}

}  // namespace
