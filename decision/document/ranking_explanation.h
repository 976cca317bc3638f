// Why the ranking is what it is: each alternative's total and its distance to the best,
// the results that weigh most in each total, and the smallest single change of one
// probability or value that would let another alternative catch up with the best.
// Platform-free; texts are GBK byte strings.
#pragma once

#include <array>
#include <string>

#include "decision/document/decision.h"

namespace decision {

// The weightiest results an explanation names per alternative.
inline constexpr int kWeightiestShown = 3;

// One result of an alternative and its weight in the total: probability x value.
struct WeightedResult {
  int result = 0;  // 1..result_count
  int weight = 0;  // result_prob x result_value

  friend bool operator==(const WeightedResult&, const WeightedResult&) = default;
};

struct AlternativeStanding {
  int total = 0;           // total_value
  int margin_to_best = 0;  // the highest total minus this total; 0 for every alternative at the top
  // The results of largest |weight|, most first, at most kWeightiestShown; results of
  // weight 0 weigh nothing and are never named.  Equal |weight| keeps result order.
  std::array<WeightedResult, kWeightiestShown> weightiest{};
  int weightiest_count = 0;
};

// Which scale a change moves.
enum ChangedScale : int {
  kChangeProbability = 1,  // result_prob, 0..10
  kChangeValue = 2,        // result_value, -10..10
};

// One result's probability or value set to another level on its scale.
struct RankingChange {
  int alternative = 0;  // 1..deci_count
  int result = 0;       // 1..result_count of that alternative
  int scale = 0;        // ChangedScale
  int from = 0;         // the level now
  int to = 0;           // the level after the change
  // The alternative that afterwards has a total at least as high as the best's: the
  // changed alternative itself, or, when the change lowers the best, the highest of the
  // others (the first of them at equal totals).
  int catches_up = 0;

  int size() const { return to > from ? to - from : from - to; }  // scale steps
  friend bool operator==(const RankingChange&, const RankingChange&) = default;
};

struct RankingExplanation {
  int deci_count = 0;
  std::array<AlternativeStanding, kSlotCount> standings{};  // 1..deci_count
  int top_total = 0;     // the highest total
  int unique_best = 0;   // the one alternative with the highest total, or 0 when shared
  // With a unique best: the first of the other alternatives with the highest total (the
  // runner-up, even where the main window leaves a shared second rank unnamed); else 0.
  int runner_up = 0;
  // With a unique best: whether a single change lets another alternative catch up, and
  // the smallest such change (least size; among equal sizes the first in the order
  // alternative, result, probability before value, higher new level first).
  bool has_flip = false;
  RankingChange smallest_flip{};

  // The sentences, GBK.  margin: how far the best leads the next total ("方案2领先方案3
  // 共12分。"), or, with the top shared, which alternatives share it and what separates
  // them from the rest.  change: the smallest flipping change in words, or
  // "任何单项调整都不会改变最优方案。"; empty when the top is shared.
  std::string margin_sentence;
  std::string change_sentence;
};

// Explains decision's ranking.  Reads total_value, so run compute_totals first; the
// decision is not changed.  A decision with no alternative in use gives an explanation
// with deci_count 0 and empty sentences.
RankingExplanation explain_ranking(const Decision& decision);

// How an alternative's bar is coloured in the chart of totals: the unique best, the
// unique worst (the one lowest total, when it is not also the best), or any other.
enum BarTone : int { kBarBest = 1, kBarWorst = 2, kBarOther = 3 };
BarTone bar_tone(const RankingExplanation& explanation, int alternative);

// The bars' colours as 0xRRGGBB, the same as the main window's painted rank bands: the
// best band's green, the worst band's grey, and the house blue for the others.  The
// explanation window and the report both draw with these.
constexpr unsigned bar_rgb(BarTone tone) {
  return tone == kBarBest ? 0x2E7D55u : tone == kBarWorst ? 0x667280u : 0x366FA8u;
}

// The text a sentence uses for result k of alternative i: its text without line breaks,
// or "结果k" while it is empty or still the placeholder.
std::string result_name(const Decision& decision, int i, int k);

}  // namespace decision
