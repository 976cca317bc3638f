// The case library as the build writes it: every title of the directory opens, through
// the library's own reading path, a sound decision; together the cases show every
// method and every way the ranking can come out.  And the writer refuses a bad source.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "decision/document/case_directory.h"
#include "decision/document/dec_format.h"
#include "decision/document/decision.h"
#include "kit/text/utf8.h"

namespace {

namespace fs = std::filesystem;

// Narrow literals of this file are GBK; file names and case sources are UTF-8.
std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct LoadedCase {
  std::string title;  // GBK, as the directory lists it
  decision::Decision decision;
};

// The directory and every case it lists, read as the library reads them.
std::vector<LoadedCase> load_library() {
  const fs::path folder(CASE_LIBRARY_DIR);
  const std::vector<std::string> titles =
      decision::parse_case_directory(read_file(folder / fs::path(u8"目录.txt")));
  std::vector<LoadedCase> cases;
  for (const std::string& title : titles) {
    // The files carry the title's UTF-8 characters; this host names files by bytes.
    std::string name;
    EXPECT_TRUE(kit::gbk_to_utf8(title, name, kit::BadGbk::kRefuse));
    std::string text;
    EXPECT_EQ(decision::read_case_file((folder / (name + decision::kCaseFileExtension)).string(), text),
              decision::kDecOk)
        << name;
    LoadedCase loaded{title, {}};
    decision::reset_decision(loaded.decision);
    EXPECT_EQ(decision::read_decision_text(loaded.decision, text), decision::kDecOk) << name;
    cases.push_back(std::move(loaded));
  }
  return cases;
}

bool is_filled(const std::string& text) { return !text.empty() && text != decision::kPlaceholderText; }

TEST(CaseLibrary, EveryListedCaseIsASoundDecision) {
  const std::vector<LoadedCase> cases = load_library();
  EXPECT_GE(cases.size(), 12u);
  EXPECT_LE(cases.size(), decision::kMaxCaseTitles);
  for (const LoadedCase& c : cases) {
    const decision::Decision& d = c.decision;
    std::string title;
    kit::gbk_to_utf8(c.title, title, kit::BadGbk::kRefuse);
    SCOPED_TRACE(title);
    EXPECT_TRUE(is_filled(d.background) && d.background != decision::kInitialBackground);
    EXPECT_TRUE(is_filled(d.finish_str) && d.finish_str != decision::kInitialFinish);
    EXPECT_GE(d.base_of, decision::ByEvaluation);
    EXPECT_LE(d.base_of, decision::ByUtility);
    ASSERT_GE(d.deci_count, 2);
    ASSERT_LE(d.deci_count, 6);
    for (int i = 1; i <= d.deci_count; ++i) {
      const decision::Alternative& a = d.alternatives[static_cast<std::size_t>(i)];
      EXPECT_TRUE(is_filled(a.deci_str)) << "alternative " << i;
      EXPECT_LE(a.deci_str.size(), 30u) << "alternative " << i << " overflows its grid cell";
      ASSERT_GE(a.result_count, 2) << "alternative " << i;
      ASSERT_LE(a.result_count, 6) << "alternative " << i;
      for (int k = 1; k <= a.result_count; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        EXPECT_TRUE(is_filled(a.result_str[slot])) << i << "." << k;
        EXPECT_GE(a.result_prob[slot], decision::kMinProbability);
        EXPECT_LE(a.result_prob[slot], decision::kMaxProbability);
        EXPECT_GE(a.result_value[slot], decision::kMinValue);
        EXPECT_LE(a.result_value[slot], decision::kMaxValue);
      }
    }
  }
}

TEST(CaseLibrary, CoversEveryMethodAndEveryRankingOutcome) {
  std::set<int> methods;
  std::set<std::string> outcomes;
  for (LoadedCase& c : load_library()) {
    decision::Decision& d = c.decision;
    decision::compute_totals(d);
    const decision::RankingHints hints = decision::compute_ranking(d);
    std::string outcome;
    if (hints.several_best) outcome = "shared best";
    else if (hints.too_close) outcome = "close call";
    else if (d.best_index != 0) outcome = "clear best";
    else outcome = "no best";
    methods.insert(d.base_of);
    outcomes.insert(outcome);

    // The table for whoever reads the test's output.
    std::string title;
    kit::gbk_to_utf8(c.title, title, kit::BadGbk::kRefuse);
    std::cout << title << " | method " << d.base_of << " | " << d.deci_count << " alternatives | " << outcome
              << " | totals";
    for (int i = 1; i <= d.deci_count; ++i) std::cout << ' ' << d.alternatives[static_cast<std::size_t>(i)].total_value;
    std::cout << '\n';
  }
  EXPECT_EQ(methods, (std::set<int>{1, 2, 3}));
  EXPECT_EQ(outcomes, (std::set<std::string>{"clear best", "shared best", "close call"}));
}

// The writer run as the build runs it, on sources in a folder of the test's own.
class CaseWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("case-writer-test-" + test);
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "src");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Writes one source "<name>.case" and runs the writer on it; the writer's messages
  // land in message_.
  int run(const std::string& name, const std::string& source) {
    const fs::path source_path = folder_ / "src" / (name + ".case");
    std::ofstream(source_path, std::ios::binary) << source;
    std::ofstream(folder_ / "list", std::ios::binary) << source_path.string() << '\n';
    const std::string command = std::string("\"") + CASE_WRITER_EXE + "\" \"" + (folder_ / "list").string() +
                                "\" \"" + out().string() + "\" 2>\"" + (folder_ / "message").string() + "\"";
    const int status = std::system(command.c_str());
    message_ = read_file(folder_ / "message");
    return status;
  }
  fs::path out() const { return folder_ / "exp"; }

  fs::path folder_;
  std::string message_;
};

// A sound source; each fault below changes one line of it.
const std::string kGood = utf8(u8"title: sample\n"
                               u8"method: 2\n"
                               u8"background:\n第一行\n\n第二行\n"
                               u8"finish:\n记录\n"
                               u8"alternative: 方案甲\n"
                               u8"result: 6 5 好\n"
                               u8"result: 4 -3 坏\n"
                               u8"alternative: 方案乙\n"
                               u8"result: 10 2 一般\n"
                               u8"result: 0 -10 不会发生\n");

std::string replaced(const std::string& text, const std::string& from, const std::string& to) {
  std::string out = text;
  out.replace(out.find(from), from.size(), to);
  return out;
}

TEST_F(CaseWriter, WritesASoundSourceAsTheProgramReadsIt) {
  ASSERT_EQ(run("sample", kGood), 0) << message_;
  EXPECT_EQ(decision::parse_case_directory(read_file(out() / fs::path(u8"目录.txt"))),
            std::vector<std::string>{"sample"});
  decision::Decision d;
  decision::reset_decision(d);
  ASSERT_EQ(decision::load_decision_file(d, (out() / "sample.dec").string()), decision::kDecOk);
  EXPECT_EQ(d.background, "第一行\r\n\r\n第二行");
  EXPECT_EQ(d.base_of, 2);
  EXPECT_EQ(d.alternatives[2].deci_str, "方案乙");
  EXPECT_EQ(d.alternatives[2].result_value[2], -10);
  EXPECT_EQ(d.alternatives[1].result_str[2], "坏");
}

TEST_F(CaseWriter, RefusesABadSourceNamingTheFaultAndWritesNothing) {
  struct Fault {
    const char* what;
    std::string source;
    const char* message;
  };
  const Fault faults[] = {
      {"probability", replaced(kGood, "result: 6 5", "result: 11 5"), "line 10: probability 11"},
      {"value", replaced(kGood, "result: 4 -3", "result: 4 -12"), "line 11: value -12"},
      {"one result", replaced(kGood, utf8(u8"result: 0 -10 不会发生\n"), ""), "alternative 2 has 1 results"},
      {"method", replaced(kGood, "method: 2", "method: 4"), "line 2:"},
      {"title", replaced(kGood, "title: sample", "title: other"), "differs from the file's name"},
      {"separator", replaced(kGood, utf8(u8"记录"), utf8(u8"记〓录")), "record separator"},
      {"stray text", replaced(kGood, utf8(u8"alternative: 方案乙"), utf8(u8"oops\nalternative: 方案乙")),
       "line 12: text outside a field"},
      {"long description", replaced(kGood, utf8(u8"方案甲"), utf8(u8"一个写得太长而放不进主窗口格子的方案")),
       "at most 30 fit"},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    EXPECT_NE(run("sample", fault.source), 0);
    EXPECT_NE(message_.find("sample.case"), std::string::npos) << message_;
    EXPECT_NE(message_.find(fault.message), std::string::npos) << message_;
    EXPECT_FALSE(fs::exists(out())) << "something was written";
  }
}

}  // namespace
