#include "facelore/analysis.h"

#include <gtest/gtest.h>

#include <string>

namespace facelore {
namespace {

class NumberedTexts : public TextSource {
 public:
  std::string load_text(int id) const override { return "text " + std::to_string(id); }
};

CurrentFeature loaded(int part, int feature) {
  CurrentFeature current;
  load_feature(part, feature, current, NumberedTexts{});
  return current;
}

using Lines = std::array<std::string, kResultLineCount>;

Lines lines_for(const DeltaRow& row) {
  CurrentFeature current;
  current.score[1] = row;
  return analyse_pick(0, 1, "f", "o", current).result_lines;
}

// --- A complete pick ---

TEST(AnalysePick, WorkedExampleBigEyes) {
  const CurrentFeature current = loaded(1, 1);
  const PickAnalysis a = analyse_pick(0, 1, "眼睛的大小", "大眼睛", current);
  ASSERT_FALSE(a.refused);
  EXPECT_EQ(a.heading, "眼睛的大小：大眼睛");
  EXPECT_EQ(a.character, "text 103");
  EXPECT_EQ(a.advice, "text 104");
  EXPECT_EQ(a.result_lines, (Lines{"浪漫指数：加 20 分", "温柔指数：加 15 分", "勤俭指数：减 10 分", "魅力指数：加 10 分"}));
}

TEST(AnalysePick, HeadingKeepsInnerSpaces) {
  const PickAnalysis a = analyse_pick(0, 1, "眼  白", "三白眼", loaded(1, 3));
  EXPECT_EQ(a.heading, "眼  白：三白眼");
}

TEST(AnalysePick, RepeatedAnalysisIsIdenticalAndLeavesTheStoreAlone) {
  const CurrentFeature current = loaded(1, 7);
  const DeltaRow before = current.score[3];
  const PickAnalysis first = analyse_pick(0, 3, "眼尾的皱纹", "有多条皱纹", current);
  const PickAnalysis second = analyse_pick(0, 3, "眼尾的皱纹", "有多条皱纹", current);
  EXPECT_EQ(first.heading, second.heading);
  EXPECT_EQ(first.result_lines, second.result_lines);
  EXPECT_EQ(current.score[3], before);
}

// --- Choosing the four indices ---

TEST(ResultLines, FewerThanFourNonZeroDeltasFallBackToHealthWithZero) {
  const CurrentFeature current = loaded(1, 7);  // 有多条皱纹 is option 3
  EXPECT_EQ(analyse_pick(0, 3, "眼尾的皱纹", "有多条皱纹", current).result_lines,
            (Lines{"健康指数：减 5 分 ", "财富指数：减 4 分 ", "性福指数：减 3 分 ", "健康指数：加 0 分 "}));
}

TEST(ResultLines, AllZeroRowGivesFourZeroHealthLines) {
  const CurrentFeature current = loaded(9, 2);  // 脖子端正 is option 2
  const Lines lines = analyse_pick(0, 2, "脖子是否端正", "脖子端正", current).result_lines;
  for (const std::string& line : lines) EXPECT_EQ(line, "健康指数：加 0 分 ");
}

TEST(ResultLines, EqualMagnitudesGoByIndexNumber) {
  const CurrentFeature current = loaded(1, 3);  // 三白眼
  EXPECT_EQ(analyse_pick(0, 1, "眼  白", "三白眼", current).result_lines,
            (Lines{"诚信指数：减 20 分", "贞洁指数：减 20 分", "魅力指数：减 20 分", "温柔指数：减 15 分"}));
  // A positive and a negative delta of one size tie too.
  EXPECT_EQ(lines_for({0, 0, 0, 0, 0, 0, 0, 0, -7, +7})[0], "魅力指数：减 7 分 ");
  EXPECT_EQ(lines_for({0, 0, 0, 0, 0, 0, 0, 0, +7, -7})[1], "性福指数：减 7 分 ");
}

TEST(ResultLines, TwoDigitMagnitudesDropTheTrailingSpace) {
  EXPECT_EQ(lines_for({0, 0, 0, 0, +10, 0, -10, 0, +9, -9}),
            (Lines{"勤俭指数：加 10 分", "温柔指数：减 10 分", "魅力指数：加 9 分 ", "性福指数：减 9 分 "}));
  EXPECT_EQ(lines_for({-45, +32, 0, 0, 0, 0, 0, 0, 0, +1})[0], "健康指数：减 45 分");
}

TEST(ResultLines, IndexNamesInOrder) {
  const char* expected[] = {"健康指数", "财富指数", "智力指数", "诚信指数", "勤俭指数",
                            "浪漫指数", "温柔指数", "贞洁指数", "魅力指数", "性福指数"};
  for (int n = 1; n <= kIndexCount; ++n) EXPECT_STREQ(index_name(n), expected[n - 1]) << n;
  EXPECT_STREQ(index_name(ScoreIndex::SexualHappiness), "性福指数");
  // Each index reaches its own line when it alone carries weight.
  for (int n = 1; n <= kIndexCount; ++n) {
    DeltaRow row{};
    row[n - 1] = -12;
    EXPECT_EQ(lines_for(row)[0], std::string(expected[n - 1]) + "：减 12 分") << n;
  }
}

// --- Refusal ---

TEST(AnalysePick, RefusedUnlessTheSelectionIsComplete) {
  const CurrentFeature current = loaded(1, 1);
  for (int step : {1, 2, 3, -1, 4}) {
    const PickAnalysis a = analyse_pick(step, 1, "眼睛的大小", "大眼睛", current);
    EXPECT_TRUE(a.refused) << step;
    EXPECT_TRUE(a.heading.empty() && a.character.empty() && a.advice.empty());
    EXPECT_TRUE(a.result_lines[0].empty());
  }
  EXPECT_TRUE(analyse_pick(0, 0, "眼睛的大小", "请点击选择", current).refused);
  EXPECT_STREQ(kIncompleteSelectionText, "请先完成面相特点的选择。");
  EXPECT_STREQ(kIncompleteSelectionCaption, "面相特点未完成输入");
}

}  // namespace
}  // namespace facelore
