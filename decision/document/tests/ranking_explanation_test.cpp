#include "decision/document/ranking_explanation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace decision {
namespace {

struct Result {
  int prob, value;
  const char* text = nullptr;
};

// A decision of the given alternatives' results, with its totals computed.
Decision decision_of(const std::vector<std::vector<Result>>& alternatives) {
  Decision decision;
  reset_decision(decision);
  decision.deci_count = static_cast<int>(alternatives.size());
  for (int i = 1; i <= decision.deci_count; ++i) {
    Alternative& alternative = decision.alternatives[i];
    const std::vector<Result>& results = alternatives[i - 1];
    alternative.result_count = static_cast<int>(results.size());
    for (int k = 1; k <= alternative.result_count; ++k) {
      alternative.result_prob[k] = results[k - 1].prob;
      alternative.result_value[k] = results[k - 1].value;
      if (results[k - 1].text) alternative.result_str[k] = results[k - 1].text;
    }
  }
  compute_totals(decision);
  return decision;
}

// ---- the smallest flipping change against a search over every single change ----

int total_of(const Decision& decision, int i) { return decision.alternatives[i].total_value; }

// The total of the changed alternative after change, summed afresh.
int total_after(const Decision& decision, const RankingChange& change) {
  const Alternative& alternative = decision.alternatives[change.alternative];
  int total = 0;
  for (int k = 1; k <= alternative.result_count; ++k) {
    int prob = alternative.result_prob[k], value = alternative.result_value[k];
    if (k == change.result) (change.scale == kChangeProbability ? prob : value) = change.to;
    total += prob * value;
  }
  return total;
}

// Whether, after the change, some alternative other than best has a total at least
// as high as best's.
bool flips(const Decision& decision, int best, const RankingChange& change) {
  auto after = [&](int i) { return i == change.alternative ? total_after(decision, change) : total_of(decision, i); };
  for (int i = 1; i <= decision.deci_count; ++i)
    if (i != best && after(i) >= after(best)) return true;
  return false;
}

// Tries every change in the order the explanation promises to break ties: alternative,
// result, probability before value, nearer level first and, at equal distance, the
// higher one first.  The first change of least size wins.
bool search_every_change(const Decision& decision, int best, RankingChange& found) {
  bool any = false;
  for (int i = 1; i <= decision.deci_count; ++i) {
    const Alternative& alternative = decision.alternatives[i];
    for (int k = 1; k <= alternative.result_count; ++k) {
      for (ChangedScale scale : {kChangeProbability, kChangeValue}) {
        bool by_prob = scale == kChangeProbability;
        int from = by_prob ? alternative.result_prob[k] : alternative.result_value[k];
        int low = by_prob ? kMinProbability : kMinValue;
        int high = by_prob ? kMaxProbability : kMaxValue;
        for (int distance = 1; distance <= high - low; ++distance) {
          for (int to : {from + distance, from - distance}) {
            if (to < low || to > high) continue;
            RankingChange change{i, k, scale, from, to, 0};
            if (!flips(decision, best, change)) continue;
            if (!any || change.size() < found.size()) found = change, any = true;
          }
        }
      }
    }
  }
  return any;
}

Decision random_decision(std::mt19937& random) {
  std::uniform_int_distribution<int> alternatives(kMinAlternatives, kMaxAlternatives);
  std::uniform_int_distribution<int> results(1, kMaxResults);
  // Few levels make ties and exact catch-ups common; the full scales reach the ends.
  std::uniform_int_distribution<int> coarse(0, 3);
  std::uniform_int_distribution<int> prob(kMinProbability, kMaxProbability);
  std::uniform_int_distribution<int> value(kMinValue, kMaxValue);
  bool few_levels = coarse(random) == 0;
  std::vector<std::vector<Result>> shape(alternatives(random));
  for (std::vector<Result>& alternative : shape) {
    alternative.resize(results(random));
    for (Result& result : alternative) {
      result.prob = few_levels ? coarse(random) * 5 % 11 : prob(random);
      result.value = few_levels ? (coarse(random) - 1) * 5 : value(random);
    }
  }
  return decision_of(shape);
}

TEST(SmallestFlip, AgreesWithASearchOverEverySingleChange) {
  std::mt19937 random(20261208);
  int unique_best = 0, robust = 0, best_lowered = 0;
  for (int round = 0; round < 5000; ++round) {
    Decision decision = random_decision(random);
    RankingExplanation explanation = explain_ranking(decision);
    if (explanation.unique_best == 0) {
      EXPECT_FALSE(explanation.has_flip);
      continue;
    }
    ++unique_best;
    RankingChange expected;
    bool any = search_every_change(decision, explanation.unique_best, expected);
    ASSERT_EQ(explanation.has_flip, any) << "round " << round;
    if (!any) {
      ++robust;
      continue;
    }
    RankingChange got = explanation.smallest_flip;
    // The search does not name who catches up; check that separately.
    expected.catches_up = got.catches_up;
    ASSERT_EQ(got, expected) << "round " << round;
    if (got.alternative == explanation.unique_best) ++best_lowered;

    ASSERT_TRUE(flips(decision, explanation.unique_best, got));
    Decision after = decision;
    (got.scale == kChangeProbability ? after.alternatives[got.alternative].result_prob
                                     : after.alternatives[got.alternative].result_value)[got.result] = got.to;
    compute_totals(after);
    EXPECT_NE(got.catches_up, explanation.unique_best);
    EXPECT_GE(total_of(after, got.catches_up), total_of(after, explanation.unique_best)) << "round " << round;
  }
  // The random decisions reach every kind of answer.
  EXPECT_GT(unique_best, 2500);
  EXPECT_GT(robust, 20);
  EXPECT_GT(best_lowered, 20);
}

// ---- standings ----

TEST(Standings, MarginsAndTheWeightiestResults) {
  Decision decision = decision_of({
      {{10, 2}, {3, -9}, {0, 10}, {6, 5}, {5, 6}},  // 20 - 27 + 0 + 30 + 30 = 53
      {{10, 1}},                                      // 10
  });
  RankingExplanation explanation = explain_ranking(decision);
  ASSERT_EQ(explanation.deci_count, 2);
  EXPECT_EQ(explanation.top_total, 53);
  EXPECT_EQ(explanation.standings[1].margin_to_best, 0);
  EXPECT_EQ(explanation.standings[2].margin_to_best, 43);

  // By |weight|; equal weights keep result order; weight 0 is never named.
  const AlternativeStanding& first = explanation.standings[1];
  ASSERT_EQ(first.weightiest_count, 3);
  EXPECT_EQ(first.weightiest[0], (WeightedResult{4, 30}));
  EXPECT_EQ(first.weightiest[1], (WeightedResult{5, 30}));
  EXPECT_EQ(first.weightiest[2], (WeightedResult{2, -27}));
  EXPECT_EQ(explanation.standings[2].weightiest_count, 1);
}

TEST(Standings, BarTonesMarkOnlyAUniqueBestAndAUniqueWorst) {
  Decision three = decision_of({{{10, 1}}, {{10, 5}}, {{10, -3}}});
  RankingExplanation explanation = explain_ranking(three);
  EXPECT_EQ(bar_tone(explanation, 1), kBarOther);
  EXPECT_EQ(bar_tone(explanation, 2), kBarBest);
  EXPECT_EQ(bar_tone(explanation, 3), kBarWorst);

  Decision shared = decision_of({{{10, 5}}, {{10, 5}}, {{10, 1}}, {{10, 1}}});
  explanation = explain_ranking(shared);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(bar_tone(explanation, i), kBarOther) << i;
}

// ---- sentences ----

TEST(Sentences, ACloseCallNamesTheLeadAndTheSmallestChange) {
  // The best (2) has no result that can lose 12 points in fewer than three steps;
  // alternative 3 gains them by two steps of probability.
  Decision decision = decision_of({
      {{10, 1}},
      {{5, 5}, {5, 4}, {3, 1}},
      {{6, 6, "新机会"}},
  });
  RankingExplanation explanation = explain_ranking(decision);
  EXPECT_EQ(explanation.margin_sentence, "方案2领先方案3共12分。");
  EXPECT_EQ(explanation.change_sentence, "最小的改变：若方案3的结果“新机会”的可能性由6改为8，方案3将不低于方案2。");
}

TEST(Sentences, LoweringTheBestNamesWhoCatchesUp) {
  // One step of the best's value closes the gap; its neighbour could too, but the
  // best comes first.
  Decision decision = decision_of({{{10, 5}}, {{10, 4}}, {{10, 4}}});
  RankingExplanation explanation = explain_ranking(decision);
  EXPECT_EQ(explanation.margin_sentence, "方案1领先方案2、方案3共10分。");
  EXPECT_EQ(explanation.change_sentence, "最小的改变：若方案1的结果“结果1”的效益值由5改为4，方案2将不低于方案1。");
}

TEST(Sentences, ARobustBestAndSharedTops) {
  std::vector<Result> strong(9, Result{10, 10});
  std::vector<Result> weak(9, Result{0, -10});
  RankingExplanation robust = explain_ranking(decision_of({strong, weak}));
  EXPECT_EQ(robust.margin_sentence, "方案1领先方案2共900分。");
  EXPECT_EQ(robust.change_sentence, "任何单项调整都不会改变最优方案。");

  RankingExplanation shared = explain_ranking(decision_of({{{10, 5}}, {{5, 10}}, {{10, 1}}}));
  EXPECT_EQ(shared.unique_best, 0);
  EXPECT_EQ(shared.margin_sentence, "方案1、方案2并列最优，总效益值均为50分，领先其余方案至少40分。");
  EXPECT_TRUE(shared.change_sentence.empty());

  RankingExplanation level = explain_ranking(decision_of({{{10, 7}}, {{7, 10}}}));
  EXPECT_EQ(level.margin_sentence, "所有方案的总效益值相同，均为70分。");
}

TEST(Sentences, ResultNamesDropLineBreaksAndStandInForEmptyTexts) {
  Decision decision = decision_of({{{10, 1, "先\r\n后"}, {10, 1, ""}, {10, 1}}});
  EXPECT_EQ(result_name(decision, 1, 1), "先后");
  EXPECT_EQ(result_name(decision, 1, 2), "结果2");
  EXPECT_EQ(result_name(decision, 1, 3), "结果3");  // still the placeholder
}

}  // namespace
}  // namespace decision
