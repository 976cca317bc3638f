// The recent decisions' rules: newest first, each file once whatever its letter case,
// four at most, removal; and which dropped path is a decision file.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "decision/workspace/recent_list.h"

namespace decision {
namespace {

// UTF-16 literals: their conversion does not depend on the host's locale.
using Paths = std::vector<std::filesystem::path>;

TEST(RecentList, NewestFirstEachFileOnceAndNoMoreThanFour) {
  RecentList list;
  for (const char16_t* name : {u"C:\\d\\1.dec", u"C:\\d\\2.dec", u"C:\\d\\3.dec", u"C:\\d\\4.dec"}) list.add(name);
  // Opening an older one again moves it to the top instead of listing it twice.
  list.add(u"c:\\D\\2.DEC");
  EXPECT_EQ(list.paths(), (Paths{u"c:\\D\\2.DEC", u"C:\\d\\4.dec", u"C:\\d\\3.dec", u"C:\\d\\1.dec"}));
  list.add(u"C:\\d\\5.dec");
  EXPECT_EQ(list.paths(), (Paths{u"C:\\d\\5.dec", u"c:\\D\\2.DEC", u"C:\\d\\4.dec", u"C:\\d\\3.dec"}));
}

TEST(RecentList, RemoveTakesOutTheSameFileInAnyCaseAndOnlyThat) {
  RecentList list({u"C:\\决策\\Ａ计划.dec", u"C:\\决策\\b.dec"});
  EXPECT_FALSE(list.remove(u"C:\\决策\\c.dec"));
  EXPECT_TRUE(list.remove(u"c:\\决策\\ａ计划.DEC"));
  EXPECT_EQ(list.paths(), (Paths{u"C:\\决策\\b.dec"}));
}

TEST(RecentList, AKeptListLosesEmptiesRepeatsAndWhatIsPastTheFourth) {
  const RecentList list({u"C:\\1.dec", u"", u"C:\\2.dec", u"c:\\1.DEC", u"C:\\3.dec", u"C:\\4.dec", u"C:\\5.dec"});
  EXPECT_EQ(list.paths(), (Paths{u"C:\\1.dec", u"C:\\2.dec", u"C:\\3.dec", u"C:\\4.dec"}));
}

TEST(RecentList, ADecisionFileIsNamedDecInAnyCase) {
  EXPECT_TRUE(is_decision_file(u"C:\\d\\买房.dec"));
  EXPECT_TRUE(is_decision_file(u"C:\\d\\买房.DeC"));
  EXPECT_FALSE(is_decision_file(u"C:\\d\\买房.txt"));
  EXPECT_FALSE(is_decision_file(u"C:\\d\\买房.dec.txt"));
  EXPECT_FALSE(is_decision_file(u"C:\\d\\dec"));
  EXPECT_FALSE(is_decision_file(u"C:\\d\\买房.decx"));
}

}  // namespace
}  // namespace decision
