// The report page: every text of the decision escaped, once, where it belongs; nothing
// that runs or loads; the ranking, hints and chart as the totals say; the file name.
#include "decision/document/decision_report.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "decision/document/ranking_explanation.h"
#include "kit/text/utf8.h"
#include "decision/document/tests/report_samples.h"

namespace decision {
namespace {

using testing::marked_decision;
using testing::marked_text;
using testing::MarkedText;

int count_of(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
  return n;
}

// The part of page from the opening tag open to the closing tag that ends it.
std::string part_of(const std::string& page, const std::string& open, const std::string& close) {
  const std::size_t begin = page.find(open);
  if (begin == std::string::npos) return {};
  const std::size_t end = page.find(close, begin);
  return page.substr(begin, end == std::string::npos ? std::string::npos : end + close.size() - begin);
}

std::string utf8(const std::string& gbk) { return kit::gbk_to_utf8(gbk); }

// Expects the escaped text exactly once in the page, and that once inside where.
void expect_once_in(const std::string& page, const std::string& where, const MarkedText& text) {
  const std::string escaped = utf8(text.escaped);
  EXPECT_EQ(count_of(page, escaped), 1) << escaped;
  EXPECT_EQ(count_of(where, escaped), 1) << escaped;
}

TEST(DecisionReport, EveryTextAppearsEscapedOnceInItsOwnSection) {
  const Decision d = marked_decision();
  const std::string page = decision_report_html(d, testing::sample_heading());
  ASSERT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"zh-CN\">", 0), 0u);

  expect_once_in(page, part_of(page, "<section id=\"background\">", "</section>"), marked_text("背景"));
  expect_once_in(page, part_of(page, "<section id=\"record\">", "</section>"), marked_text("记录"));
  for (int i = 1; i <= kMaxAlternatives; ++i) {
    const std::string article = part_of(page, "<article id=\"alternative-" + std::to_string(i) + "\">", "</article>");
    ASSERT_FALSE(article.empty()) << i;
    expect_once_in(page, article, marked_text("方案" + std::to_string(i)));
    for (int k = 1; k <= kMaxResults; ++k)
      expect_once_in(page, article, marked_text("方案" + std::to_string(i) + "结果" + std::to_string(k)));
  }
  // The title stays on one line: in the page's title and its heading.
  const std::string title = utf8(testing::sample_title().escaped);
  EXPECT_EQ(count_of(part_of(page, "<title>", "</title>"), title), 1);
  EXPECT_EQ(count_of(part_of(page, "<h1>", "</h1>"), title), 1);
  EXPECT_EQ(count_of(page, utf8("2026年12月8日 16:30")), 1);
}

TEST(DecisionReport, ANameWithCharactersGbkLacksIsShownWhole) {
  const std::u8string name = u8"Käufe 한국어 😀 <a>.dec";
  const std::string page = decision_report_html(marked_decision(), {name, "d"});
  const std::string shown = "K\xC3\xA4ufe \xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4 \xF0\x9F\x98\x80 &lt;a&gt;.dec";
  EXPECT_EQ(count_of(part_of(page, "<title>", "</title>"), shown), 1);
  EXPECT_EQ(count_of(part_of(page, "<h1>", "</h1>"), shown), 1);
}

TEST(DecisionReport, NoMarkupFromATextAndNothingThatRunsOrLoads) {
  const std::string page = decision_report_html(marked_decision(), testing::sample_heading());
  // Every '<' opens one of the page's own elements.
  const std::set<std::string> elements = {
      "!DOCTYPE", "html", "head", "meta", "title", "style", "body", "header", "footer", "h1", "h2", "h3", "p",
      "section", "article", "table", "thead", "tbody", "tfoot", "tr", "th", "td", "span", "ul", "li", "br",
      "svg", "text", "rect", "line"};
  for (std::size_t pos = page.find('<'); pos != std::string::npos; pos = page.find('<', pos + 1)) {
    std::size_t begin = pos + 1 + (page[pos + 1] == '/' ? 1 : 0);
    std::size_t end = page.find_first_of(" >/", begin);
    const std::string name = page.substr(begin, end - begin);
    EXPECT_TRUE(elements.count(name)) << "unexpected <" << name << " at " << pos;
  }
  for (const char* banned : {"<script", "src=\"", "src='", "href=", "://", "url(", "@import", "<img", "<link"})
    EXPECT_EQ(page.find(banned), std::string::npos) << banned;
  // Characters: UTF-8 declared, and no byte was lost on the way (a lost one shows as U+FFFD).
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_EQ(page.find("\xEF\xBF\xBD"), std::string::npos);
}

// Three alternatives with one result each: probability 2 and the given values.
Decision three_alternatives(int v1, int v2, int v3) {
  Decision d;
  reset_decision(d);
  d.deci_count = 3;
  const int values[] = {v1, v2, v3};
  for (int i = 1; i <= 3; ++i) {
    d.alternatives[i].deci_str = "方案文字" + std::to_string(i);
    d.alternatives[i].result_count = 1;
    d.alternatives[i].result_prob[1] = 2;
    d.alternatives[i].result_value[1] = values[i - 1];
  }
  compute_totals(d);
  compute_ranking(d);
  return d;
}

std::string ranking_of(const std::string& page) { return part_of(page, "<section id=\"ranking\">", "</section>"); }

TEST(DecisionReport, RanksAndHintsAsTheMainWindowShowsThem) {
  const ReportHeading heading{u8"t", "d"};
  // Two share the top: no best, no runner-up, the several-best hint.
  std::string ranking = ranking_of(decision_report_html(three_alternatives(5, 5, 1), heading));
  EXPECT_NE(ranking.find(utf8("<th>最优方案</th><td>—</td>")), std::string::npos);
  EXPECT_NE(ranking.find(utf8("<th>次优方案</th><td>—</td>")), std::string::npos);
  EXPECT_NE(ranking.find(utf8("<th>最差方案</th><td>方案3</td>")), std::string::npos);
  EXPECT_NE(ranking.find(utf8(kSeveralBestHintText)), std::string::npos);
  EXPECT_EQ(ranking.find(utf8(kTooCloseHintText)), std::string::npos);

  // A close call: 10 against 8.
  const Decision close = three_alternatives(4, 5, -2);
  const std::string page = decision_report_html(close, heading);
  ranking = ranking_of(page);
  EXPECT_NE(ranking.find(utf8("<th>最优方案</th><td>方案2</td>")), std::string::npos);
  EXPECT_NE(ranking.find(utf8("<th>次优方案</th><td>方案1</td>")), std::string::npos);
  EXPECT_NE(ranking.find(utf8(kTooCloseHintText)), std::string::npos);
  EXPECT_EQ(ranking.find(utf8(kSeveralBestHintText)), std::string::npos);
  // The result rows: probability as the program shows it, value and their product.
  EXPECT_NE(page.find("<td class=\"num\">2</td><td class=\"num\">-2</td><td class=\"num\">-4</td>"),
            std::string::npos);
  // The explanation's sentences, in its own section.
  const RankingExplanation explanation = explain_ranking(close);
  const std::string why = part_of(page, "<section id=\"explanation\">", "</section>");
  EXPECT_NE(why.find(utf8(explanation.margin_sentence)), std::string::npos);
  EXPECT_NE(why.find(utf8(explanation.change_sentence)), std::string::npos);
}

struct Bar {
  int x, width;
  std::string fill;
};

TEST(DecisionReport, ChartBarsGrowFromTheZeroLineInTheRankColours) {
  const std::string page = decision_report_html(three_alternatives(3, -2, 1), {u8"t", "d"});
  const std::string chart = part_of(page, "<section id=\"chart\">", "</section>");
  std::vector<Bar> bars;
  const std::regex rect(R"re(<rect x="(-?\d+)" y="\d+" width="(\d+)" height="\d+" rx="\d+" fill="(#[0-9A-F]{6})"/>)re");
  for (std::sregex_iterator it(chart.begin(), chart.end(), rect), end; it != end; ++it)
    bars.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), (*it)[3]});
  std::smatch zero;
  ASSERT_TRUE(std::regex_search(chart, zero, std::regex(R"re(<line x1="(\d+)")re")));
  const int zero_x = std::stoi(zero[1]);

  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0].x, zero_x);                   // 6 to the right
  EXPECT_EQ(bars[1].x + bars[1].width, zero_x);   // -4 to the left, ending on the line
  EXPECT_EQ(bars[2].x, zero_x);                   // 2
  EXPECT_GT(bars[2].width, 0);
  EXPECT_NEAR(bars[0].width, 3 * bars[2].width, 2);
  EXPECT_NEAR(bars[1].width, 2 * bars[2].width, 2);
  EXPECT_EQ(bars[0].fill, "#2E7D55");  // best
  EXPECT_EQ(bars[1].fill, "#667280");  // worst
  EXPECT_EQ(bars[2].fill, "#366FA8");
  // Labelled with the alternative's name and its total.
  EXPECT_NE(chart.find(utf8(">方案2 方案文字2</text>")), std::string::npos);
  EXPECT_NE(chart.find(">-4</text>"), std::string::npos);
}

TEST(ReportFileName, DecBecomesHtmAnyOtherNameGainsIt) {
  EXPECT_EQ(report_file_name("新决策(12-6 9：5).dec"), "新决策(12-6 9：5).htm");
  EXPECT_EQ(report_file_name("C:\\文件\\A.DEC"), "C:\\文件\\A.htm");
  EXPECT_EQ(report_file_name("a.Dec"), "a.htm");
  EXPECT_EQ(report_file_name("x.dec.dec"), "x.dec.htm");
  EXPECT_EQ(report_file_name("notes.txt"), "notes.txt.htm");
  EXPECT_EQ(report_file_name("dec"), "dec.htm");
  EXPECT_EQ(report_file_name(""), ".htm");
}

}  // namespace
}  // namespace decision
