#include "decision/document/decision.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace decision {

// Failures show an alternative by its description, counts and total.
void PrintTo(const Alternative& a, std::ostream* os) {
  *os << "{" << a.deci_str << ", results " << a.result_count << ", total " << a.total_value << "}";
}

namespace {

const std::string kPlaceholder = "\xA1\xAD\xA1\xAD";  // ……

Decision fresh_decision() {
  Decision decision;
  reset_decision(decision);
  return decision;
}

// A decision whose alternatives carry the given totals directly.
Decision with_totals(const std::vector<int>& totals) {
  Decision decision = fresh_decision();
  decision.deci_count = static_cast<int>(totals.size());
  for (std::size_t i = 0; i < totals.size(); ++i) decision.alternatives[i + 1].total_value = totals[i];
  return decision;
}

// An alternative that can be told apart from every other: its own text, results,
// total and a leftover in a slot past its result count.
Alternative marked_alternative(int n) {
  Alternative alternative;
  reset_alternative(alternative);
  alternative.deci_str = "方案文字" + std::to_string(n);
  alternative.result_count = n;
  for (int k = 1; k <= n; ++k) {
    alternative.result_str[k] = "结果文字" + std::to_string(n * 10 + k);
    alternative.result_prob[k] = k;
    alternative.result_value[k] = -n;
  }
  alternative.result_str[15] = "leftover" + std::to_string(n);
  alternative.total_value = 100 + n;
  return alternative;
}

Decision with_marked_alternatives(int count) {
  Decision decision = fresh_decision();
  decision.deci_count = count;
  for (int i = 1; i <= count; ++i) decision.alternatives[i] = marked_alternative(i);
  return decision;
}

bool is_reset(const Alternative& alternative) {
  Alternative reset;
  reset_alternative(reset);
  return alternative == reset;
}

// ---- initial content ----

TEST(ResetDecision, GivesTheInitialContentAndLeavesSlotZeroAndRanksAlone) {
  Decision decision = with_marked_alternatives(5);
  decision.alternatives[0].deci_str = "slot zero";
  decision.alternatives[0].result_prob[0] = 77;
  decision.best_index = 4;
  decision.base_of = ByUtility;

  reset_decision(decision);

  EXPECT_EQ(decision.background, "在这里记录决策的背景：发生何事，有哪些选择，达到何种目标等。");
  EXPECT_EQ(decision.finish_str, "在这里随时添加内容，记录决策的执行情况。");
  EXPECT_EQ(decision.deci_count, 2);
  EXPECT_EQ(decision.base_of, ByEvaluation);
  EXPECT_EQ(decision.best_index, 4);
  EXPECT_EQ(decision.alternatives[0].deci_str, "slot zero");
  EXPECT_EQ(decision.alternatives[0].result_prob[0], 77);
  for (int i = 1; i < kSlotCount; ++i) {
    const Alternative& a = decision.alternatives[i];
    ASSERT_EQ(a.deci_str, kPlaceholder) << i;
    ASSERT_EQ(a.result_count, 1) << i;
    ASSERT_EQ(a.total_value, 0) << i;
    for (int k = 1; k < kSlotCount; ++k) {
      ASSERT_EQ(a.result_str[k], kPlaceholder) << i << "/" << k;
      ASSERT_EQ(a.result_prob[k], 10) << i << "/" << k;
      ASSERT_EQ(a.result_value[k], 0) << i << "/" << k;
    }
  }
}

// ---- totals ----

TEST(ComputeTotals, SumsProbabilityTimesValueOverTheResultsInUse) {
  Decision decision = fresh_decision();
  decision.deci_count = 3;
  Alternative& first = decision.alternatives[1];
  first.result_count = 2;
  first.result_prob[1] = 6, first.result_value[1] = 5;
  first.result_prob[2] = 4, first.result_value[2] = -3;
  first.result_prob[3] = 10, first.result_value[3] = 10;  // past result_count: not counted
  decision.alternatives[2].result_count = 0;
  decision.alternatives[2].result_value[1] = 9;
  Alternative& third = decision.alternatives[3];
  third.result_count = 9;
  for (int k = 1; k <= 9; ++k) third.result_prob[k] = 10, third.result_value[k] = -10;
  decision.alternatives[4].total_value = 55;  // not in use: left alone

  compute_totals(decision);

  EXPECT_EQ(decision.alternatives[1].total_value, 6 * 5 + 4 * -3);
  EXPECT_EQ(decision.alternatives[2].total_value, 0);
  EXPECT_EQ(decision.alternatives[3].total_value, -900);
  EXPECT_EQ(decision.alternatives[4].total_value, 55);
}

// ---- ranking and hints ----

struct RankingCase {
  std::vector<int> totals;
  int best, runner_up, worst;
  bool several_best, too_close;
};

void expect_ranking(const RankingCase& c) {
  Decision decision = with_totals(c.totals);
  RankingHints hints = compute_ranking(decision);
  std::string label;
  for (int t : c.totals) label += std::to_string(t) + " ";
  EXPECT_EQ(decision.best_index, c.best) << label;
  EXPECT_EQ(decision.runner_up_index, c.runner_up) << label;
  EXPECT_EQ(decision.worst_index, c.worst) << label;
  EXPECT_EQ(hints.several_best, c.several_best) << label;
  EXPECT_EQ(hints.too_close, c.too_close) << label;
}

TEST(Ranking, AllEqualMarksNothingAndShowsNoHint) {
  expect_ranking({{0, 0}, 0, 0, 0, false, false});
  expect_ranking({{7, 7, 7}, 0, 0, 0, false, false});
}

TEST(Ranking, SharedTopHidesBestAndRunnerUpAndShowsSeveralBest) {
  expect_ranking({{50, 50, 10}, 0, 0, 3, true, false});
}

TEST(Ranking, SharedBottomHidesOnlyTheWorst) {
  expect_ranking({{9, 1, 6, 1}, 1, 3, 0, false, true});  // d = 3
}

TEST(Ranking, DistinctTotalsWithinFiveAreTooClose) {
  expect_ranking({{30, 27, -5}, 1, 2, 3, false, true});
}

TEST(Ranking, TwoAlternativesMakeTheSecondBothRunnerUpAndWorst) {
  expect_ranking({{10, 5}, 1, 2, 2, false, true});
  expect_ranking({{5, 10}, 2, 1, 1, false, true});
}

TEST(Ranking, RelativeNearnessDecidesForSameSignedTotals) {
  expect_ranking({{100, 91}, 1, 2, 2, false, true});   // (30000 / 9) / 400 = 8
  expect_ranking({{100, 90}, 1, 2, 2, false, false});  // 3000 / 400 = 7
  expect_ranking({{-50, -60}, 1, 2, 2, false, false}); // (-15000 / 10) / 250 = -6
}

TEST(Ranking, OppositeSignsAreNeverTooCloseBeyondFive) {
  expect_ranking({{40, -40}, 1, 2, 2, false, false});
  expect_ranking({{3, -2}, 1, 2, 2, false, true});  // d = 5
}

TEST(Ranking, BestOfMinusThreeHundredDoesNotDivideByZero) {
  expect_ranking({{-300, -310}, 1, 2, 2, false, false});
  expect_ranking({{-310, -300}, 2, 1, 1, false, false});
}

TEST(Ranking, TiesForRunnerUpKeepNone) {
  expect_ranking({{20, 8, 8, -4}, 1, 0, 4, false, false});
}

// ---- shape: insert and delete move whole slots ----

TEST(InsertAlternative, AtTheFrontMovesEveryAlternativeUpWhole) {
  Decision decision = with_marked_alternatives(3);
  ASSERT_EQ(insert_alternative(decision, 1), kShapeOk);
  EXPECT_EQ(decision.deci_count, 4);
  EXPECT_TRUE(is_reset(decision.alternatives[1]));
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(decision.alternatives[n + 1], marked_alternative(n)) << n;
}

TEST(InsertAlternative, InTheMiddleAndAtTheEnd) {
  Decision decision = with_marked_alternatives(3);
  ASSERT_EQ(insert_alternative(decision, 3), kShapeOk);
  EXPECT_EQ(decision.alternatives[2], marked_alternative(2));
  EXPECT_TRUE(is_reset(decision.alternatives[3]));
  EXPECT_EQ(decision.alternatives[4], marked_alternative(3));

  ASSERT_EQ(insert_alternative(decision, 5), kShapeOk);
  EXPECT_EQ(decision.deci_count, 5);
  EXPECT_EQ(decision.alternatives[4], marked_alternative(3));
  EXPECT_TRUE(is_reset(decision.alternatives[5]));
}

TEST(InsertAlternative, RefusesATenthAndPositionsOutsideTheRange) {
  Decision full = with_marked_alternatives(9);
  Decision before = full;
  EXPECT_EQ(insert_alternative(full, 1), kInsertFull);
  EXPECT_EQ(full, before);

  Decision three = with_marked_alternatives(3);
  before = three;
  EXPECT_EQ(insert_alternative(three, 0), kBadPosition);
  EXPECT_EQ(insert_alternative(three, 5), kBadPosition);
  EXPECT_EQ(three, before);
}

TEST(DeleteAlternative, MovesTheFollowingDownWholeAndResetsTheFreedSlot) {
  Decision decision = with_marked_alternatives(3);
  ASSERT_EQ(delete_alternative(decision, 2), kShapeOk);
  EXPECT_EQ(decision.deci_count, 2);
  EXPECT_EQ(decision.alternatives[1], marked_alternative(1));
  EXPECT_EQ(decision.alternatives[2], marked_alternative(3));
  EXPECT_TRUE(is_reset(decision.alternatives[3]));
}

TEST(DeleteAlternative, TheLastOneOfNine) {
  Decision decision = with_marked_alternatives(9);
  ASSERT_EQ(delete_alternative(decision, 9), kShapeOk);
  EXPECT_EQ(decision.deci_count, 8);
  EXPECT_EQ(decision.alternatives[8], marked_alternative(8));
  EXPECT_TRUE(is_reset(decision.alternatives[9]));
}

TEST(DeleteAlternative, RefusesBelowTwoAndPositionsOutsideTheRange) {
  Decision two = with_marked_alternatives(2);
  Decision before = two;
  EXPECT_EQ(delete_alternative(two, 1), kDeleteTooFew);
  EXPECT_EQ(two, before);
  EXPECT_EQ(std::string(kDeleteRefusedText), "决策方案至少应有两个以上，有选择才有决策。");
  EXPECT_EQ(std::string(kDeleteRefusedCaption), "决策方案不能少于两个");

  Decision three = with_marked_alternatives(3);
  before = three;
  EXPECT_EQ(delete_alternative(three, 0), kBadPosition);
  EXPECT_EQ(delete_alternative(three, 4), kBadPosition);
  EXPECT_EQ(three, before);
}

// ---- report and summary texts ----

std::string report_head(int i) { return "\r\n\r\n 方案" + std::to_string(i) + "：\r\n\r\n  "; }

TEST(ReportText, ShortDescriptionIsShownWholeWithFourLineBreaks) {
  Decision decision = fresh_decision();
  decision.alternatives[2].deci_str = std::string(30, 'x');  // exactly 30 bytes
  decision.alternatives[2].total_value = -25;
  EXPECT_EQ(alternative_report_text(decision, 2),
            report_head(2) + std::string(30, 'x') + "\r\n\r\n\r\n\r\n 方案2的总效益值：-25");
}

TEST(ReportText, LongDescriptionIsCutAtThirtyBytesAndEllipsised) {
  Decision decision = fresh_decision();
  decision.alternatives[1].deci_str = std::string(40, 'y');
  decision.alternatives[1].total_value = 30;
  EXPECT_EQ(alternative_report_text(decision, 1),
            report_head(1) + std::string(30, 'y') + "\r\n  " + kPlaceholder + "\r\n\r\n\r\n 方案1的总效益值：30");
}

TEST(ReportText, CutStopsBeforeADoubleByteCharacterOnTheBoundary) {
  Decision decision = fresh_decision();
  // 29 bytes, then 决 on bytes 30 and 31.
  decision.alternatives[1].deci_str = std::string(29, 'z') + "决策";
  EXPECT_EQ(alternative_report_text(decision, 1),
            report_head(1) + std::string(29, 'z') + "\r\n  " + kPlaceholder + "\r\n\r\n\r\n 方案1的总效益值：0");
}

TEST(ReportText, LineBreaksAreRemovedBeforeCounting) {
  Decision decision = fresh_decision();
  // 32 bytes with the breaks, 28 without: shown whole.
  decision.alternatives[3].deci_str = "第一行\r\n" + std::string(10, 'a') + "\r\n第二行" + std::string(6, 'b');
  EXPECT_EQ(alternative_report_text(decision, 3),
            report_head(3) + "第一行" + std::string(10, 'a') + "第二行" + std::string(6, 'b') +
                "\r\n\r\n\r\n\r\n 方案3的总效益值：0");
}

TEST(SummaryText, CutsAtTwentyEightBytesAndAlwaysEndsWithTheEllipsisLine) {
  std::string tail = "\r\n  " + kPlaceholder;
  EXPECT_EQ(summary_text("跳槽"), "\r\n\r\n  跳槽" + tail);
  EXPECT_EQ(summary_text(std::string(28, 'q')), "\r\n\r\n  " + std::string(28, 'q') + tail);
  // 27 bytes, then a double-byte character across the limit.
  EXPECT_EQ(summary_text(std::string(27, 'q') + "背景"), "\r\n\r\n  " + std::string(27, 'q') + tail);
  EXPECT_EQ(summary_text("背景\r\n第二行"), "\r\n\r\n  背景第二行" + tail);
  EXPECT_EQ(summary_text(""), "\r\n\r\n  " + tail);
}

TEST(Labels, NameAlternativesAndResultsByNumber) {
  EXPECT_EQ(alternative_label(3), "方案3");
  EXPECT_EQ(result_label(9), "结果9");
  // The literals are GBK: 方案 is B7 BD B0 B8.
  EXPECT_EQ(alternative_label(1), "\xB7\xBD\xB0\xB8" "1");
}

}  // namespace

}  // namespace decision
