// The decision wizard's pages, driven modeless, and the wizard running them modally:
// where the controls and the trap panel stand, the rows a count shows and the names it
// keeps, the input box over a row, the walk through alternatives and pairs with the
// pictures at each end, the two scales and the method switch, and the directions the
// wizard follows from page to page.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "decision/testing/decision_window_test.h"
#include "decision/testing/main_window_test.h"
#include "decision/document/dec_format.h"
#include "decision/wizard/decision_wizard.h"
#include "decision/wizard/wizard_alternatives_step.h"
#include "decision/wizard/wizard_alternatives_step_layout.h"
#include "decision/wizard/wizard_background_step.h"
#include "decision/wizard/wizard_page_layout.h"
#include "decision/wizard/wizard_rating_step.h"
#include "decision/wizard/wizard_results_step.h"
#include "kit/geometry.h"
#include "kit/handles.h"
#include "kit/list_text.h"
#include "kit/testing/clock.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/testing/test_folder.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_dialog.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
namespace page_lay = wizard_page_layout;
namespace alt_lay = wizard_alternatives_step_layout;
using testing::pump;

class Wizard : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    reset_decision(decision_);
  }
  void TearDown() override {
    page_.reset();
    DecisionWindowTest::TearDown();
  }

  template <class Page, class... Args>
  HWND open(Args&&... args) {
    auto made = kit::make_dialog<Page>(module(), decision_, std::forward<Args>(args)...);
    HWND window = made->create(nullptr);
    page_.reset(made.release());
    pump(60);
    return window;
  }
  template <class Page>
  Page& page() {
    return static_cast<Page&>(*page_);
  }

 public:
  static void click(HWND window, int id) {
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
    pump(30);
  }

 protected:
  static void choose(HWND window, int list_id, int index) {
    kit::combo_select(GetDlgItem(window, list_id), index);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(list_id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, list_id)));
    pump(30);
  }
  static std::string text_of(HWND window, int id) { return kit::get_dlg_item_text(window, id); }
  static bool visible(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }
  // Whether the button shows the bitmap: most of the bitmap's non-key pixels are on
  // the screen where the button stands.
  bool shows_picture(HWND window, int id, int bitmap_id) const {
    const kit::UniqueBitmap bitmap(LoadBitmapW(module(), MAKEINTRESOURCEW(bitmap_id)));
    const kit::testing::Pixels picture = kit::testing::of_bitmap(bitmap.get());
    const kit::testing::Pixels screen = kit::testing::shown(window);
    const kit::PixelRect place = kit::control_rect(window, id);
    int face = 0, same = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.at(x, y) == page_lay::kButtonKey.colorref()) continue;
        ++face;
        same += screen.at(place.x + x, place.y + y) == picture.at(x, y) ? 1 : 0;
      }
    return face > 0 && same * 10 >= face * 9;
  }
  // Steps the trap panel's blink timer to the end of the run; false if it never ends.
  bool finish_blink() {
    for (int tick = 0; tick < 2 * TrapPanel::kBlinkTicks && timers_.step(traps_.hwnd(), IDT_TRAP_BLINK); ++tick) {
    }
    return !traps_.running();
  }

  Decision decision_{};
  TrapPanel traps_{module()};
  kit::DialogPtr<WizardPage> page_;
};

TEST_F(Wizard, AlternativesPageHasItsControlsAndTheTrapPanelInItsSideArea) {
  HWND window = open<WizardAlternativesStep>(traps_);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(kit::testing::client_size(window).cx, page_lay::kWidth);
  EXPECT_EQ(kit::testing::client_size(window).cy, page_lay::kHeight);
  kit::testing::expect_placed(window, alt_lay::kPlacements);
  kit::testing::expect_placed(window, page_lay::kButtons);
  EXPECT_EQ(kit::control_rect(window, IDC_WIZARD_SIDE_TAB), page_lay::kSideTab);
  ASSERT_NE(traps_.hwnd(), nullptr);
  EXPECT_EQ(GetParent(traps_.hwnd()), window);
  RECT panel{};
  GetWindowRect(traps_.hwnd(), &panel);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&panel), 2);
  EXPECT_EQ(panel.left, page_lay::kTrapPanel.x);
  EXPECT_EQ(panel.top, page_lay::kTrapPanel.y);

  HWND list = GetDlgItem(window, IDC_WIZARD_ALTERNATIVE_COUNT);
  ASSERT_EQ(kit::combo_count(list), 8);
  EXPECT_EQ(kit::combo_text(list, 0), "  2");
  EXPECT_EQ(kit::combo_text(list, 7), "  9");
  EXPECT_EQ(kit::combo_selection(list), 0);
  EXPECT_TRUE(visible(window, IDC_WIZARD_NAME_1 + 1));
  EXPECT_FALSE(visible(window, IDC_WIZARD_NAME_1 + 2));
  EXPECT_EQ(text_of(window, IDC_WIZARD_NAME_1), kPlaceholderText);
  // Page 2 leaves the page: the pictures of "上一步" and "下一步".
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "wizard-page-2.bmp");
}

TEST_F(Wizard, LoweredCountKeepsTheNamesAndTheBlankBandCoversTheDroppedRows) {
  decision_.deci_count = 5;
  for (int k = 1; k <= 5; ++k) decision_.alternatives[k].deci_str = "方案名" + std::to_string(k);
  HWND window = open<WizardAlternativesStep>(traps_);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(visible(window, IDC_WIZARD_NAME_1 + 4));

  choose(window, IDC_WIZARD_ALTERNATIVE_COUNT, 1);  // "  3"
  EXPECT_EQ(decision_.deci_count, 3);
  EXPECT_FALSE(visible(window, IDC_WIZARD_NAME_1 + 3));
  EXPECT_FALSE(visible(window, IDC_WIZARD_NAME_1 + 4));
  EXPECT_TRUE(traps_.running());
  for (int n : {6, 7, 10}) EXPECT_TRUE(traps_.blinks(n)) << n;
  EXPECT_FALSE(traps_.blinks(8));
  EXPECT_EQ(decision_.alternatives[5].deci_str, "方案名5") << "the dropped rows keep their data";
  // Where row 4 stood, the page now shows the blank band, not the row's picture.
  pump(60);
  const kit::PixelRect strip = alt_lay::kRows.blank_strip(3);
  const auto shown = kit::testing::shown(window);
  const kit::testing::Pixels band = kit::testing::of_bitmap(
      kit::UniqueBitmap(LoadBitmapW(module(), MAKEINTRESOURCEW(IDB_WIZARD_BLANK_ROWS))).get());
  EXPECT_EQ(shown.at(strip.x + 200, strip.y + 30), band.at(200, 30));

  choose(window, IDC_WIZARD_ALTERNATIVE_COUNT, 3);  // "  5"
  EXPECT_EQ(decision_.deci_count, 5);
  EXPECT_TRUE(visible(window, IDC_WIZARD_NAME_1 + 4));
  EXPECT_EQ(text_of(window, IDC_WIZARD_NAME_1 + 3), "方案名4");
  EXPECT_EQ(text_of(window, IDC_WIZARD_NAME_1 + 4), "方案名5");

  // The same count again: only the alert.
  ASSERT_TRUE(finish_blink());
  const Decision before = decision_;
  choose(window, IDC_WIZARD_ALTERNATIVE_COUNT, 3);
  EXPECT_EQ(decision_, before);
  EXPECT_TRUE(traps_.running());
  EXPECT_TRUE(visible(window, IDC_WIZARD_NAME_1 + 4));
  EXPECT_FALSE(visible(window, IDC_WIZARD_NAME_1 + 5));
  // After the first tick: the marked traps' buttons are hidden, the rest shown.
  ASSERT_TRUE(timers_.step(traps_.hwnd(), IDT_TRAP_BLINK));
  EXPECT_EQ(traps_.tick(), 2);
  EXPECT_FALSE(IsWindowVisible(traps_.item(trap_panel_layout::button_of_trap(6))));
  EXPECT_TRUE(IsWindowVisible(traps_.item(trap_panel_layout::button_of_trap(8))));
  testing::save_screenshot(window, "wizard-page-2-blinking.bmp");
}

auto focus_row(int id) {
  return [id](HWND page) { SetFocus(GetDlgItem(page, id)); };
}

TEST_F(Wizard, ANameIsTypedInTheSmallInputBoxOverItsRow) {
  decision_.alternatives[2].deci_str = "留在原单位";
  HWND window = open<WizardAlternativesStep>(traps_);
  ASSERT_NE(window, nullptr);
  RECT row{};
  GetWindowRect(GetDlgItem(window, IDC_WIZARD_NAME_1), &row);
  kit::testing::while_box_is_open(window, focus_row(IDC_WIZARD_NAME_1), [&](HWND box) {
    RECT frame{};
    GetWindowRect(box, &frame);
    EXPECT_EQ(frame.left, row.left);
    EXPECT_EQ(frame.top, row.top);
    EXPECT_EQ(kit::get_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT)), "") << "the placeholder opens empty";
    kit::set_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT), "换一份工作");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(decision_.alternatives[1].deci_str, "换一份工作");
  EXPECT_EQ(text_of(window, IDC_WIZARD_NAME_1), "换一份工作");
  EXPECT_TRUE(traps_.blinks(8));
  EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_WIZARD_NEXT));

  ASSERT_TRUE(finish_blink());
  kit::testing::while_box_is_open(window, focus_row(IDC_WIZARD_NAME_1 + 1), [&](HWND box) {
    EXPECT_EQ(kit::get_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT)), "留在原单位");
    kit::set_window_text(GetDlgItem(box, IDC_SMALL_INPUT_TEXT), "不要这个");
    SendMessageW(GetDlgItem(box, IDC_INPUT_BOX_CANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(decision_.alternatives[2].deci_str, "留在原单位");
  EXPECT_EQ(text_of(window, IDC_WIZARD_NAME_1 + 1), "留在原单位");
}

TEST_F(Wizard, BackgroundPageTakesItsTextOnNext) {
  HWND window = open<WizardBackgroundStep>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(text_of(window, IDC_WIZARD_BACKGROUND_TEXT), kInitialBackground);
  EXPECT_EQ(GetDlgItem(window, IDC_WIZARD_BACK), nullptr);
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "wizard-page-1.bmp");
  kit::set_dlg_item_text(window, IDC_WIZARD_BACKGROUND_TEXT, "要不要换工作？");
  click(window, IDC_WIZARD_NEXT);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(page_->move(), WizardMove::Next);
  EXPECT_EQ(decision_.background, "要不要换工作？");
}

TEST_F(Wizard, ResultsPageWalksTheAlternativesAndLeavesAtEitherEnd) {
  decision_.deci_count = 3;
  decision_.alternatives[3].deci_str = "自己创业";
  decision_.alternatives[3].result_count = 2;
  decision_.alternatives[3].result_str[2] = "赔光积蓄";
  HWND window = open<WizardResultsStep>(traps_, WizardMove::Back);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(page<WizardResultsStep>().alternative(), 3) << "entered back: the last alternative";
  EXPECT_EQ(text_of(window, IDC_WIZARD_ALTERNATIVE_NUMBER), "3");
  EXPECT_EQ(text_of(window, IDC_WIZARD_ALTERNATIVE_NAME), "自己创业");
  EXPECT_EQ(kit::combo_selection(GetDlgItem(window, IDC_WIZARD_RESULT_COUNT)), 1);
  EXPECT_TRUE(visible(window, IDC_WIZARD_RESULT_1 + 1));
  EXPECT_FALSE(visible(window, IDC_WIZARD_RESULT_1 + 2));
  EXPECT_EQ(text_of(window, IDC_WIZARD_RESULT_1 + 1), "赔光积蓄");
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "wizard-page-3.bmp");

  // Lowering alternative 3's count hides the row and alerts; the other alternatives
  // keep theirs.
  choose(window, IDC_WIZARD_RESULT_COUNT, 0);
  EXPECT_EQ(decision_.alternatives[3].result_count, 1);
  EXPECT_FALSE(visible(window, IDC_WIZARD_RESULT_1 + 1));
  for (int n : {1, 2, 6, 10}) EXPECT_TRUE(traps_.blinks(n)) << n;

  click(window, IDC_WIZARD_BACK);
  click(window, IDC_WIZARD_BACK);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(page<WizardResultsStep>().alternative(), 1);
  EXPECT_EQ(text_of(window, IDC_WIZARD_ALTERNATIVE_NUMBER), "1");
  pump(60);
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_BACK, IDB_WIZARD_BACK_PAGE)) << "at the first: back to page 2";
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_NEXT, IDB_WIZARD_NEXT)) << "not at the last: next alternative";
  click(window, IDC_WIZARD_BACK);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(page_->move(), WizardMove::Back);

  window = open<WizardResultsStep>(traps_, WizardMove::Next);
  EXPECT_EQ(page<WizardResultsStep>().alternative(), 1) << "entered forward: the first alternative";
  click(window, IDC_WIZARD_NEXT);
  click(window, IDC_WIZARD_NEXT);
  EXPECT_EQ(page<WizardResultsStep>().alternative(), 3);
  pump(60);
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_BACK, IDB_WIZARD_BACK));
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_NEXT, IDB_WIZARD_NEXT_PAGE)) << "at the last: on to page 4";
  click(window, IDC_WIZARD_NEXT);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(page_->move(), WizardMove::Next);
}

TEST_F(Wizard, RatingPageWalksThePairsAndStoresThePicks) {
  decision_.alternatives[1].result_count = 2;
  HWND window = open<WizardRatingStep>(traps_, WizardMove::Next);
  ASSERT_NE(window, nullptr);
  auto pair = [&] { return std::make_pair(page<WizardRatingStep>().alternative(), page<WizardRatingStep>().result()); };
  EXPECT_EQ(pair(), std::make_pair(1, 1));
  EXPECT_EQ(text_of(window, IDC_RATING_PROBABILITY_NUMBER), "10");
  EXPECT_EQ(text_of(window, IDC_RATING_VALUE_NUMBER), "0");
  EXPECT_EQ(page<WizardRatingStep>().value_bar().position(), 10);
  for (int n : {1, 2, 3, 4, 5, 9}) EXPECT_TRUE(traps_.blinks(n)) << n;
  EXPECT_EQ(kit::testing::unnamed_controls(window), std::vector<int>{});
  testing::save_screenshot(window, "wizard-page-4.bmp");

  ASSERT_TRUE(finish_blink());
  click(window, IDC_RATING_VALUE_0);
  EXPECT_EQ(decision_.alternatives[1].result_value[1], -10);
  EXPECT_EQ(text_of(window, IDC_RATING_VALUE_NUMBER), "-10");
  EXPECT_EQ(page<WizardRatingStep>().value_bar().position(), 0);
  EXPECT_FALSE(traps_.blinks(1)) << "a value pick replaces the marks";
  click(window, IDC_RATING_VALUE_20);
  EXPECT_EQ(decision_.alternatives[1].result_value[1], 10);
  click(window, IDC_RATING_PROBABILITY_0 + 3);
  EXPECT_EQ(decision_.alternatives[1].result_prob[1], 3);
  EXPECT_EQ(text_of(window, IDC_RATING_PROBABILITY_NUMBER), "3");

  pump(60);
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_BACK, IDB_WIZARD_BACK_PAGE)) << "at (1,1): back to page 3";
  // Three presses of the method switch come round to where they started, pictures and
  // all.
  for (int method : {ByPreference, ByUtility, ByEvaluation}) {
    click(window, IDC_RATING_METHOD);
    EXPECT_EQ(decision_.base_of, method);
  }
  SetCursorPos(0, 0);  // the switch shows its normal picture
  pump(60);
  EXPECT_TRUE(shows_picture(window, IDC_RATING_METHOD, IDB_METHOD_EVALUATION));

  click(window, IDC_WIZARD_NEXT);
  EXPECT_EQ(pair(), std::make_pair(1, 2));
  EXPECT_EQ(text_of(window, IDC_RATING_PROBABILITY_NUMBER), "10") << "the next result shows its own picks";
  click(window, IDC_WIZARD_NEXT);
  EXPECT_EQ(pair(), std::make_pair(2, 1));
  pump(60);
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_NEXT, IDB_WIZARD_FINISH)) << "the last pair finishes";
  EXPECT_TRUE(shows_picture(window, IDC_WIZARD_BACK, IDB_WIZARD_BACK));
  click(window, IDC_WIZARD_BACK);
  EXPECT_EQ(pair(), std::make_pair(1, 2));
  click(window, IDC_WIZARD_NEXT);
  click(window, IDC_WIZARD_NEXT);
  EXPECT_FALSE(IsWindow(window)) << "Next at the last pair finishes";
  EXPECT_EQ(page_->move(), WizardMove::Next);
}

// The wizard modally: the pages follow the directions, the trap panel stands at one
// place on every page and a blink started on page 2 goes on on page 3.

TEST_F(Wizard, WizardFollowsTheDirectionsAndTheBlinkGoesOnAcrossPages) {
  kit::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                          nullptr, module(), nullptr));
  DecisionWizard wizard(module(), decision_);
  bool finished = false;
  auto run_wizard = [&](HWND parent) { finished = wizard.run(parent); };
  std::vector<std::function<void(HWND)>> steps = {
      [&](HWND page) {
        EXPECT_EQ(wizard.page(), 1);
        click(page, IDC_WIZARD_NEXT);
      },
      [&](HWND page) {
        EXPECT_EQ(wizard.page(), 2);
        choose(page, IDC_WIZARD_ALTERNATIVE_COUNT, 0);  // alerts 6, 7, 10
        click(page, IDC_WIZARD_NEXT);
      },
      [&](HWND page) {
        EXPECT_EQ(wizard.page(), 3);
        EXPECT_TRUE(wizard.traps().running()) << "the blink goes on on the next page";
        EXPECT_EQ(GetParent(wizard.traps().hwnd()), page);
        EXPECT_EQ(kit::control_rect(page, IDC_WIZARD_SIDE_TAB), page_lay::kSideTab);
        testing::save_screenshot(page, "wizard-page-3-blinking.bmp");
        click(page, IDC_WIZARD_BACK);  // alternative 1: back to page 2
      },
      [&](HWND page) {
        EXPECT_EQ(wizard.page(), 2);
        click(page, IDC_WIZARD_NEXT);
      },
      [&](HWND page) {
        click(page, IDC_WIZARD_NEXT);
        click(page, IDC_WIZARD_NEXT);  // past alternative 2
      },
      [&](HWND page) {
        EXPECT_EQ(wizard.page(), 4);
        click(page, IDC_WIZARD_NEXT);
        click(page, IDC_WIZARD_NEXT);  // (1,1), (2,1), finished
      },
  };
  kit::testing::while_boxes_are_open(owner.get(), run_wizard, steps);
  EXPECT_TRUE(finished);
  EXPECT_EQ(wizard.page(), 0);

  // Cancel on page 2 ends the wizard unfinished.
  kit::testing::while_boxes_are_open(owner.get(), run_wizard,
                                     {[&](HWND page) { click(page, IDC_WIZARD_NEXT); },
                                      [&](HWND page) { click(page, IDC_WIZARD_CANCEL); }});
  EXPECT_FALSE(finished);
}

// ---- the hand-over to the main window --------------------------------------------

constexpr kit::LocalTime kSixDecemberAtFivePastNine{2026, 12, 6, 9, 5};

void click_new(HWND window) { Wizard::click(window, IDC_NEW); }
void click_wizard_button(HWND window) { Wizard::click(window, IDC_START_WIZARD); }

class WizardHandOver : public testing::MainWindowTest {
 protected:
  WizardHandOver() : MainWindowTest(kSixDecemberAtFivePastNine) {}

  static void choose_wizard(HWND chooser) {
    Wizard::click(chooser, IDC_WIZARD_OPTION);
    Wizard::click(chooser, IDC_NEW_DECISION_OK);
  }
  static void choose_blank(HWND chooser) {
    kit::combo_select(GetDlgItem(chooser, IDC_ALTERNATIVE_COUNT), 1);  // three alternatives
    Wizard::click(chooser, IDC_NEW_DECISION_OK);
  }
  static void next(HWND page) { Wizard::click(page, IDC_WIZARD_NEXT); }
  static void cancel(HWND page) { Wizard::click(page, IDC_WIZARD_CANCEL); }
  std::string cell_text(int i) const { return kit::get_dlg_item_text(window_, IDC_CELL_1 + i - 1); }
};

TEST_F(WizardHandOver, AWizardFinishedOnItsLastPageBecomesTheNewDecision) {
  kit::testing::while_boxes_are_open(
      window_, click_new,
      {choose_wizard,
       [](HWND page) {
         kit::set_dlg_item_text(page, IDC_WIZARD_BACKGROUND_TEXT, "要不要换工作？");
         next(page);
       },
       next,                                // two alternatives
       [](HWND page) { next(page), next(page); },  // one result each
       [](HWND page) {
         Wizard::click(page, IDC_RATING_VALUE_20);  // (1,1): value 10 at probability 10
         next(page);
         next(page);
       }});
  EXPECT_TRUE(session_.has_decision());
  EXPECT_EQ(title(), "择优宝 V1.2 — 新决策(12-6 9：5).dec");
  EXPECT_EQ(current_.background, "要不要换工作？");
  EXPECT_EQ(current_.deci_count, 2);
  EXPECT_EQ(current_.alternatives[1].result_value[1], 10);
  EXPECT_EQ(current_.best_index, 1) << "ranked as any decision";
  EXPECT_EQ(current_.worst_index, 2);
  for (int i = 1; i <= 2; ++i) EXPECT_EQ(cell_text(i), alternative_report_text(current_, i));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, IDC_START_WIZARD)));

  // Saved and opened again, it reads back the same and shows the same.
  const fs::path folder = fs::temp_directory_path() / ("decision_wizard_" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(folder);
  const fs::path path = folder / "wizard.dec";
  const Decision finished = current_;
  const std::string cells[] = {cell_text(1), cell_text(2)};
  ASSERT_EQ(dialog_->save_file(path), kDecOk);
  ASSERT_EQ(session_.start_blank(3, kSixDecemberAtFivePastNine), kShapeOk);
  ASSERT_EQ(dialog_->open_file(path), kDecOk);
  EXPECT_EQ(current_.background, finished.background);
  EXPECT_EQ(current_.deci_count, finished.deci_count);
  for (int i = 1; i <= finished.deci_count; ++i) EXPECT_EQ(current_.alternatives[i], finished.alternatives[i]) << i;
  EXPECT_EQ(current_.best_index, finished.best_index);
  EXPECT_EQ(cell_text(1), cells[0]);
  EXPECT_EQ(cell_text(2), cells[1]);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

TEST_F(WizardHandOver, CancelOnAnyPageLeavesTheMainWindowAsItWas) {
  kit::testing::while_boxes_are_open(window_, click_new, {choose_blank});
  ASSERT_EQ(current_.deci_count, 3);
  const Decision before = current_;
  const std::string title_before = title();
  kit::LocalTime later = kSixDecemberAtFivePastNine;
  later.hour = 10;
  clock_.set(later);
  const std::vector<std::vector<std::function<void(HWND)>>> runs = {
      {choose_wizard, cancel},
      {choose_wizard, next, cancel},
      {choose_wizard, next, next, cancel},
      {choose_wizard, next, next, [](HWND page) { next(page), next(page); }, cancel},
  };
  for (const auto& run : runs) {
    kit::testing::while_boxes_are_open(window_, click_new, run);
    EXPECT_EQ(current_, before) << "after " << run.size() - 1 << " pages";
    EXPECT_EQ(title(), title_before);
  }
}

TEST_F(WizardHandOver, TheWizardButtonRevisesTheCurrentDecisionUnderItsName) {
  kit::testing::while_boxes_are_open(window_, click_new, {choose_blank});
  Alternative second = current_.alternatives[2], third = current_.alternatives[3];
  second.deci_str = "留在原单位";
  third.result_value[1] = -4;
  session_.accept_alternative(2, second);
  session_.accept_alternative(3, third);
  dialog_->refresh();
  const fs::path name = session_.file_name();
  kit::testing::while_boxes_are_open(
      window_, click_wizard_button,
      {next,
       [](HWND page) {
         EXPECT_EQ(kit::combo_selection(GetDlgItem(page, IDC_WIZARD_ALTERNATIVE_COUNT)), 1);
         EXPECT_EQ(kit::get_dlg_item_text(page, IDC_WIZARD_NAME_1 + 1), "留在原单位");
         EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_WIZARD_NAME_1 + 2)));
         next(page);
       },
       [](HWND page) { next(page), next(page), next(page); },
       [](HWND page) {
         next(page), next(page);  // to (3,1)
         EXPECT_EQ(kit::get_dlg_item_text(page, IDC_RATING_VALUE_NUMBER), "-4");
         Wizard::click(page, IDC_RATING_VALUE_0 + 12);  // value 2
         next(page);
       }});
  EXPECT_EQ(current_.alternatives[3].result_value[1], 2);
  EXPECT_EQ(current_.alternatives[2].deci_str, "留在原单位");
  EXPECT_EQ(session_.file_name(), name);
  EXPECT_EQ(cell_text(3), alternative_report_text(current_, 3));
}

}  // namespace
}  // namespace decision
