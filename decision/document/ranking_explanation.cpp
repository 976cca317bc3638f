#include "decision/document/ranking_explanation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "kit/text/gbk.h"

namespace decision {

namespace {

int used_alternatives(const Decision& decision) { return std::clamp(decision.deci_count, 0, kLastSlot); }

int used_results(const Alternative& alternative) { return std::clamp(alternative.result_count, 0, kLastSlot); }

// Up to three results of alternative, by |weight|, most first; equal |weight| in result
// order, and results of weight 0 left out.
void find_weightiest(const Alternative& alternative, AlternativeStanding& standing) {
  std::vector<WeightedResult> weighted;
  int results = used_results(alternative);
  for (int k = 1; k <= results; ++k) {
    int weight = alternative.result_prob[k] * alternative.result_value[k];
    if (weight != 0) weighted.push_back({k, weight});
  }
  std::stable_sort(weighted.begin(), weighted.end(), [](const WeightedResult& a, const WeightedResult& b) {
    return std::abs(a.weight) > std::abs(b.weight);
  });
  standing.weightiest_count = std::min<int>(kWeightiestShown, static_cast<int>(weighted.size()));
  for (int n = 0; n < standing.weightiest_count; ++n) standing.weightiest[n] = weighted[n];
}

int ceil_div(int a, int b) { return (a + b - 1) / b; }  // a >= 0, b > 0

// The least number of steps, in its one useful direction, by which a level in
// [low, high] at from must move for steps x factor to reach at least need (need > 0),
// or at most -need when lowering.  Returns false when the scale ends first.
bool least_move(int from, int low, int high, int factor, int need, bool raise_total, int& to) {
  if (factor == 0) return false;
  int steps = ceil_div(need, std::abs(factor));
  // Raising the total moves the level the way factor's sign points; lowering the other way.
  int direction = (factor > 0) == raise_total ? 1 : -1;
  to = from + direction * steps;
  return to >= low && to <= high;
}

// The first alternative other than best with the highest total.
int highest_other(const RankingExplanation& explanation, int best) {
  int found = 0;
  for (int i = 1; i <= explanation.deci_count; ++i)
    if (i != best && (found == 0 || explanation.standings[i].total > explanation.standings[found].total)) found = i;
  return found;
}

void find_smallest_flip(const Decision& decision, RankingExplanation& explanation) {
  int best = explanation.unique_best;
  int runner = explanation.runner_up;
  if (runner == 0) return;
  int best_total = explanation.top_total;
  int gap = best_total - explanation.standings[runner].total;  // > 0

  for (int i = 1; i <= explanation.deci_count; ++i) {
    const Alternative& alternative = decision.alternatives[i];
    // Another alternative must gain what it lacks; the best must lose its lead.
    bool raise = i != best;
    int need = raise ? best_total - explanation.standings[i].total : gap;
    int results = used_results(alternative);
    for (int k = 1; k <= results; ++k) {
      int prob = alternative.result_prob[k];
      int value = alternative.result_value[k];
      struct Scale { ChangedScale scale; int from, low, high, factor; };
      const Scale scales[] = {
          {kChangeProbability, prob, kMinProbability, kMaxProbability, value},
          {kChangeValue, value, kMinValue, kMaxValue, prob},
      };
      for (const Scale& s : scales) {
        int to = 0;
        if (!least_move(s.from, s.low, s.high, s.factor, need, raise, to)) continue;
        RankingChange change{i, k, s.scale, s.from, to, raise ? i : runner};
        // Strictly smaller only: the first change in the search order wins a tie.
        if (!explanation.has_flip || change.size() < explanation.smallest_flip.size()) {
          explanation.smallest_flip = change;
          explanation.has_flip = true;
        }
      }
    }
  }
}

std::string alternatives_list(const std::vector<int>& alternatives) {
  std::string out;
  for (std::size_t n = 0; n < alternatives.size(); ++n) {
    if (n > 0) out += "、";
    out += alternative_label(alternatives[n]);
  }
  return out;
}

// The alternatives whose total is total, in order.
std::vector<int> alternatives_at(const RankingExplanation& explanation, int total) {
  std::vector<int> found;
  for (int i = 1; i <= explanation.deci_count; ++i)
    if (explanation.standings[i].total == total) found.push_back(i);
  return found;
}

// The highest total below top, or top itself when there is none.
int next_total_below(const RankingExplanation& explanation, int top) {
  bool any = false;
  int next = top;
  for (int i = 1; i <= explanation.deci_count; ++i) {
    int total = explanation.standings[i].total;
    if (total < top && (!any || total > next)) next = total, any = true;
  }
  return next;
}

void write_sentences(const Decision& decision, RankingExplanation& explanation) {
  int top = explanation.top_total;
  std::vector<int> leaders = alternatives_at(explanation, top);
  int next = next_total_below(explanation, top);

  if (explanation.unique_best == 0) {
    if (next == top) {
      explanation.margin_sentence = "所有方案的总效益值相同，均为" + std::to_string(top) + "分。";
    } else {
      explanation.margin_sentence = alternatives_list(leaders) + "并列最优，总效益值均为" + std::to_string(top) +
                                    "分，领先其余方案至少" + std::to_string(top - next) + "分。";
    }
    return;
  }

  if (next == top) {  // a lone alternative: nothing to lead
    explanation.margin_sentence = alternative_label(explanation.unique_best) + "是唯一的方案。";
  } else {
    explanation.margin_sentence = alternative_label(explanation.unique_best) + "领先" +
                                  alternatives_list(alternatives_at(explanation, next)) + "共" +
                                  std::to_string(top - next) + "分。";
  }

  if (!explanation.has_flip) {
    explanation.change_sentence = "任何单项调整都不会改变最优方案。";
    return;
  }
  const RankingChange& c = explanation.smallest_flip;
  explanation.change_sentence = "最小的改变：若" + alternative_label(c.alternative) + "的结果“" +
                                result_name(decision, c.alternative, c.result) + "”的" +
                                (c.scale == kChangeProbability ? "可能性" : "效益值") + "由" +
                                std::to_string(c.from) + "改为" + std::to_string(c.to) + "，" +
                                alternative_label(c.catches_up) + "将不低于" +
                                alternative_label(explanation.unique_best) + "。";
}

}  // namespace

RankingExplanation explain_ranking(const Decision& decision) {
  RankingExplanation explanation;
  explanation.deci_count = used_alternatives(decision);
  if (explanation.deci_count == 0) return explanation;

  for (int i = 1; i <= explanation.deci_count; ++i) {
    explanation.standings[i].total = decision.alternatives[i].total_value;
    find_weightiest(decision.alternatives[i], explanation.standings[i]);
  }
  int top = explanation.standings[1].total;
  for (int i = 2; i <= explanation.deci_count; ++i) top = std::max(top, explanation.standings[i].total);
  explanation.top_total = top;
  for (int i = 1; i <= explanation.deci_count; ++i)
    explanation.standings[i].margin_to_best = top - explanation.standings[i].total;

  std::vector<int> leaders = alternatives_at(explanation, top);
  if (leaders.size() == 1) {
    explanation.unique_best = leaders.front();
    explanation.runner_up = highest_other(explanation, explanation.unique_best);
    find_smallest_flip(decision, explanation);
  }
  write_sentences(decision, explanation);
  return explanation;
}

BarTone bar_tone(const RankingExplanation& explanation, int alternative) {
  if (alternative == explanation.unique_best) return kBarBest;
  int bottom = explanation.top_total;
  for (int i = 1; i <= explanation.deci_count; ++i) bottom = std::min(bottom, explanation.standings[i].total);
  if (bottom == explanation.top_total) return kBarOther;  // every total the same
  std::vector<int> lowest = alternatives_at(explanation, bottom);
  return lowest.size() == 1 && lowest.front() == alternative ? kBarWorst : kBarOther;
}

std::string result_name(const Decision& decision, int i, int k) {
  if (i < 1 || i > kLastSlot || k < 1 || k > kLastSlot) return result_label(k);
  const std::string& text = decision.alternatives[i].result_str[k];
  std::string flat = kit::gbk_strip_line_breaks(text);
  if (flat.empty() || flat == kPlaceholderText) return result_label(k);
  return flat;
}

}  // namespace decision
