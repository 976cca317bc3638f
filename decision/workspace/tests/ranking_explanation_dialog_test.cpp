// The ranking explanation dialog over a plain owner: its texts for a close call, a
// robust best and a shared top, the three ways it closes, the chart's bars read off the
// screen, no GDI object left behind by its paints, and the main window's button that
// opens it only while a decision exists.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "decision/document/ranking_explanation.h"
#include "decision/testing/decision_window_test.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/testing/gdi_objects.h"
#include "kit/testing/modal_watch.h"
#include "kit/testing/pixels.h"
#include "kit/text/wide.h"
#include "kit/testing/placement.h"
#include "kit/testing/names.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/decision_dialog.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision/workspace/ranking_explanation_dialog.h"
#include "decision/workspace/ranking_explanation_dialog_layout.h"

namespace decision {
namespace {

namespace lay = ranking_explanation_layout;
using testing::pump;

struct Rated {
  const char* text;
  int probability, value;
};
void rate(Decision& d, int i, std::initializer_list<Rated> results) {
  Alternative& a = d.alternatives[static_cast<std::size_t>(i)];
  a.result_count = 0;
  for (const Rated& r : results) {
    const auto k = static_cast<std::size_t>(++a.result_count);
    a.result_str[k] = r.text;
    a.result_prob[k] = r.probability;
    a.result_value[k] = r.value;
  }
}
Decision blank(int count) {
  Decision d;
  reset_decision(d);
  d.deci_count = count;
  return d;
}

// Totals 78, 72 and -30.
Decision close_call() {
  Decision d = blank(3);
  rate(d, 1, {{"稳定收入", 10, 5}, {"新机会", 7, 4}});
  rate(d, 2, {{"新机会", 8, 6}, {"稳定收入", 6, 5}, {"通勤", 6, -1}});
  rate(d, 3, {{"搬家", 6, -5}});
  return d;
}
// Nine alternatives of nine sure results, totals 900 down to -900; the lead of 270 is
// more than one change can make up.
Decision robust_best() {
  constexpr int kValues[] = {10, 7, 5, 3, 0, -2, -5, -7, -10};
  Decision d = blank(9);
  for (int i = 1; i <= 9; ++i) {
    Alternative& a = d.alternatives[static_cast<std::size_t>(i)];
    a.result_count = 9;
    a.result_prob.fill(10);
    a.result_value.fill(kValues[i - 1]);
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

RankingExplanation explained(Decision d) {
  compute_totals(d);
  return explain_ranking(d);
}

void click(HWND box, int id) { SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0); }

class RankingExplanationTest : public testing::DecisionWindowTest {
 protected:
  void SetUp() override {
    DecisionWindowTest::SetUp();
    if (HasFatalFailure()) return;
    owner_.reset(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 60, 700, 560, nullptr,
                                 nullptr, module(), nullptr));
    ASSERT_TRUE(owner_);
  }
  void TearDown() override {
    owner_.reset();
    DecisionWindowTest::TearDown();
  }

  // Runs the dialog on decision; check sees it open and must close it.
  template <typename Check>
  void open(const Decision& decision, Check check) {
    result_ = 0;
    kit::testing::while_box_is_open(
        owner_.get(),
        [&](HWND owner) {
          RankingExplanationDialog dialog(module(), decision);
          result_ = dialog.run(owner);
        },
        check);
  }

  kit::UniqueWindow owner_;
  INT_PTR result_ = 0;  // the dialog's answer
};

struct Shown {
  std::string sentences, weightiest;
  SIZE client{};
};
Shown g_shown;
void read_and_save(HWND box, const char* screenshot) {
  pump(30);
  g_shown.client = kit::testing::client_size(box);
  kit::testing::expect_placed(box, lay::kPlacements);
  kit::testing::expect_placed(box, lay::kButtons);
  g_shown.sentences = kit::get_dlg_item_text(box, IDC_EXPLANATION_SENTENCES);
  g_shown.weightiest = kit::get_dlg_item_text(box, IDC_EXPLANATION_WEIGHTIEST);
  EXPECT_EQ(kit::testing::unnamed_controls(box), std::vector<int>{});
  testing::save_screenshot(box, screenshot);
}

TEST_F(RankingExplanationTest, ShowsTheExplanationsTextsAndClosesWithOkEscapeAndTheCloseButton) {
  const RankingExplanation close = explained(close_call());
  ASSERT_TRUE(close.unique_best == 1 && close.has_flip);
  g_shown = {};
  open(close_call(), [](HWND box) {
    read_and_save(box, "explanation-close-call.bmp");
    click(box, IDC_EXPLANATION_OK);
  });
  EXPECT_EQ(result_, IDOK);
  EXPECT_EQ(g_shown.client.cx, lay::kWidth);
  EXPECT_EQ(g_shown.client.cy, lay::kHeight);
  EXPECT_EQ(g_shown.sentences, close.margin_sentence + "\r\n" + close.change_sentence);
  EXPECT_EQ(g_shown.weightiest,
            "方案1 最重要的结果：稳定收入(+50)、新机会(+28)\r\n"
            "方案2 最重要的结果：新机会(+48)、稳定收入(+30)、通勤(-6)");

  open(close_call(), [](HWND box) {
    const UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16));
    PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | (3u << 30));
    pump(20, box);
  });
  EXPECT_EQ(result_, IDCANCEL);
  open(close_call(), [](HWND box) { click(box, IDC_EXPLANATION_CLOSE); });
  EXPECT_EQ(result_, IDOK);

  const RankingExplanation robust = explained(robust_best());
  ASSERT_FALSE(robust.has_flip);
  g_shown = {};
  open(robust_best(), [](HWND box) {
    read_and_save(box, "explanation-robust.bmp");
    click(box, IDC_EXPLANATION_OK);
  });
  EXPECT_EQ(g_shown.sentences, robust.margin_sentence + "\r\n" + robust.change_sentence);

  // A shared top: no change to speak of, and the results of the two that share it.
  const RankingExplanation shared = explained(shared_top());
  ASSERT_EQ(shared.unique_best, 0);
  g_shown = {};
  open(shared_top(), [](HWND box) {
    read_and_save(box, "explanation-shared-top.bmp");
    click(box, IDC_EXPLANATION_OK);
  });
  EXPECT_EQ(g_shown.sentences, shared.margin_sentence);
  EXPECT_EQ(g_shown.weightiest, "方案1 最重要的结果：收入(+50)\r\n方案3 最重要的结果：名声(+50)");
}

// The best bar in green right of the zero line, the other positive one in blue and
// shorter, the negative worst in grey left of it, rows in order; repainting the chart
// leaves no GDI object behind.
TEST_F(RankingExplanationTest, TheChartDrawsEachBarOnItsSideOfTheZeroLineInItsColour) {
  static RECT best, other, worst, zero;
  open(close_call(), [](HWND box) {
    pump(30);
    const kit::testing::Pixels chart = kit::testing::painted(GetDlgItem(box, IDC_EXPLANATION_CHART));
    auto colour = [](BarTone tone) {
      const unsigned rgb = bar_rgb(tone);
      return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    };
    best = chart.box_of(colour(kBarBest));
    other = chart.box_of(colour(kBarOther));
    worst = chart.box_of(colour(kBarWorst));
    zero = chart.box_of(lay::kZeroLine.colorref());
    click(box, IDC_EXPLANATION_OK);
  });
  ASSERT_GT(zero.bottom, zero.top) << "no zero line";
  EXPECT_EQ(zero.right - zero.left, 1);
  for (const RECT& bar : {best, other, worst}) EXPECT_GT(bar.right, bar.left) << "a bar is missing";
  EXPECT_GT(best.left, zero.left);
  EXPECT_GT(other.left, zero.left);
  EXPECT_LT(other.right, best.right) << "72 is shorter than 78";
  EXPECT_LE(worst.right, zero.left) << "a negative total lies left of zero";
  EXPECT_LT(best.bottom, other.top);
  EXPECT_LT(other.bottom, worst.top);

  static HWND chart = nullptr;
  open(robust_best(), [](HWND box) {
    chart = GetDlgItem(box, IDC_EXPLANATION_CHART);
    kit::testing::expect_gdi_objects_return(
        [](int rounds) {
          for (int n = 0; n < rounds; ++n) kit::testing::painted(chart);
          return rounds;
        },
        20);
    click(box, IDC_EXPLANATION_OK);
  });
}

// ---- the main window's button --------------------------------------------------------

void choose_blank_of_three(HWND chooser) {
  kit::combo_select(GetDlgItem(chooser, IDC_ALTERNATIVE_COUNT), 1);
  click(chooser, IDC_NEW_DECISION_OK);
}
void click_new(HWND window) { click(window, IDC_NEW); }
void click_explain(HWND window) { click(window, IDC_EXPLAIN_RANKING); }

TEST_F(RankingExplanationTest, TheMainWindowsButtonShowsOnlyWithADecisionAndOpensItsExplanation) {
  DecisionSession session;
  Decision wizard{};
  kit::DialogPtr<DecisionDialog> main = kit::make_dialog<DecisionDialog>(module(), session, wizard);
  HWND window = main->create(nullptr);
  ASSERT_NE(window, nullptr);
  pump(60);
  HWND button = GetDlgItem(window, IDC_EXPLAIN_RANKING);
  EXPECT_FALSE(IsWindowVisible(button)) << "shown before a decision";

  kit::testing::while_box_is_open(window, click_new, choose_blank_of_three);
  pump(40);
  Decision rated = session.decision();
  rate(rated, 1, {{"收入", 8, 6}});
  rate(rated, 2, {{"收入", 5, 6}});
  rate(rated, 3, {{"风险", 5, -4}});
  for (int i = 1; i <= 3; ++i) session.accept_alternative(i, rated.alternatives[static_cast<std::size_t>(i)]);
  main->refresh();
  pump(40);
  EXPECT_TRUE(IsWindowVisible(button));
  EXPECT_EQ(kit::control_rect(window, IDC_EXPLAIN_RANKING), main_window_layout::kExplainButton);
  testing::save_screenshot(window, "decision-explain-button.bmp");

  g_shown = {};
  kit::testing::while_box_is_open(window, click_explain, [](HWND box) {
    g_shown.sentences = kit::get_dlg_item_text(box, IDC_EXPLANATION_SENTENCES);
    click(box, IDC_EXPLANATION_OK);
  });
  const RankingExplanation expected = explained(session.decision());
  EXPECT_EQ(g_shown.sentences, expected.margin_sentence + "\r\n" + expected.change_sentence);
  main.reset();
  pump(20);
}

}  // namespace
}  // namespace decision
