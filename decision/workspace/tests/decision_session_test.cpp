// The main window's session: starting, opening and saving a decision, its name and
// title, and the changes the window hands to it.
#include "decision/workspace/decision_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "decision/document/dec_format.h"
#include "kit/text/file_io.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

constexpr kit::LocalTime kSixDecemberAtFivePastNine{2026, 12, 6, 9, 5};

// A folder of the running test's own, removed afterwards; its files are named in GBK,
// as the program names them.
class SessionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("decision_session_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string path(const char* name) const { return folder_.string() + "/" + name; }
  std::string bytes_of(const char* name) const {
    std::string bytes;
    kit::read_file_bytes(path(name), bytes, kMaxDecFileBytes);
    return bytes;
  }

  fs::path folder_;
  DecisionSession session_;
};

TEST(DecisionSession, HasNoDecisionUntilAStartAndThenTheNameOfTheClock) {
  DecisionSession session;
  EXPECT_FALSE(session.has_decision());
  EXPECT_EQ(session.title(), "择优宝 V1.2 — 当前未有决策");

  EXPECT_EQ(session.start_blank(1, kSixDecemberAtFivePastNine), kBadPosition);
  EXPECT_EQ(session.start_blank(10, kSixDecemberAtFivePastNine), kBadPosition);
  EXPECT_FALSE(session.has_decision());

  ASSERT_EQ(session.start_blank(3, kSixDecemberAtFivePastNine), kShapeOk);
  EXPECT_TRUE(session.has_decision());
  EXPECT_EQ(session.title(), "择优宝 V1.2 — 新决策(12-6 9：5).dec");
  EXPECT_EQ(session.decision().deci_count, 3);
  EXPECT_EQ(session.decision().background, kInitialBackground);
  EXPECT_EQ(new_decision_name({2027, 1, 31, 23, 59}), "新决策(1-31 23：59).dec");
}

TEST(DecisionSession, PositionListsFollowTheCountOfAlternatives) {
  DecisionSession session;
  session.start_blank(2, kSixDecemberAtFivePastNine);
  EXPECT_EQ(session.insert_positions(), (Entries{"在方案1之前", "在方案2之前", "在方案2之后"}));
  EXPECT_EQ(session.delete_positions(), (Entries{"方案1", "方案2"}));

  session.start_blank(9, kSixDecemberAtFivePastNine);
  EXPECT_EQ(session.insert_positions(), Entries{"方案数量已满"});
  EXPECT_EQ(session.insert_at(10), kInsertFull);
  EXPECT_EQ(session.decision().deci_count, 9);
}

TEST(DecisionSession, InsertingDeletingAndAcceptingReRankTheDecision) {
  DecisionSession session;
  session.start_blank(2, kSixDecemberAtFivePastNine);
  EXPECT_EQ(session.delete_at(1), kDeleteTooFew);

  Alternative rated = session.decision().alternatives[2];
  rated.result_value[1] = 5;  // probability 10: total 50
  ASSERT_EQ(session.accept_alternative(2, rated), kShapeOk);
  EXPECT_EQ(session.decision().alternatives[2].total_value, 50);
  EXPECT_EQ(session.decision().best_index, 2);
  EXPECT_EQ(session.accept_alternative(3, rated), kBadPosition);

  ASSERT_EQ(session.insert_at(1), kShapeOk);  // the rated one moves to 3
  EXPECT_EQ(session.decision().best_index, 3);
  ASSERT_EQ(session.delete_at(3), kShapeOk);
  EXPECT_EQ(session.decision().best_index, 0) << "all alike now";
  EXPECT_FALSE(session.hints().several_best);
}

TEST(DecisionSession, AnEmptySummaryTakesItsFallbackText) {
  DecisionSession session;
  session.set_background("");
  session.set_record("");
  EXPECT_EQ(session.decision().background, "在这里记录决策的背景：为何事，达到何种目标等。");
  EXPECT_EQ(session.decision().finish_str, "在这里记录决策的执行情况（可以随时添加内容）。");
  session.set_background("换工作");
  EXPECT_EQ(session.decision().background, "换工作");
}

TEST_F(SessionFiles, ASavedDecisionOpensTheSameAndSavesAgainByteForByte) {
  session_.start_blank(4, kSixDecemberAtFivePastNine);
  session_.set_background("背景\r\n第二行");
  const Decision saved = session_.decision();
  ASSERT_EQ(session_.save(path("第一.dec")), kDecOk);
  EXPECT_EQ(session_.file_name(), "第一.dec");

  DecisionSession reopened;
  ASSERT_EQ(reopened.open(path("第一.dec")), kDecOk);
  EXPECT_EQ(reopened.decision(), saved);
  EXPECT_EQ(reopened.title(), "择优宝 V1.2 — 第一.dec");
  ASSERT_EQ(reopened.save(path("second.dec")), kDecOk);
  EXPECT_EQ(bytes_of("second.dec"), bytes_of("第一.dec"));
}

TEST_F(SessionFiles, AFailedOpenOrSaveChangesNeitherTheDecisionNorItsName) {
  session_.start_blank(3, kSixDecemberAtFivePastNine);
  const Decision before = session_.decision();
  std::string corrupt = "deci_count=12";
  scramble_bytes(corrupt);
  kit::replace_file_bytes(path("corrupt.dec"), corrupt);
  kit::replace_file_bytes(path("oversized.dec"), std::string(kMaxDecFileBytes + 1, 'x'));

  for (const char* bad : {"corrupt.dec", "oversized.dec"})
    EXPECT_STREQ(dec_message(session_.open(path(bad))).text, kDecFileCorruptText) << bad;
  EXPECT_EQ(session_.open(path("missing.dec")), kDecFileMissing);
  EXPECT_EQ(session_.save(path("no folder/x.dec")), kDecSaveFailed);
  EXPECT_EQ(session_.decision(), before);
  EXPECT_EQ(session_.title(), "择优宝 V1.2 — 新决策(12-6 9：5).dec");
}

TEST(DecisionSession, ACaseBecomesTheDecisionUnderItsNameOnlyWhenItReads) {
  DecisionSession session;
  EXPECT_NE(session.start_from_case("not a decision", "坏.dec"), kDecOk);
  EXPECT_FALSE(session.has_decision());

  Decision made;
  reset_decision(made);
  made.deci_count = 3;
  made.background = "去深圳还是留在成都";
  ASSERT_EQ(session.start_from_case(write_decision_text(made), "去深圳还是留在成都.dec"), kDecOk);
  EXPECT_EQ(session.decision().background, made.background);
  EXPECT_EQ(session.title(), "择优宝 V1.2 — 去深圳还是留在成都.dec");
}

TEST(DecisionSession, AFinishedWizardRevisesUnderTheOldNameOrStartsANewOne) {
  DecisionSession session;
  ASSERT_EQ(session.start_from_case(write_decision_text(session.decision()), "旧.dec"), kDecOk);
  Decision revised = session.decision();
  revised.background = "改过";
  session.finish_wizard_revision(revised);
  EXPECT_EQ(session.decision().background, "改过");
  EXPECT_EQ(session.file_name(), "旧.dec");

  session.finish_wizard_new(revised, kSixDecemberAtFivePastNine);
  EXPECT_EQ(session.file_name(), "新决策(12-6 9：5).dec");
}

}  // namespace
}  // namespace decision
