#include "decision/document/case_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace decision {
namespace {

using Titles = std::vector<std::string>;

TEST(CaseDirectory, ListsTheBracketedTitlesInOrderAndIgnoresTheRest) {
  EXPECT_EQ(parse_case_directory("【A】【B】"), (Titles{"A", "B"}));
  EXPECT_EQ(parse_case_directory("xx【A】yy【B"), (Titles{"A"})) << "an unclosed bracket ends the list";
  EXPECT_EQ(parse_case_directory("no brackets"), Titles{});
  EXPECT_EQ(parse_case_directory(""), Titles{});
  EXPECT_EQ(parse_case_directory("【 跳槽还是留下 】"), (Titles{" 跳槽还是留下 "})) << "blanks are kept";
}

TEST(CaseDirectory, ReadsOnlyTheFirstLine) {
  EXPECT_EQ(parse_case_directory("【A】\r\n【B】"), (Titles{"A"}));
  EXPECT_EQ(parse_case_directory("【A\n】"), Titles{});
}

TEST(CaseDirectory, NeverMatchesABracketAcrossTwoCharacters) {
  // Two characters, B0 A1 and BE A1, with the bytes of 【 (A1 BE) across their
  // boundary; a byte-wise search would offer the text up to the next 】 as a title.
  const std::string line = std::string("\xB0\xA1\xBE\xA1") + "x】【T】";
  EXPECT_EQ(parse_case_directory(line), (Titles{"T"}));
}

TEST(CaseDirectory, DoesNotOfferTitlesThatCouldNameAnotherFile) {
  EXPECT_EQ(parse_case_directory("【..\\..\\x】【a/b】【c:d】【*】【?】【\"】【<】【>】【|】【】【ok】"), (Titles{"ok"}));
  // A trail byte equal to '\' or '|' is part of a character, not a separator.
  EXPECT_TRUE(is_offerable_case_title("\x81\x5C"));
  EXPECT_TRUE(is_offerable_case_title("\x81\x7C"));
  EXPECT_FALSE(is_offerable_case_title("a\\b"));
}

TEST(CaseDirectory, KeepsAtMostTheTableFull) {
  std::string line;
  for (int i = 1; i <= 40; ++i) line += "【" + std::to_string(i) + "】";
  const Titles titles = parse_case_directory(line);
  ASSERT_EQ(titles.size(), kMaxCaseTitles);
  EXPECT_EQ(titles.back(), std::to_string(kMaxCaseTitles));
}

TEST(CaseDirectory, NamesTheCaseFileAfterItsTitle) {
  EXPECT_EQ(case_file_path(" 买房 "), "exp\\ 买房 .dec");
}

}  // namespace
}  // namespace decision
