#include "decision/document/traps.h"

#include <gtest/gtest.h>

#include <string>

namespace decision {
namespace {

TEST(Traps, StoredTextIsTheQuestionAnEmptyLineAndTheIndentedExplanation) {
  EXPECT_EQ(stored_trap_text(10),
            "何谓沉锚陷阱？\r\n\r\n    即对第一印象特别重视（也即先入为主），就象沉入海底的锚一样，思维被固定在某一处。");
  EXPECT_EQ(stored_trap_text(1).substr(0, 26), "何谓过于自信陷阱？\r\n\r\n    ");
  for (int n = 1; n <= kTrapCount; ++n) {
    EXPECT_EQ(std::string(trap(n).question), std::string("何谓") + trap(n).name + "？") << "trap " << n;
    const TrapText text = split_trap_text(stored_trap_text(n));
    EXPECT_EQ(text.heading, trap(n).question) << "trap " << n;
    EXPECT_EQ(text.body, std::string("    ") + trap(n).explanation) << "trap " << n;
  }
}

TEST(Traps, SplitsAtTheFirstEmptyLineOnly) {
  const TrapText no_gap = split_trap_text("何谓？\r\n说明");
  EXPECT_EQ(no_gap.heading, "何谓？\r\n说明");
  EXPECT_EQ(no_gap.body, "");
  const TrapText two = split_trap_text("问\r\n\r\n    甲\r\n\r\n乙");
  EXPECT_EQ(two.heading, "问");
  EXPECT_EQ(two.body, "    甲\r\n\r\n乙");
  EXPECT_EQ(split_trap_text("").heading, "");
}

}  // namespace
}  // namespace decision
