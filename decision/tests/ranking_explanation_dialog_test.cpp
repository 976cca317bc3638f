// The ranking explanation dialog over a plain owner: the sentences and the weightiest
// results of a close call, the three ways it closes, the chart's bars on the right side
// of its zero line in the right colours, no GDI object left behind by its paints, and
// the main window's button that opens it only while a decision exists.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "decision/document/ranking_explanation.h"
#include "decision_window_test.h"
#include "guidance/new_decision_dialog.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/text/wide.h"
#include "res/resource_ids.h"
#include "workspace/decision_dialog.h"
#include "workspace/decision_dialog_layout.h"
#include "workspace/ranking_explanation_dialog.h"
#include "workspace/ranking_explanation_dialog_layout.h"

namespace decision {
namespace {

namespace lay = ranking_explanation_layout;
using testing::pump;

// Sets alternative i's results to (text, probability, value) triples.
struct Rated {
  const char* text;
  int probability;
  int value;
};
void rate(Decision& d, int i, std::initializer_list<Rated> results) {
  Alternative& a = d.alternatives[static_cast<std::size_t>(i)];
  a.result_count = static_cast<int>(results.size());
  int k = 1;
  for (const Rated& r : results) {
    a.result_str[static_cast<std::size_t>(k)] = r.text;
    a.result_prob[static_cast<std::size_t>(k)] = r.probability;
    a.result_value[static_cast<std::size_t>(k)] = r.value;
    ++k;
  }
}

Decision blank(int count) {
  Decision d;
  reset_decision(d);
  d.deci_count = count;
  return d;
}

// Totals 78, 72 and -30: alternative 1 leads alternative 2 by 6, and alternative 3,
// the worst, lies below zero.
Decision close_call() {
  Decision d = blank(3);
  rate(d, 1, {{"稳定收入", 10, 5}, {"新机会", 7, 4}});
  rate(d, 2, {{"新机会", 8, 6}, {"稳定收入", 6, 5}, {"通勤", 6, -1}});
  rate(d, 3, {{"搬家", 6, -5}});
  return d;
}

// Nine alternatives of nine sure results each, totals from 900 down to -900: the best
// leads by 270, more than a single change can make up (200 at most).
Decision robust_best() {
  constexpr int kValues[] = {10, 7, 5, 3, 0, -2, -5, -7, -10};
  Decision d = blank(9);
  for (int i = 1; i <= 9; ++i) {
    Alternative& a = d.alternatives[static_cast<std::size_t>(i)];
    a.result_count = 9;
    for (int k = 1; k <= 9; ++k) {
      a.result_prob[static_cast<std::size_t>(k)] = 10;
      a.result_value[static_cast<std::size_t>(k)] = kValues[i - 1];
    }
  }
  return d;
}

// Alternatives 1 and 3 share the top total 50.
Decision shared_top() {
  Decision d = blank(4);
  rate(d, 1, {{"收入", 10, 5}});
  rate(d, 2, {{"收入", 4, 5}});
  rate(d, 3, {{"名声", 5, 10}});
  rate(d, 4, {{"风险", 5, -4}});
  return d;
}

struct Opened {
  std::string sentences, weightiest;
  bool on_places = true;
  SIZE client{};
};
Opened g_opened;
Decision g_decision;
INT_PTR g_result = 0;

void run_explanation(HWND owner) {
  RankingExplanationDialog dialog(GetModuleHandleW(nullptr), g_decision);
  g_result = dialog.run(owner);
}

void read_explanation(HWND box) {
  pump(30);
  g_opened.client = kit::testing::client_size(box);
  for (const kit::Placement& place : lay::kPlacements)
    g_opened.on_places = g_opened.on_places && kit::control_rect(box, place.id) == place.rect;
  g_opened.sentences = kit::get_dlg_item_text(box, IDC_EXPLANATION_SENTENCES);
  g_opened.weightiest = kit::get_dlg_item_text(box, IDC_EXPLANATION_WEIGHTIEST);
}

void press_escape(HWND box) {
  const UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16));
  PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | (3u << 30));
  pump(20, box);
}

class RankingExplanationTest : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    owner_.reset(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 60, 700, 560, nullptr,
                                 nullptr, module(), nullptr));
    ASSERT_TRUE(owner_);
    g_opened = {};
    g_result = 0;
  }
  void TearDown() override {
    owner_.reset();
    DecisionWindowTest::TearDown();
  }

  // Opens the dialog on decision and runs check on it; check must close it.
  template <typename Check>
  void open(const Decision& decision, Check check) {
    g_decision = decision;
    kit::testing::while_box_is_open(owner_.get(), run_explanation, check);
  }

  kit::UniqueWindow owner_;
};

TEST_F(RankingExplanationTest, ACloseCallShowsItsSentencesAndClosesWithOkEscapeAndTheCloseButton) {
  Decision copy = close_call();
  compute_totals(copy);
  const RankingExplanation expected = explain_ranking(copy);
  ASSERT_EQ(expected.unique_best, 1);
  ASSERT_TRUE(expected.has_flip);

  open(close_call(), [](HWND box) {
    read_explanation(box);
    testing::save_screenshot(box, "explanation-close-call.bmp");
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(g_result, IDOK);
  EXPECT_EQ(g_opened.client.cx, lay::kWidth);
  EXPECT_EQ(g_opened.client.cy, lay::kHeight);
  EXPECT_TRUE(g_opened.on_places);
  EXPECT_EQ(g_opened.sentences, expected.margin_sentence + "\r\n" + expected.change_sentence);
  // The best and the runner-up, each with its weightiest results, most first.
  EXPECT_EQ(g_opened.weightiest,
            "方案1 最重要的结果：稳定收入(+50)、新机会(+28)\r\n"
            "方案2 最重要的结果：新机会(+48)、稳定收入(+30)、通勤(-6)");

  open(close_call(), [](HWND box) { press_escape(box); });
  EXPECT_EQ(g_result, IDCANCEL);
  open(close_call(), [](HWND box) { SendMessageW(GetDlgItem(box, IDC_EXPLANATION_CLOSE), BM_CLICK, 0, 0); });
  EXPECT_EQ(g_result, IDOK);
}

// The robust and shared-top cases: no change sentence with a shared top, and the
// weightiest results of the alternatives that share it.
TEST_F(RankingExplanationTest, ARobustBestAndASharedTopSayWhatTheirExplanationsSay) {
  Decision robust = robust_best();
  compute_totals(robust);
  const RankingExplanation robust_expected = explain_ranking(robust);
  ASSERT_FALSE(robust_expected.has_flip);
  open(robust_best(), [](HWND box) {
    read_explanation(box);
    testing::save_screenshot(box, "explanation-robust.bmp");
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(g_opened.sentences, robust_expected.margin_sentence + "\r\n" + robust_expected.change_sentence);

  Decision shared = shared_top();
  compute_totals(shared);
  const RankingExplanation shared_expected = explain_ranking(shared);
  ASSERT_EQ(shared_expected.unique_best, 0);
  g_opened = {};
  open(shared_top(), [](HWND box) {
    read_explanation(box);
    testing::save_screenshot(box, "explanation-shared-top.bmp");
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(g_opened.sentences, shared_expected.margin_sentence);
  EXPECT_EQ(g_opened.weightiest, "方案1 最重要的结果：收入(+50)\r\n方案3 最重要的结果：名声(+50)");
}

// Read off the screen: the best bar in the best band's green right of the zero line,
// the other positive bar in blue, the negative worst in grey left of it, rows in order;
// repainting the chart many times leaves no GDI object behind.
TEST_F(RankingExplanationTest, TheChartDrawsEachBarOnItsSideOfTheZeroLineInItsColour) {
  struct Seen {
    RECT best{}, other{}, worst{}, zero{};
  };
  static Seen seen;
  seen = {};
  open(close_call(), [](HWND box) {
    pump(30);
    const kit::testing::Pixels chart = kit::testing::painted(GetDlgItem(box, IDC_EXPLANATION_CHART));
    auto colour = [](unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); };
    seen.best = chart.box_of(colour(bar_rgb(kBarBest)));
    seen.other = chart.box_of(colour(bar_rgb(kBarOther)));
    seen.worst = chart.box_of(colour(bar_rgb(kBarWorst)));
    seen.zero = chart.box_of(lay::kZeroLine.colorref());
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
  ASSERT_GT(seen.zero.bottom, seen.zero.top) << "no zero line";
  EXPECT_EQ(seen.zero.right - seen.zero.left, 1) << "the zero line is one column";
  const LONG zero = seen.zero.left;
  EXPECT_GT(seen.best.right, seen.best.left) << "no green bar";
  EXPECT_GT(seen.best.left, zero);
  EXPECT_GT(seen.other.right, seen.other.left) << "no blue bar";
  EXPECT_GT(seen.other.left, zero);
  EXPECT_LT(seen.other.right, seen.best.right) << "72 is shorter than 78";
  EXPECT_GT(seen.worst.right, seen.worst.left) << "no grey bar";
  EXPECT_LE(seen.worst.right, zero) << "a negative total lies left of zero";
  EXPECT_LT(seen.best.bottom, seen.other.top);
  EXPECT_LT(seen.other.bottom, seen.worst.top);

  static HWND chart_of_box = nullptr;
  open(robust_best(), [](HWND box) {
    chart_of_box = GetDlgItem(box, IDC_EXPLANATION_CHART);
    kit::testing::expect_gdi_objects_return(
        [](int rounds) {
          for (int n = 0; n < rounds; ++n) kit::testing::painted(chart_of_box);
          return rounds;
        },
        20);
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
}

// ---- the main window's button --------------------------------------------------------

int g_count = 3;
void choose_blank(HWND chooser) {
  kit::combo_select(GetDlgItem(chooser, IDC_ALTERNATIVE_COUNT), g_count - 2);
  SendMessageW(GetDlgItem(chooser, IDC_NEW_DECISION_OK), BM_CLICK, 0, 0);
}
void click_new(HWND window) {
  SendMessageW(GetDlgItem(window, IDC_NEW), BM_CLICK, 0, 0);
  pump(40);
}
void click_explain(HWND window) {
  SendMessageW(GetDlgItem(window, IDC_EXPLAIN_RANKING), BM_CLICK, 0, 0);
  pump(40);
}

TEST_F(RankingExplanationTest, TheMainWindowsButtonShowsOnlyWithADecisionAndOpensTheExplanation) {
  Decision current{}, wizard{};
  kit::DialogPtr<DecisionDialog> main = kit::make_dialog<DecisionDialog>(module(), current, wizard);
  HWND window = main->create(nullptr);
  ASSERT_NE(window, nullptr);
  pump(60);
  HWND button = GetDlgItem(window, IDC_EXPLAIN_RANKING);
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(IsWindowVisible(button)) << "shown before a decision";

  g_count = 3;
  kit::testing::while_box_is_open(window, click_new, choose_blank);
  pump(40);
  rate(current, 1, {{"收入", 8, 6}});
  rate(current, 2, {{"收入", 5, 6}});
  rate(current, 3, {{"风险", 5, -4}});
  main->refresh();
  pump(40);
  EXPECT_TRUE(IsWindowVisible(button));
  EXPECT_EQ(kit::control_rect(window, IDC_EXPLAIN_RANKING), main_window_layout::kExplainButton);
  testing::save_screenshot(window, "decision-explain-button.bmp");

  static std::string shown_sentences;
  shown_sentences.clear();
  kit::testing::while_box_is_open(window, click_explain, [](HWND box) {
    pump(30);
    shown_sentences = kit::get_dlg_item_text(box, IDC_EXPLANATION_SENTENCES);
    SendMessageW(GetDlgItem(box, IDC_EXPLANATION_OK), BM_CLICK, 0, 0);
  });
  Decision copy = current;
  compute_totals(copy);
  const RankingExplanation expected = explain_ranking(copy);
  EXPECT_EQ(shown_sentences, expected.margin_sentence + "\r\n" + expected.change_sentence)
      << "the explanation of the current decision";
  main.reset();
  pump(20);
}

}  // namespace
}  // namespace decision
