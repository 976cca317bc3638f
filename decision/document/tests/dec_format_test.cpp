#include "decision/document/dec_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "kit/testing/test_folder.h"

namespace decision {

namespace fs = std::filesystem;

// Failures show a decision as its text.
void PrintTo(const Decision& decision, std::ostream* os) { *os << write_decision_text(decision); }

namespace {

const std::string kSep = "\xA1\xFE";  // 〓

Decision fresh_decision() {
  Decision decision;
  reset_decision(decision);
  return decision;
}

// 跳槽 / 未定; 留下: 加薪 6 x 5, 不变 4 x 0; 离开: 新机会 10 x 3.
Decision worked_example() {
  Decision d = fresh_decision();
  d.background = "跳槽";
  d.finish_str = "未定";
  d.deci_count = 2;
  d.alternatives[1].deci_str = "留下";
  d.alternatives[1].result_count = 2;
  d.alternatives[1].result_str[1] = "加薪";
  d.alternatives[1].result_prob[1] = 6;
  d.alternatives[1].result_value[1] = 5;
  d.alternatives[1].result_str[2] = "不变";
  d.alternatives[1].result_prob[2] = 4;
  d.alternatives[1].result_value[2] = 0;
  d.alternatives[2].deci_str = "离开";
  d.alternatives[2].result_count = 1;
  d.alternatives[2].result_str[1] = "新机会";
  d.alternatives[2].result_prob[1] = 10;
  d.alternatives[2].result_value[1] = 3;
  d.base_of = ByEvaluation;
  return d;
}

std::string worked_example_text() {
  return "background=跳槽" + kSep + "  finish_str=未定" + kSep + "deci_count=2" + kSep + "deci_str=留下" + kSep +
         "deci_str=离开" + kSep + "result_count=2" + kSep + "result_count=1" + kSep + "result_str=加薪" + kSep +
         "result_str=不变" + kSep + "result_str=新机会" + kSep + "result_prob=6" + kSep + "result_prob=4" + kSep +
         "result_prob=10" + kSep + "result_value=5" + kSep + "result_value=0" + kSep + "result_value=3" + kSep +
         "base_of=1" + kSep;
}

// The worked text with one record replaced (or dropped when replacement is empty).
std::string with_record(const std::string& record, const std::string& replacement) {
  std::string text = worked_example_text();
  std::size_t at = text.find(record + kSep);
  EXPECT_NE(at, std::string::npos) << record;
  if (at == std::string::npos) return text;
  return text.replace(at, record.size() + kSep.size(), replacement.empty() ? "" : replacement + kSep);
}

// Reads text into a decision that already holds something else; on failure the
// decision must be exactly as before.
int read_into_other(const std::string& text) {
  Decision decision = worked_example();
  decision.alternatives[1].deci_str = "原来的";
  decision.best_index = 2;
  Decision before = decision;
  int result = read_decision_text(decision, text);
  if (result != kDecOk) {
    EXPECT_EQ(decision, before);
  }
  return result;
}

Decision round_trip(const Decision& original) {
  Decision back = fresh_decision();
  EXPECT_EQ(read_decision_text(back, write_decision_text(original)), kDecOk);
  return back;
}

// How many records of each key a text holds (keys up to their "=").
std::map<std::string, int> record_counts(const std::string& text) {
  std::map<std::string, int> counts;
  std::size_t pos = 0;
  for (std::size_t sep; (sep = text.find(kSep, pos)) != std::string::npos; pos = sep + kSep.size())
    ++counts[text.substr(pos, text.find('=', pos) + 1 - pos)];
  return counts;
}

// ---- the writer's layout ----

TEST(WriteDecisionText, WorkedExampleByteForByte) {
  std::string text = write_decision_text(worked_example());
  EXPECT_EQ(text, worked_example_text());
  // 跳槽 is CC F8 B2 DB; the separator A1 FE.
  EXPECT_EQ(text.substr(0, 24), std::string("background=\xCC\xF8\xB2\xDB\xA1\xFE  finis"));
}

TEST(ReadDecisionText, WorkedExampleReadsBackWithEqualTotalsAndNoBest) {
  Decision decision = fresh_decision();
  ASSERT_EQ(read_decision_text(decision, worked_example_text()), kDecOk);
  EXPECT_EQ(decision, worked_example());
  compute_totals(decision);
  EXPECT_EQ(decision.alternatives[1].total_value, 30);
  EXPECT_EQ(decision.alternatives[2].total_value, 30);
  compute_ranking(decision);
  EXPECT_EQ(decision.best_index, 0);
}

TEST(WriteDecisionText, NineByNineWritesEveryRecordOnce) {
  Decision d = fresh_decision();
  d.deci_count = 9;
  for (int i = 1; i <= 9; ++i) {
    d.alternatives[i].deci_str = "方案" + std::to_string(i);
    d.alternatives[i].result_count = 9;
    for (int k = 1; k <= 9; ++k) {
      d.alternatives[i].result_str[k] = "结果" + std::to_string(i) + "-" + std::to_string(k);
      d.alternatives[i].result_prob[k] = (i + k) % 11;
      d.alternatives[i].result_value[k] = (i * k) % 21 - 10;
    }
  }
  d.alternatives[10].deci_str = "not in use";
  std::string text = write_decision_text(d);
  std::map<std::string, int> expected_counts{{"background=", 1}, {"  finish_str=", 1}, {"deci_count=", 1},
                                      {"deci_str=", 9},   {"result_count=", 9}, {"result_str=", 81},
                                      {"result_prob=", 81}, {"result_value=", 81}, {"base_of=", 1}};
  EXPECT_EQ(record_counts(text), expected_counts);
  EXPECT_EQ(text.find("not in use"), std::string::npos);
  Decision expected = d;
  reset_alternative(expected.alternatives[10]);
  EXPECT_EQ(round_trip(d), expected);
}

TEST(WriteDecisionText, AlternativeWithoutResultsContributesNoResultRecords) {
  Decision d = worked_example();
  d.alternatives[2].result_count = 0;
  std::map<std::string, int> counts = record_counts(write_decision_text(d));
  EXPECT_EQ(counts["result_str="], 2);
  EXPECT_EQ(counts["result_value="], 2);
  EXPECT_EQ(round_trip(d).alternatives[2].result_count, 0);
}

// ---- round trips ----

TEST(RoundTrip, MultiLineTextsKeepTheirLineBreaks) {
  Decision d = worked_example();
  d.background = "第一行\r\n第二行\r\n\r\n";
  d.finish_str = "\r\n开头是空行";
  d.alternatives[1].deci_str = "留下\r\n再看一年";
  d.alternatives[2].result_str[1] = "只有\n换行";
  EXPECT_EQ(round_trip(d), d);
}

TEST(RoundTrip, EveryProbabilityAndValue) {
  Decision d = fresh_decision();
  d.deci_count = 3;
  int n = 0;
  for (int i = 1; i <= 3; ++i) {
    d.alternatives[i].result_count = 9;
    for (int k = 1; k <= 9; ++k, ++n) {
      d.alternatives[i].result_prob[k] = n % 11;        // 0..10
      d.alternatives[i].result_value[k] = n % 21 - 10;  // -10..10
    }
  }
  d.base_of = ByUtility;
  EXPECT_EQ(round_trip(d), d);
}

// ---- a: a text that is not a sound decision changes nothing ----

TEST(ReadDecisionText, SlotsTheTextDoesNotMentionKeepTheirContent) {
  Decision decision = worked_example();
  decision.deci_count = 3;
  decision.alternatives[3].deci_str = "旧的第三个";
  decision.alternatives[2].result_str[2] = "旧的结果";
  decision.best_index = 3;
  decision.runner_up_index = 1;
  ASSERT_EQ(read_decision_text(decision, worked_example_text()), kDecOk);
  EXPECT_EQ(decision.deci_count, 2);
  EXPECT_EQ(decision.alternatives[3].deci_str, "旧的第三个");
  EXPECT_EQ(decision.alternatives[2].result_str[2], "旧的结果");
  EXPECT_EQ(decision.best_index, 3);
  EXPECT_EQ(decision.runner_up_index, 1);
}

TEST(ReadDecisionText, MissingRecordIsRefused) {
  EXPECT_EQ(read_into_other(with_record("base_of=1", "")), kDecMissingRecord);
  EXPECT_EQ(read_into_other(with_record("deci_count=2", "")), kDecMissingRecord);
  EXPECT_EQ(read_into_other(with_record("result_prob=4", "")), kDecMissingRecord);
  EXPECT_EQ(read_into_other(with_record("background=跳槽", "")), kDecMissingRecord);
  // The key of the execution record is preceded by two spaces.
  EXPECT_EQ(read_into_other(with_record("  finish_str=未定", "finish_str=未定")), kDecMissingRecord);
  EXPECT_EQ(read_into_other(""), kDecMissingRecord);
}

TEST(ReadDecisionText, RepeatedRecordsOutOfTheWritersOrderAreRefused) {
  // The descriptions moved after the result counts: once they are found, the
  // cursor has passed the counts.
  std::string descriptions = "deci_str=留下" + kSep + "deci_str=离开" + kSep;
  std::string counts = "result_count=2" + kSep + "result_count=1" + kSep;
  std::string text = worked_example_text();
  std::size_t at = text.find(descriptions + counts);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, descriptions.size() + counts.size(), counts + descriptions);
  EXPECT_EQ(read_into_other(text), kDecMissingRecord);
  // The single records may stand anywhere.
  std::string base_first = "base_of=2" + kSep + with_record("base_of=1", "");
  Decision decision = fresh_decision();
  ASSERT_EQ(read_decision_text(decision, base_first), kDecOk);
  EXPECT_EQ(decision.base_of, ByPreference);
}

TEST(ReadDecisionText, NumberThatIsNotADecimalIsRefused) {
  EXPECT_EQ(read_into_other(with_record("deci_count=2", "deci_count=x")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("deci_count=2", "deci_count=")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("result_count=2", "result_count=-")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("result_prob=6", "result_prob= 6")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("result_value=5", "result_value=5a")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("result_value=5", "result_value=+5")), kDecBadNumber);
  EXPECT_EQ(read_into_other(with_record("base_of=1", "base_of=99999999999")), kDecBadNumber);
}

TEST(ReadDecisionText, NumbersOutOfTheirRangeAreRefused) {
  EXPECT_EQ(read_into_other(with_record("deci_count=2", "deci_count=0")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("deci_count=2", "deci_count=10")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("result_count=2", "result_count=10")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("result_prob=6", "result_prob=11")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("result_prob=6", "result_prob=-1")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("result_value=5", "result_value=11")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("result_value=5", "result_value=-11")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("base_of=1", "base_of=0")), kDecOutOfRange);
  EXPECT_EQ(read_into_other(with_record("base_of=1", "base_of=4")), kDecOutOfRange);
  // The limits themselves are fine.
  EXPECT_EQ(read_into_other(with_record("result_value=5", "result_value=-10")), kDecOk);
  EXPECT_EQ(read_into_other(with_record("base_of=1", "base_of=3")), kDecOk);
}

TEST(ReadDecisionText, EveryTruncationIsRefused) {
  std::string text = worked_example_text();
  for (std::size_t length = 0; length < text.size(); ++length)
    ASSERT_NE(read_into_other(text.substr(0, length)), kDecOk) << length;
  EXPECT_EQ(read_into_other(text), kDecOk);
}

// ---- d: a key inside a user's text is not a record ----

TEST(ReadDecisionText, KeysInsideTextsAreNotRecords) {
  Decision d = worked_example();
  d.background = "先看finish_str=这里 deci_count=9 base_of=3";
  d.finish_str = "deci_str=假的方案";
  d.alternatives[1].deci_str = "result_count=5";
  d.alternatives[1].result_str[1] = "result_prob=7 result_value=-9";
  d.alternatives[2].result_str[1] = "base_of=2";
  std::string text = write_decision_text(d);
  Decision back = fresh_decision();
  ASSERT_EQ(read_decision_text(back, text), kDecOk);
  EXPECT_EQ(back, d);
}

TEST(ReadDecisionText, SeparatorBytesAcrossTwoCharactersDoNotEndARecord) {
  // 啊 (B0 A1) then 兀 (FE 40): the bytes A1 FE sit across the two characters.
  Decision d = worked_example();
  d.background = "\xB0\xA1\xFE\x40" "base_of=3";
  d.alternatives[1].deci_str = "\xB0\xA1\xFE\x40";
  std::string text = write_decision_text(d);
  ASSERT_EQ(text.find(kSep), std::string("background=\xB0").size());  // byte-wise, a false separator
  EXPECT_EQ(round_trip(d), d);
}

// ---- e: a separator typed into a text ----

TEST(WriteDecisionText, SeparatorInsideATextIsStoredAsFullWidthEquals) {
  Decision d = worked_example();
  d.background = "〓开头";
  d.alternatives[1].deci_str = "甲〓乙";
  d.alternatives[2].result_str[1] = "结尾〓";
  std::string text = write_decision_text(d);
  EXPECT_NE(text.find("deci_str=甲＝乙" + kSep), std::string::npos);
  EXPECT_NE(text.find("background=\xA3\xBD开头" + kSep + "  finish_str="), std::string::npos);
  EXPECT_EQ(record_counts(text), record_counts(worked_example_text()));

  Decision back = fresh_decision();
  ASSERT_EQ(read_decision_text(back, text), kDecOk);
  Decision expected = d;
  expected.background = "＝开头";
  expected.alternatives[1].deci_str = "甲＝乙";
  expected.alternatives[2].result_str[1] = "结尾＝";
  EXPECT_EQ(back, expected);
}

TEST(WriteDecisionText, HalfACharacterAtTheEndOfATextIsDropped) {
  // A lone lead byte would pair with the separator's first byte.
  Decision d = worked_example();
  d.alternatives[1].deci_str = "abc\xB0";
  Decision back = round_trip(d);
  EXPECT_EQ(back.alternatives[1].deci_str, "abc");
  d.alternatives[1].deci_str = "abc";
  EXPECT_EQ(back, d);
}

// ---- files: scrambling, whole-file reading, safe saving ----

using kit::testing::raw_contents;
using kit::testing::write_raw;

std::string xor_mask(std::string bytes) {
  for (char& b : bytes) b = static_cast<char>(b ^ 0x5C);
  return bytes;
}

class DecFileTest : public kit::testing::TestFolder {
 protected:
  fs::path path(const char* name) const { return dir_ / name; }
  std::size_t entry_count() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

};

TEST_F(DecFileTest, SavedFileIsTheTextXoredWithTheMask) {
  ASSERT_EQ(save_decision_file(worked_example(), path("a.dec")), kDecOk);
  std::string raw = raw_contents(dir_ / "a.dec");
  EXPECT_EQ(raw, xor_mask(worked_example_text()));
  EXPECT_EQ(static_cast<unsigned char>(raw[0]), 'b' ^ 0x5C);

  Decision loaded = fresh_decision();
  ASSERT_EQ(load_decision_file(loaded, path("a.dec")), kDecOk);
  EXPECT_EQ(loaded, worked_example());
}

TEST_F(DecFileTest, FileLongerThanTenThousandBytesOpensIntact) {
  Decision d = worked_example();
  d.background.clear();
  for (int i = 0; i < 1500; ++i) d.background += "很长的背景第" + std::to_string(i) + "行\r\n";
  d.base_of = ByPreference;  // the last record, far past 10000 bytes
  ASSERT_EQ(save_decision_file(d, path("long.dec")), kDecOk);
  ASSERT_GT(fs::file_size(dir_ / "long.dec"), 20000u);

  Decision loaded = fresh_decision();
  ASSERT_EQ(load_decision_file(loaded, path("long.dec")), kDecOk);
  EXPECT_EQ(loaded, d);

  std::string text;
  ASSERT_EQ(read_case_file(path("long.dec"), text), kDecOk);
  EXPECT_EQ(text, write_decision_text(d));
}

TEST_F(DecFileTest, FileOverOneMebibyteIsRefusedAsCorrupt) {
  Decision d = worked_example();
  d.background = std::string(kMaxDecFileBytes, 'x');
  std::string bytes = xor_mask(write_decision_text(d));
  ASSERT_GT(bytes.size(), kMaxDecFileBytes);
  write_raw(dir_ / "huge.dec", bytes);

  Decision decision = worked_example();
  Decision before = decision;
  EXPECT_EQ(load_decision_file(decision, path("huge.dec")), kDecFileCorrupt);
  EXPECT_EQ(decision, before);
  std::string text = "stale";
  EXPECT_EQ(read_case_file(path("huge.dec"), text), kDecFileCorrupt);
  EXPECT_TRUE(text.empty());
}

TEST_F(DecFileTest, MissingAndCorruptFilesMapToTheirMessages) {
  Decision decision = worked_example();
  Decision before = decision;
  int missing = load_decision_file(decision, path("none.dec"));
  EXPECT_EQ(missing, kDecFileMissing);
  EXPECT_STREQ(dec_message(missing).text, "文件不存在！");

  write_raw(dir_ / "garbage.dec", xor_mask("background=only" + kSep));
  int corrupt = load_decision_file(decision, path("garbage.dec"));
  EXPECT_EQ(corrupt, kDecMissingRecord);
  EXPECT_STREQ(dec_message(corrupt).text, "决策文件已损坏或格式不正确，无法打开。");
  EXPECT_STREQ(dec_message(corrupt).caption, "无法打开决策文件");
  EXPECT_EQ(decision, before);

  // An unscrambled decision text is not a decision file.
  write_raw(dir_ / "plain.dec", worked_example_text());
  EXPECT_EQ(load_decision_file(decision, path("plain.dec")), kDecMissingRecord);
  EXPECT_EQ(decision, before);
  std::string text;
  EXPECT_EQ(read_case_file(path("none.dec"), text), kDecFileMissing);
}

TEST_F(DecFileTest, ACaseTextEndsAtTheFirstByteThatUnscramblesToZero) {
  const std::string text = worked_example_text();
  write_raw(dir_ / "case.dec", xor_mask(text + std::string(1, '\0') + "background=after"));
  std::string read;
  ASSERT_EQ(read_case_file(path("case.dec"), read), kDecOk);
  EXPECT_EQ(read, text);
}

TEST_F(DecFileTest, SaveOverAFolderFailsAndLeavesItAsItWas) {
  fs::create_directory(dir_ / "taken.dec");
  write_raw(dir_ / "taken.dec" / "inside", "old");
  int result = save_decision_file(worked_example(), path("taken.dec"));
  EXPECT_EQ(result, kDecSaveFailed);
  EXPECT_STREQ(dec_message(result).text, "无法保存决策文件，原有文件未被改动。");
  EXPECT_STREQ(dec_message(result).caption, "保存失败");
  EXPECT_EQ(raw_contents(dir_ / "taken.dec" / "inside"), "old");
  EXPECT_EQ(entry_count(), 1u);  // no temporary file left
  EXPECT_EQ(save_decision_file(worked_example(), dir_ / "no folder" / "a.dec"), kDecSaveFailed);
}

TEST_F(DecFileTest, SaveFailureLeavesTheOldFileIntact) {
  const std::string old_bytes = xor_mask(worked_example_text());
  Decision changed = worked_example();
  changed.background = "新的背景";
#ifdef _WIN32
  // The old file is held open without sharing, so it cannot be replaced.
  fs::path target = dir_ / "old.dec";
  write_raw(target, old_bytes);
  HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(save_decision_file(changed, target), kDecSaveFailed);
  // Nor read: it is there, so it is not reported missing.
  Decision held = fresh_decision();
  const int unreadable = load_decision_file(held, target);
  EXPECT_EQ(unreadable, kDecFileUnreadable);
  EXPECT_STREQ(dec_message(unreadable).text, "该文件正被其他程序使用或无权读取，无法打开。");
  CloseHandle(lock);
#else
  // A name so long that no temporary file can be made beside it.
  fs::path target = dir_ / (std::string(250, 'n') + ".dec");
  write_raw(target, old_bytes);
  EXPECT_EQ(save_decision_file(changed, target), kDecSaveFailed);
#endif
  EXPECT_EQ(raw_contents(target), old_bytes);
  EXPECT_EQ(entry_count(), 1u);
  Decision loaded = fresh_decision();
  ASSERT_EQ(load_decision_file(loaded, target), kDecOk);
  EXPECT_EQ(loaded, worked_example());
}

}  // namespace

}  // namespace decision
