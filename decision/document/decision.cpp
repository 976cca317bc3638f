#include "decision/document/decision.h"

#include <algorithm>
#include <cstdlib>

#include "kit/text/gbk.h"

namespace decision {

namespace {

constexpr std::size_t kReportCutBytes = 30;
constexpr std::size_t kSummaryCutBytes = 28;
constexpr char kLineBreak[] = "\r\n";

// deci_count as a loop bound that never leaves the arrays, whatever the record holds.
int used_alternatives(const Decision& decision) { return std::clamp(decision.deci_count, 0, kLastSlot); }

int used_results(const Alternative& alternative) { return std::clamp(alternative.result_count, 0, kLastSlot); }

}  // namespace

void reset_alternative(Alternative& alternative) {
  alternative.deci_str = kPlaceholderText;
  alternative.result_count = 1;
  for (int k = 1; k <= kLastSlot; ++k) {
    alternative.result_str[k] = kPlaceholderText;
    alternative.result_prob[k] = kMaxProbability;
    alternative.result_value[k] = 0;
  }
  alternative.total_value = 0;
}

void reset_decision(Decision& decision) {
  decision.background = kInitialBackground;
  decision.finish_str = kInitialFinish;
  decision.deci_count = kMinAlternatives;
  decision.base_of = ByEvaluation;
  for (int i = 1; i <= kLastSlot; ++i) reset_alternative(decision.alternatives[i]);
}

int insert_alternative(Decision& decision, int pos) {
  int count = decision.deci_count;
  if (count >= kMaxAlternatives) return kInsertFull;
  if (count < 0 || pos < 1 || pos > count + 1) return kBadPosition;
  for (int i = count; i >= pos; --i) decision.alternatives[i + 1] = decision.alternatives[i];
  reset_alternative(decision.alternatives[pos]);
  decision.deci_count = count + 1;
  return kShapeOk;
}

int delete_alternative(Decision& decision, int pos) {
  int count = decision.deci_count;
  if (count < kMinAlternatives + 1) return kDeleteTooFew;
  if (count > kLastSlot || pos < 1 || pos > count) return kBadPosition;
  for (int i = pos; i < count; ++i) decision.alternatives[i] = decision.alternatives[i + 1];
  reset_alternative(decision.alternatives[count]);
  decision.deci_count = count - 1;
  return kShapeOk;
}

void compute_totals(Decision& decision) {
  int count = used_alternatives(decision);
  for (int i = 1; i <= count; ++i) {
    Alternative& alternative = decision.alternatives[i];
    int total = 0;
    int results = used_results(alternative);
    for (int k = 1; k <= results; ++k) total += alternative.result_prob[k] * alternative.result_value[k];
    alternative.total_value = total;
  }
}

RankingHints compute_ranking(Decision& decision) {
  RankingHints hints;
  int n = used_alternatives(decision);
  if (n < 1) {
    decision.best_index = decision.runner_up_index = decision.worst_index = 0;
    return hints;
  }
  auto total = [&decision](int i) { return decision.alternatives[i].total_value; };

  // Strict comparisons throughout: a tie keeps the earlier alternative.
  int best = 1;
  for (int i = 2; i <= n; ++i)
    if (total(best) < total(i)) best = i;
  int worst = 1;
  for (int i = 2; i <= n; ++i)
    if (total(worst) > total(i)) worst = i;
  // The runner-up search starts from the worst, so with two alternatives the second
  // is both runner-up and worst.
  int runner_up = worst;
  for (int j = 1; j <= n; ++j)
    if (total(runner_up) < total(j) && j != best) runner_up = j;
  // With a single alternative the search never leaves the best itself; there is
  // nothing to come second.
  if (runner_up == best) runner_up = 0;

  int same_as_best = 0, same_as_runner_up = 0, same_as_worst = 0;
  for (int i = 1; i <= n; ++i) {
    if (total(i) == total(best)) ++same_as_best;
    if (runner_up != 0 && total(i) == total(runner_up)) ++same_as_runner_up;
    if (total(i) == total(worst)) ++same_as_worst;
  }

  hints.several_best = same_as_best >= 2 && same_as_best != n;
  // A rank held by two or more alternatives is not shown.
  if (same_as_best >= 2) best = 0;
  if (same_as_runner_up >= 2) runner_up = 0;
  if (same_as_worst >= 2) worst = 0;
  decision.best_index = best;
  decision.runner_up_index = runner_up;
  decision.worst_index = worst;

  if (best != 0 && runner_up != 0) {
    int b = total(best);
    int r = total(runner_up);
    int d = b - r;  // > 0: the best is unique
    if (d <= 5) {
      hints.too_close = true;
    } else if ((b > 0 && r > 0) || (b < 0 && r < 0)) {
      // How near the two are relative to the best's size.  A best of exactly -300
      // would divide by zero: the hint stays hidden then.
      if (b + 300 != 0) {
        int q = (b * 300 / d) / (b + 300);
        if (std::abs(q) >= 8) hints.too_close = true;
      }
    }
  }
  return hints;
}

std::string alternative_label(int i) { return "方案" + std::to_string(i); }

std::string result_label(int k) { return "结果" + std::to_string(k); }

std::string alternative_report_text(const Decision& decision, int i) {
  static const Alternative kEmpty{};
  const Alternative& alternative = (i >= 1 && i <= kLastSlot) ? decision.alternatives[i] : kEmpty;
  std::string flat = kit::gbk_strip_line_breaks(alternative.deci_str);

  std::string out;
  out += kLineBreak;
  out += kLineBreak;
  out += ' ';
  out += alternative_label(i);
  out += "：";
  out += kLineBreak;
  out += kLineBreak;
  out += "  ";
  out += kit::gbk_cut(flat, kReportCutBytes);
  if (flat.size() > kReportCutBytes) {
    out += kLineBreak;
    out += "  ";
    out += kPlaceholderText;
    for (int n = 0; n < 3; ++n) out += kLineBreak;
  } else {
    for (int n = 0; n < 4; ++n) out += kLineBreak;
  }
  out += ' ';
  out += alternative_label(i);
  out += "的总效益值：";
  out += std::to_string(alternative.total_value);
  return out;
}

std::string summary_text(std::string_view text) {
  std::string flat = kit::gbk_strip_line_breaks(text);
  std::string out;
  out += kLineBreak;
  out += kLineBreak;
  out += "  ";
  out += kit::gbk_cut(flat, kSummaryCutBytes);
  out += kLineBreak;
  out += "  ";
  out += kPlaceholderText;
  return out;
}

}  // namespace decision
