// The decision record of 择优宝: a background, an execution record, two to nine
// alternatives with one to nine results each, and the evaluation and ranking built
// from them.  Plain data and free functions; texts are GBK byte strings.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace decision {

// Every array is 1-based: slot 0 is never used, slots 1..19 are storage.  The shape
// the user can build is smaller: at most 9 alternatives of at most 9 results (the
// 3 x 3 grid of the main window, the nine result rows of the panel, one digit each
// in the file).
constexpr int kSlotCount = 20;
constexpr int kLastSlot = kSlotCount - 1;
constexpr int kMaxAlternatives = 9;
constexpr int kMinAlternatives = 2;
constexpr int kMaxResults = 9;
constexpr int kMinProbability = 0;    // tenths: 0 impossible
constexpr int kMaxProbability = 10;   // 10 certain
constexpr int kMinValue = -10;
constexpr int kMaxValue = 10;

// An alternative or result text not filled in yet; input boxes open empty for it.
inline constexpr char kPlaceholderText[] = "\xA1\xAD\xA1\xAD";  // ……

inline constexpr char kInitialBackground[] = "在这里记录决策的背景：发生何事，有哪些选择，达到何种目标等。";
inline constexpr char kInitialFinish[] = "在这里随时添加内容，记录决策的执行情况。";

// Shown by the main window when delete_alternative refuses (kDeleteTooFew).
inline constexpr char kDeleteRefusedText[] = "决策方案至少应有两个以上，有选择才有决策。";
inline constexpr char kDeleteRefusedCaption[] = "决策方案不能少于两个";

// The two hints of the main window (shown there as pictures).
inline constexpr char kSeveralBestHintText[] = "提示：当前有多个最优方案。";
inline constexpr char kTooCloseHintText[] = "提示：最优方案与次优方案效益值比较接近，建议再仔细权衡得失。";

// The basis on which result values are judged.  It selects pictures only, never the
// arithmetic.
enum DecisionMethod : int {
  ByEvaluation = 1,  // 基于评价
  ByPreference = 2,  // 基于喜恶
  ByUtility = 3,     // 基于效用
};

struct Alternative {
  std::string deci_str;
  int result_count = 0;
  std::array<std::string, kSlotCount> result_str{};
  std::array<int, kSlotCount> result_prob{};   // tenths, 0..10
  std::array<int, kSlotCount> result_value{};  // benefit, -10..10
  int total_value = 0;                         // derived by compute_totals

  friend bool operator==(const Alternative&, const Alternative&) = default;
};

// A default-constructed Decision is empty; reset_decision gives the initial content.
struct Decision {
  std::string background;
  std::string finish_str;
  std::array<Alternative, kSlotCount> alternatives{};  // in use: 1..deci_count
  int deci_count = 0;
  int best_index = 0;       // derived by compute_ranking; 0 = none
  int runner_up_index = 0;  // derived; 0 = none
  int worst_index = 0;      // derived; 0 = none
  int base_of = ByEvaluation;

  friend bool operator==(const Decision&, const Decision&) = default;
};

// Initial texts, two alternatives, base_of 1, every slot 1..19 reset.  The three
// rank indices are left alone; the next compute_ranking sets them.
void reset_decision(Decision& decision);

// One unfilled result of probability 10 and value 0 in every slot 1..19; slot 0 is
// not touched.
void reset_alternative(Alternative& alternative);

enum ShapeResult : int {
  kShapeOk = 0,
  kInsertFull = 1,     // already 9 alternatives
  kDeleteTooFew = 2,   // fewer than 3 alternatives: show kDeleteRefusedText
  kBadPosition = 3,    // pos outside the allowed range; nothing changes
};

// Inserts a reset alternative at pos (1 .. deci_count + 1); the alternatives from pos
// on move one slot up, whole.  Refused (kInsertFull) when there are 9 already.
int insert_alternative(Decision& decision, int pos);

// Deletes the alternative at pos (1 .. deci_count); the ones after it move one slot
// down, whole, and the slot freed at the end is reset.  Refused (kDeleteTooFew) when
// fewer than three alternatives are in use.
int delete_alternative(Decision& decision, int pos);

// total_value of every alternative in use: the sum of probability x value over its
// results in use.
void compute_totals(Decision& decision);

struct RankingHints {
  bool several_best = false;  // some, but not all, alternatives share the top total
  bool too_close = false;     // unique best and runner-up whose totals are close
};

// Sets best_index, runner_up_index and worst_index from the totals (0 when a rank is
// shared) and tells which hints to show.  Run compute_totals first.
RankingHints compute_ranking(Decision& decision);

// The text of alternative i's grid cell: its label, the first 30 bytes of its
// description without line breaks, and its total.
std::string alternative_report_text(const Decision& decision, int i);

// The text shown for background or finish_str: the first 28 bytes without line
// breaks, then an ellipsis line.
std::string summary_text(std::string_view text);

// "方案%d" and "结果%d".
std::string alternative_label(int i);
std::string result_label(int k);

}  // namespace decision
