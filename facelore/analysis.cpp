#include "facelore/analysis.h"

#include <cstdio>
#include <cstdlib>

namespace facelore {

namespace {

constexpr char kHeadingSeparator[] = "：";

// The points as "add" or "subtract" with the magnitude; one-digit magnitudes get a
// trailing space so the labels keep the width of two-digit ones.
constexpr char kAddWide[] = "：加 %lld 分";
constexpr char kAddNarrow[] = "：加 %lld 分 ";
constexpr char kSubtractWide[] = "：减 %lld 分";
constexpr char kSubtractNarrow[] = "：减 %lld 分 ";

std::string result_line(int index, std::int32_t points) {
  const long long magnitude = std::llabs(static_cast<long long>(points));
  const char* format = points >= 0 ? (magnitude >= 10 ? kAddWide : kAddNarrow)
                                   : (magnitude >= 10 ? kSubtractWide : kSubtractNarrow);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, magnitude);
  return std::string(index_name(index)) + buffer;
}

}  // namespace

PickAnalysis analyse_pick(int selection_step, int option, std::string_view feature_text,
                          std::string_view option_text, const CurrentFeature& current) {
  PickAnalysis out;
  if (selection_step != 0 || option < 1 || option >= CurrentFeature::kSlots) {
    out.refused = true;
    return out;
  }

  out.heading.append(feature_text).append(kHeadingSeparator).append(option_text);
  out.character = current.character[option];
  out.advice = current.advice[option];

  // Working copy, 1-based like ScoreIndex; entries are cleared as lines take them.
  std::int32_t w[kIndexCount + 1] = {};
  for (int n = 1; n <= kIndexCount; ++n) w[n] = current.score[option][n - 1];

  for (std::string& line : out.result_lines) {
    // Downwards with >=: of equal magnitudes the lower index wins; when everything
    // left is zero the line falls to index 1 with 0 points.
    std::int32_t best = 0;
    int idx = 1;
    for (int n = kIndexCount; n >= 1; --n) {
      if (std::llabs(static_cast<long long>(w[n])) >= std::llabs(static_cast<long long>(best))) {
        best = w[n];
        idx = n;
      }
    }
    w[idx] = 0;
    line = result_line(idx, best);
  }
  return out;
}

}  // namespace facelore
