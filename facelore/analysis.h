// The analysis of one pick: the heading, the picked option's two texts and the four
// indices on which its delta row weighs most.  A pure function of what the main window
// holds; the window only shows the result.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "facelore/catalogue.h"

namespace facelore {

// The answer to an analysis asked for before a part, a feature and an option are chosen.
inline constexpr char kIncompleteSelectionText[] = "请先完成面相特点的选择。";
inline constexpr char kIncompleteSelectionCaption[] = "面相特点未完成输入";

constexpr int kResultLineCount = 4;

struct PickAnalysis {
  // True when the selection is incomplete: show kIncompleteSelectionText under
  // kIncompleteSelectionCaption and leave every output as it is.
  bool refused = false;

  std::string heading;    // feature text + "：" + option text
  std::string character;  // character text of the picked option
  std::string advice;     // advice text of the picked option
  std::array<std::string, kResultLineCount> result_lines;  // e.g. "浪漫指数：加 20 分"
};

// selection_step is 0 once a part, a feature and an option are chosen; option is the
// picked option number k; feature_text and option_text are the texts the feature and
// option lists show.  Any step other than 0, or an option outside 1..7, is refused.
// current is only read, so the same pick always gives the same lines.
PickAnalysis analyse_pick(int selection_step, int option, std::string_view feature_text,
                          std::string_view option_text, const CurrentFeature& current);

}  // namespace facelore
