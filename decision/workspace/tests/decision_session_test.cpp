// The main window's session: starting, opening and saving a decision, its name and
// title, the changes the window hands to it, unsaved changes, undo and redo, and the
// recovery file two runs share a folder for.
#include "decision/workspace/decision_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "decision/document/dec_format.h"
#include "decision/workspace/recovery_file.h"
#include "kit/text/file_io.h"

namespace decision {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

constexpr kit::LocalTime kSixDecemberAtFivePastNine{2026, 12, 6, 9, 5};
// Names GBK lacks: accented Latin, Hangul and an emoji.
constexpr char8_t kLatinName[] = u8"Käufe ß ñ.dec";
constexpr char8_t kHangulEmojiName[] = u8"한국어 \U0001F600.dec";

// A folder of the running test's own, removed afterwards; its files are named in UTF-8,
// the host's own kind of name.
class SessionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("decision_session_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path path(const char8_t* name) const { return folder_ / name; }
  bool holds(const std::string& name) const { return fs::exists(folder_ / name); }
  std::string bytes_of(const char8_t* name) const {
    std::string bytes;
    kit::read_path_bytes(path(name), bytes, kMaxDecFileBytes);
    return bytes;
  }

  fs::path folder_;
  DecisionSession session_;
};

TEST(DecisionSession, HasNoDecisionUntilAStartAndThenTheNameOfTheClock) {
  DecisionSession session;
  EXPECT_FALSE(session.has_decision());
  EXPECT_EQ(session.title(), u8"择优宝 V1.2 — 当前未有决策");

  EXPECT_EQ(session.start_blank(1, kSixDecemberAtFivePastNine), kBadPosition);
  EXPECT_EQ(session.start_blank(10, kSixDecemberAtFivePastNine), kBadPosition);
  EXPECT_FALSE(session.has_decision());

  ASSERT_EQ(session.start_blank(3, kSixDecemberAtFivePastNine), kShapeOk);
  EXPECT_TRUE(session.has_decision());
  EXPECT_EQ(session.title(), u8"择优宝 V1.2 — 新决策(12-6 9：5).dec");
  EXPECT_EQ(session.decision().deci_count, 3);
  EXPECT_EQ(session.decision().background, kInitialBackground);
  EXPECT_EQ(new_decision_name({2027, 1, 31, 23, 59}).u8string(), u8"新决策(1-31 23：59).dec");
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
  ASSERT_EQ(session_.save(path(u8"第一.dec")), kDecOk);
  EXPECT_EQ(session_.file_name().u8string(), u8"第一.dec");

  DecisionSession reopened;
  ASSERT_EQ(reopened.open(path(u8"第一.dec")), kDecOk);
  EXPECT_EQ(reopened.decision(), saved);
  EXPECT_EQ(reopened.title(), u8"择优宝 V1.2 — 第一.dec");
  ASSERT_EQ(reopened.save(path(u8"second.dec")), kDecOk);
  EXPECT_EQ(bytes_of(u8"second.dec"), bytes_of(u8"第一.dec"));
}

// Names GBK lacks (accented Latin, Hangul, an emoji) are saved, opened and shown whole.
TEST_F(SessionFiles, AnyNameTheSystemAllowsIsSavedOpenedAndShownAsItIs) {
  session_.start_blank(2, kSixDecemberAtFivePastNine);
  session_.set_background("背景");
  ASSERT_EQ(session_.save(path(kLatinName)), kDecOk);
  EXPECT_EQ(session_.title(), u8"择优宝 V1.2 — " + std::u8string(kLatinName));
  session_.set_record("改过");
  EXPECT_EQ(unsaved_question(session_.file_name()), u8"“" + std::u8string(kLatinName) + u8"”已修改。是否保存修改？");
  ASSERT_EQ(session_.save(path(kHangulEmojiName)), kDecOk);

  DecisionSession reopened;
  ASSERT_EQ(reopened.open(path(kHangulEmojiName)), kDecOk);
  EXPECT_EQ(reopened.decision(), session_.decision());
  EXPECT_EQ(reopened.file_name(), fs::path(kHangulEmojiName));
}

TEST_F(SessionFiles, AFailedOpenOrSaveChangesNeitherTheDecisionNorItsName) {
  session_.start_blank(3, kSixDecemberAtFivePastNine);
  const Decision before = session_.decision();
  std::string corrupt = "deci_count=12";
  scramble_bytes(corrupt);
  kit::replace_path_bytes(path(u8"corrupt.dec"), corrupt);
  kit::replace_path_bytes(path(u8"oversized.dec"), std::string(kMaxDecFileBytes + 1, 'x'));

  for (const char8_t* bad : {u8"corrupt.dec", u8"oversized.dec"})
    EXPECT_STREQ(dec_message(session_.open(path(bad))).text, kDecFileCorruptText);
  EXPECT_EQ(session_.open(path(u8"missing.dec")), kDecFileMissing);
  EXPECT_EQ(session_.save(path(u8"no folder/x.dec")), kDecSaveFailed);
  EXPECT_EQ(session_.decision(), before);
  EXPECT_EQ(session_.title(), u8"择优宝 V1.2 — 新决策(12-6 9：5).dec");
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
  EXPECT_EQ(session.title(), u8"择优宝 V1.2 — 去深圳还是留在成都.dec");
}

TEST(DecisionSession, AFinishedWizardRevisesUnderTheOldNameOrStartsANewOne) {
  DecisionSession session;
  ASSERT_EQ(session.start_from_case(write_decision_text(session.decision()), "旧.dec"), kDecOk);
  Decision revised = session.decision();
  revised.background = "改过";
  session.finish_wizard_revision(revised);
  EXPECT_EQ(session.decision().background, "改过");
  EXPECT_EQ(session.file_name().u8string(), u8"旧.dec");

  session.finish_wizard_new(revised, kSixDecemberAtFivePastNine);
  EXPECT_EQ(session.file_name().u8string(), u8"新决策(12-6 9：5).dec");
}

// Modified by content: a change that changes nothing, or one undone, leaves none.
TEST(DecisionSession, UnsavedChangesAreJudgedByContentAndWalkedByUndoAndRedo) {
  DecisionSession session;
  session.start_blank(3, kSixDecemberAtFivePastNine);
  EXPECT_FALSE(session.modified());
  session.accept_alternative(1, session.decision().alternatives[1]);  // a kept panel, nothing changed
  EXPECT_FALSE(session.modified());
  EXPECT_FALSE(session.can_undo());

  session.insert_at(1);
  session.set_method(ByUtility);
  EXPECT_EQ(session.set_method(4), kBadPosition);
  EXPECT_TRUE(session.modified());
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(session.decision().base_of, ByEvaluation);
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(session.decision().deci_count, 3);
  EXPECT_FALSE(session.modified());
  EXPECT_FALSE(session.undo());
  ASSERT_TRUE(session.redo());
  EXPECT_EQ(session.decision().deci_count, 4);
  EXPECT_TRUE(session.can_redo());
  session.set_record("新的一步");  // a new change drops what could be redone
  EXPECT_FALSE(session.can_redo());

  // At least a hundred steps back; a new start forgets them.
  for (int i = 0; i < 120; ++i) session.set_background(std::to_string(i));
  int steps = 0;
  while (session.undo()) ++steps;
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(session.decision().background, "19");
  session.start_from_case(write_decision_text(session.decision()), "案例.dec");
  EXPECT_FALSE(session.can_undo() || session.can_redo() || session.modified());
  // The wizard's new decision is work not saved yet.
  session.finish_wizard_new(session.decision(), kSixDecemberAtFivePastNine);
  EXPECT_TRUE(session.modified());
}

// A run that did not end leaves its recovery file; the next run takes it, a live run's
// is never offered, and an unsound one is set aside.
TEST_F(SessionFiles, TheRecoveryFileOutlivesAKilledRunOnlyAndIsTakenOnce) {
  {
    RecoveryFile killed(folder_, "1-a");
    ASSERT_TRUE(killed.start());
    DecisionSession run;
    run.use_recovery(killed);
    run.start_blank(9, kSixDecemberAtFivePastNine);
    EXPECT_FALSE(holds("recovery-1-a.dec")) << "nothing unsaved yet";
    run.set_background("一小时的权衡");
    EXPECT_TRUE(holds("recovery-1-a.dec"));
    run.undo();
    EXPECT_FALSE(holds("recovery-1-a.dec")) << "undone to the saved state";
    run.redo();
    ASSERT_TRUE(holds("recovery-1-a.dec"));
    // Killed here: the lock goes with the process, the file stays.
  }
  RecoveryFile live(folder_, "2-b");
  ASSERT_TRUE(live.start());
  DecisionSession other;
  other.use_recovery(live);
  other.start_blank(2, kSixDecemberAtFivePastNine);
  other.set_record("另一个程序的决策");

  RecoveryFile next(folder_, "3-c");
  ASSERT_TRUE(next.start());
  DecisionSession session;
  session.use_recovery(next);
  fs::path name;
  ASSERT_TRUE(session.find_left_over(name));
  EXPECT_EQ(name.u8string(), u8"新决策(12-6 9：5).dec");
  EXPECT_FALSE(session.find_left_over(name)) << "the live run's file is not offered";
  EXPECT_TRUE(holds("recovery-2-b.dec"));
  session.restore_left_over();
  EXPECT_EQ(session.decision().background, "一小时的权衡");
  EXPECT_EQ(session.decision().deci_count, 9);
  EXPECT_TRUE(session.modified());
  EXPECT_TRUE(holds("recovery-3-c.dec"));
  EXPECT_FALSE(holds("recovery-1-a.dec"));

  // Saved, the file goes; the live run's normal end takes its own.
  ASSERT_EQ(session.save(path(u8"saved.dec")), kDecOk);
  EXPECT_FALSE(holds("recovery-3-c.dec"));
  other.end_run();
  EXPECT_FALSE(holds("recovery-2-b.dec"));

  kit::replace_path_bytes(path(u8"recovery-4-d.dec"), "not a decision");
  RecoveryFile last(folder_, "5-e");
  ASSERT_TRUE(last.start());
  Decision decision;
  EXPECT_FALSE(last.take_left_over(decision, name));
  EXPECT_TRUE(holds("unsound-4-d.dec"));
}

// The name file holds UTF-8 behind a mark; one an older run wrote in GBK still reads.
TEST_F(SessionFiles, ARecoveredDecisionKeepsAnyNameAndAnOldGbkNameStillReads) {
  {
    RecoveryFile crashed(folder_, "6-f");
    ASSERT_TRUE(crashed.start());
    ASSERT_TRUE(crashed.write(kHangulEmojiName, write_decision_text(session_.decision())));
    std::string scrambled;
    kit::read_path_bytes(crashed.decision_path(), scrambled, kMaxDecFileBytes);
    kit::replace_path_bytes(folder_ / "recovery-7-g.dec", scrambled);
    kit::replace_path_bytes(folder_ / "recovery-7-g.name", "旧的决策.dec");  // GBK bytes
  }
  RecoveryFile next(folder_, "8-h");
  ASSERT_TRUE(next.start());
  Decision decision;
  std::set<std::u8string> names;
  for (fs::path name; next.take_left_over(decision, name);) names.insert(name.u8string());
  EXPECT_EQ(names, (std::set<std::u8string>{kHangulEmojiName, u8"旧的决策.dec"}));
}

}  // namespace
}  // namespace decision
