// The decision the benchmark works on: nine alternatives of nine results each, every
// text long (several sentences with line breaks), probabilities and values spread so
// that the ranking has a unique best, runner-up and worst.  Shared by the repaint
// benchmark and the file benchmark; platform-free.
#pragma once

#include <string>

#include "decision/document/decision.h"

namespace decision::bench {

// One sentence of double-byte GBK characters (80 bytes), repeated whole, so no cut
// ever falls inside a character.
inline constexpr char kSentence[] = "若选此方案，第一年投入较多，回报在第三年后逐步显现，风险主要来自市场需求的变化。";
inline constexpr char kLineBreak[] = "\r\n";

// sentences sentences, a line break after every second one.
inline std::string long_text(int sentences) {
  std::string text;
  for (int i = 1; i <= sentences; ++i) {
    text += kSentence;
    if (i % 2 == 0 && i < sentences) text += kLineBreak;
  }
  return text;
}

inline void fill_long_decision(Decision& decision) {
  reset_decision(decision);
  while (decision.deci_count < kMaxAlternatives) insert_alternative(decision, decision.deci_count + 1);
  decision.background = long_text(12);
  decision.finish_str = long_text(12);
  for (int i = 1; i <= kMaxAlternatives; ++i) {
    Alternative& alternative = decision.alternatives[static_cast<std::size_t>(i)];
    alternative.deci_str = alternative_label(i) + "：" + long_text(4);
    alternative.result_count = kMaxResults;
    for (int k = 1; k <= kMaxResults; ++k) {
      const auto slot = static_cast<std::size_t>(k);
      alternative.result_str[slot] = result_label(k) + "：" + long_text(3);
      alternative.result_prob[slot] = 1 + (i + k) % kMaxProbability;
      alternative.result_value[slot] = (3 * i + 5 * k) % 21 + kMinValue;
    }
  }
  compute_totals(decision);
  compute_ranking(decision);
}

}  // namespace decision::bench
