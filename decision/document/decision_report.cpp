// The report page of a decision.  The page is put together as GBK, the decision's own
// encoding, with every text escaped on the way in, and converted to UTF-8 once at the
// end.  Escaping GBK bytes one by one is safe: & < > " ' CR and LF are all below 0x40,
// so none of them is ever the trail byte of a double-byte character.
#include "decision/document/decision_report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "decision/document/ranking_explanation.h"
#include "kit/text/gbk.h"
#include "kit/text/utf8.h"

namespace decision {

namespace {

// ---- text --------------------------------------------------------------------------

// text escaped for HTML; CR LF, LF and CR each become <br>.  Other control bytes
// are not allowed in an HTML page and become a space.
std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      case '\r':
        if (pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        out += "<br>";
        break;
      case '\n': out += "<br>"; break;
      case '\t': out += c; break;
      default:
        if ((static_cast<unsigned char>(c) < 0x20) || c == 0x7F) {
          out += ' ';
        } else {
          out += c;
        }
    }
  }
  return out;
}

// A text that has to stay on one line (the page's title, the chart's labels): escaped,
// without its line breaks.
std::string escaped_line(std::string_view text) { return escaped(kit::gbk_strip_line_breaks(text)); }

// Where the page shows the decision's name.  The name is UTF-8 (a file name may hold
// characters GBK lacks), so it goes in after the page is converted.  Escaped texts turn
// control bytes into spaces and no fixed text holds one, so the mark is never mistaken.
constexpr char kTitleMark = '\x01';

// The decision's name escaped on one line, as UTF-8: escaping bytewise is safe in UTF-8
// too, whose multi-byte characters use only bytes from 0x80 up.
std::string escaped_title(std::u8string_view title) {
  std::string line(kit::as_bytes(title));
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return escaped(line);
}

std::string number(int n) { return std::to_string(n); }

// A short form of an alternative's text for the chart's labels: one line, at most
// 16 bytes, an ellipsis when cut; empty while the text is not filled in.
std::string short_text(std::string_view text) {
  if (text == kPlaceholderText) return {};
  const std::string line = kit::gbk_strip_line_breaks(text);
  const std::string_view cut = kit::gbk_cut(line, 16);
  std::string out(cut);
  if (cut.size() < line.size()) out += "…";
  return out;
}

std::string hex_colour(unsigned rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFFu);
  return text;
}

// "方案2", or "—" while the rank is shared.
std::string rank_name(int index) { return index > 0 ? alternative_label(index) : std::string("—"); }

const char* method_name(int base_of) {
  switch (base_of) {
    case ByPreference: return "基于喜恶";
    case ByUtility: return "基于效用";
    default: return "基于评价";
  }
}

// ---- the page's parts ---------------------------------------------------------------

constexpr char kStyle[] = R"(<style>
@page { size: A4; margin: 18mm }
body { margin: 0 auto; max-width: 820px; padding: 24px 28px; color: #1E2A36; background: #FFFFFF;
  font-family: "WenQuanYi Zen Hei", "黑体", SimHei, sans-serif; font-size: 14px; line-height: 1.6 }
h1 { color: #1F3A5F; font-size: 26px; margin: 0 0 4px }
h2 { color: #1F3A5F; font-size: 18px; margin: 28px 0 10px; padding-bottom: 4px; border-bottom: 2px solid #BCCDDF }
h3 { color: #2A5785; font-size: 15px; margin: 18px 0 6px }
p { margin: 6px 0 }
.meta { color: #667280; margin: 0 }
.text { padding: 8px 12px; border-left: 3px solid #BCCDDF; background: #F4F6F8 }
.tag { display: inline-block; margin-left: 8px; padding: 0 8px; border: 1px solid #667280; border-radius: 9px;
  font-size: 12px; font-weight: normal; color: #667280 }
.tag.best { border-color: #2E7D55; color: #2E7D55 }
table { border-collapse: collapse; width: 100%; margin: 6px 0 }
th, td { border: 1px solid #D2D2D2; padding: 4px 8px; text-align: left; vertical-align: top }
thead th { background: #DCE8F4; color: #1F3A5F }
td.num, th.num { text-align: right; white-space: nowrap; width: 7em }
table.ranks { width: auto; min-width: 50% }
table.ranks th { width: 8em }
tfoot th, tfoot td { font-weight: bold; border-top: 2px solid #667280 }
.hint { padding: 6px 12px; border-left: 4px solid #D98C1C; background: #FDF3DE; color: #6B4508 }
.chart { margin: 8px 0 }
.chart text { font-size: 13px; fill: #1E2A36 }
ul { margin: 4px 0; padding-left: 22px }
footer { margin-top: 32px; color: #667280; font-size: 12px; border-top: 1px solid #D2D2D2; padding-top: 6px }
tr, li, .chart, .hint { break-inside: avoid; page-break-inside: avoid }
h2, h3 { break-after: avoid; page-break-after: avoid }
@media print {
  body { max-width: none; padding: 0; font-size: 11pt }
  thead { display: table-header-group }
  article { break-inside: avoid-page }
}
</style>
)";

void add_heading(std::string& page, const Decision& decision, const ReportHeading& heading) {
  page += std::string("<header>\n<h1>") + kTitleMark + "</h1>\n";
  page += "<p class=\"meta\">报告日期：" + escaped_line(heading.date) + "</p>\n";
  page += "<p class=\"meta\">评价方式：" + std::string(method_name(decision.base_of)) + "　方案数：" +
          number(decision.deci_count) + "</p>\n</header>\n";
}

void add_text_section(std::string& page, const char* id, const char* title, std::string_view text) {
  page += "<section id=\"" + std::string(id) + "\">\n<h2>" + title + "</h2>\n";
  page += "<p class=\"text\">" + escaped(text) + "</p>\n</section>\n";
}

std::string rank_tag(const Decision& decision, int i) {
  if (i == decision.best_index) return "<span class=\"tag best\">最优</span>";
  if (i == decision.runner_up_index) return "<span class=\"tag\">次优</span>";
  if (i == decision.worst_index) return "<span class=\"tag\">最差</span>";
  return {};
}

void add_alternative(std::string& page, const Decision& decision, int i) {
  const Alternative& a = decision.alternatives[i];
  page += "<article id=\"alternative-" + number(i) + "\">\n";
  page += "<h3>" + alternative_label(i) + rank_tag(decision, i) + "</h3>\n";
  page += "<p class=\"text\">" + escaped(a.deci_str) + "</p>\n";
  page += "<table>\n<thead><tr><th>结果</th><th class=\"num\">可能性</th><th class=\"num\">效益值</th>"
          "<th class=\"num\">可能性×效益值</th></tr></thead>\n<tbody>\n";
  for (int k = 1; k <= a.result_count; ++k) {
    page += "<tr><td>" + escaped(a.result_str[k]) + "</td><td class=\"num\">" + number(a.result_prob[k]) +
            "</td><td class=\"num\">" + number(a.result_value[k]) + "</td><td class=\"num\">" +
            number(a.result_prob[k] * a.result_value[k]) + "</td></tr>\n";
  }
  page += "</tbody>\n<tfoot><tr><th colspan=\"3\">总效益值</th><td class=\"num\">" + number(a.total_value) +
          "</td></tr></tfoot>\n</table>\n</article>\n";
}

void add_alternatives(std::string& page, const Decision& decision) {
  page += "<section id=\"alternatives\">\n<h2>决策方案</h2>\n";
  page += "<p class=\"meta\">可能性以十分之几计（0～10），效益值从-10到10；总效益值是各结果可能性×效益值之和。</p>\n";
  for (int i = 1; i <= decision.deci_count; ++i) add_alternative(page, decision, i);
  page += "</section>\n";
}

// The chart of totals: one bar per alternative from the zero line, to the right for a
// positive total and to the left for a negative one, the alternative's name on the left
// and its total on the right.
void add_chart(std::string& page, const Decision& decision, const RankingExplanation& explanation) {
  constexpr int kWidth = 720, kLabelWidth = 210, kTotalWidth = 64, kRow = 30, kBar = 18, kTop = 8;
  constexpr int kArea = kWidth - kLabelWidth - kTotalWidth - 16;
  const int n = decision.deci_count;
  const int height = kTop + n * kRow + 26;
  int most = 0, least = 0;
  for (int i = 1; i <= n; ++i) {
    most = std::max(most, decision.alternatives[i].total_value);
    least = std::min(least, decision.alternatives[i].total_value);
  }
  const int span = std::max(1, most - least);
  const int zero_x = kLabelWidth + kArea * -least / span;

  page += "<section id=\"chart\">\n<h2>总效益值对比</h2>\n";
  page += "<svg class=\"chart\" role=\"img\" width=\"" + number(kWidth) +
          "\" height=\"" + number(height) + "\" viewBox=\"0 0 " + number(kWidth) + " " + number(height) +
          "\">\n<title>各方案的总效益值</title>\n";
  for (int i = 1; i <= n; ++i) {
    const int total = decision.alternatives[i].total_value;
    const int y = kTop + (i - 1) * kRow;
    const int length = kArea * (total < 0 ? -total : total) / span;
    const int x = total < 0 ? zero_x - length : zero_x;
    std::string name = alternative_label(i);
    const std::string text = short_text(decision.alternatives[i].deci_str);
    if (!text.empty()) name += " " + text;
    page += "<text x=\"" + number(kLabelWidth - 10) + "\" y=\"" + number(y + kRow / 2 + 5) +
            "\" text-anchor=\"end\">" + escaped_line(name) + "</text>\n";
    page += "<rect x=\"" + number(x) + "\" y=\"" + number(y + (kRow - kBar) / 2) + "\" width=\"" +
            number(length) + "\" height=\"" + number(kBar) + "\" rx=\"2\" fill=\"" +
            hex_colour(bar_rgb(bar_tone(explanation, i))) + "\"/>\n";
    page += "<text x=\"" + number(kWidth - 8) + "\" y=\"" + number(y + kRow / 2 + 5) + "\" text-anchor=\"end\">" +
            number(total) + "</text>\n";
  }
  const int bottom = kTop + n * kRow;
  page += "<line x1=\"" + number(zero_x) + "\" y1=\"" + number(kTop - 4) + "\" x2=\"" + number(zero_x) +
          "\" y2=\"" + number(bottom + 4) + "\" stroke=\"#1E2A36\" stroke-width=\"1.5\"/>\n";
  page += "<text x=\"" + number(zero_x) + "\" y=\"" + number(bottom + 20) + "\" text-anchor=\"middle\">0</text>\n";
  page += "</svg>\n</section>\n";
}

void add_ranking(std::string& page, const Decision& decision, const RankingHints& hints,
                 const RankingExplanation& explanation) {
  page += "<section id=\"ranking\">\n<h2>排名</h2>\n<table class=\"ranks\">\n<tbody>\n";
  page += "<tr><th>最优方案</th><td>" + rank_name(decision.best_index) + "</td></tr>\n";
  page += "<tr><th>次优方案</th><td>" + rank_name(decision.runner_up_index) + "</td></tr>\n";
  page += "<tr><th>最差方案</th><td>" + rank_name(decision.worst_index) + "</td></tr>\n";
  page += "</tbody>\n</table>\n";
  if (hints.several_best) page += "<p class=\"hint\">" + escaped(kSeveralBestHintText) + "</p>\n";
  if (hints.too_close) page += "<p class=\"hint\">" + escaped(kTooCloseHintText) + "</p>\n";

  // Every alternative from the highest total down (the earlier first at equal totals).
  std::vector<int> order;
  for (int i = 1; i <= explanation.deci_count; ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return explanation.standings[a].total > explanation.standings[b].total;
  });
  page += "<table>\n<thead><tr><th>方案</th><th class=\"num\">总效益值</th><th class=\"num\">与最高相差</th></tr>"
          "</thead>\n<tbody>\n";
  for (int i : order) {
    page += "<tr><td>" + alternative_label(i) + "</td><td class=\"num\">" + number(explanation.standings[i].total) +
            "</td><td class=\"num\">" + number(explanation.standings[i].margin_to_best) + "</td></tr>\n";
  }
  page += "</tbody>\n</table>\n</section>\n";
}

void add_weightiest(std::string& page, const Decision& decision, const RankingExplanation& explanation, int i,
                    const char* rank) {
  const AlternativeStanding& standing = explanation.standings[i];
  page += "<h3>" + alternative_label(i) + "（" + rank + "）影响最大的结果</h3>\n<ul>\n";
  if (standing.weightiest_count == 0) page += "<li>没有影响总效益值的结果。</li>\n";
  for (int w = 0; w < standing.weightiest_count; ++w) {
    const int k = standing.weightiest[w].result;
    const Alternative& a = decision.alternatives[i];
    page += "<li>" + escaped_line(result_name(decision, i, k)) + "：可能性" + number(a.result_prob[k]) + " × 效益值" +
            number(a.result_value[k]) + " = " + number(standing.weightiest[w].weight) + "</li>\n";
  }
  page += "</ul>\n";
}

void add_explanation(std::string& page, const Decision& decision, const RankingExplanation& explanation) {
  page += "<section id=\"explanation\">\n<h2>为何如此排名</h2>\n";
  if (!explanation.margin_sentence.empty()) page += "<p>" + escaped(explanation.margin_sentence) + "</p>\n";
  if (!explanation.change_sentence.empty()) page += "<p>" + escaped(explanation.change_sentence) + "</p>\n";
  if (decision.best_index > 0) {
    add_weightiest(page, decision, explanation, decision.best_index, "最优");
  } else {
    for (int i = 1; i <= explanation.deci_count; ++i) {
      if (explanation.standings[i].margin_to_best == 0) add_weightiest(page, decision, explanation, i, "并列最高");
    }
  }
  if (decision.runner_up_index > 0) add_weightiest(page, decision, explanation, decision.runner_up_index, "次优");
  page += "</section>\n";
}

}  // namespace

std::string decision_report_html(const Decision& decision, const ReportHeading& heading) {
  // The hints come from the ranking; it is worked out again on a copy, which leaves the
  // caller's decision as it is.
  Decision ranked = decision;
  const RankingHints hints = compute_ranking(ranked);
  const RankingExplanation explanation = explain_ranking(decision);

  std::string page;
  page.reserve(16 * 1024);
  page += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n";
  page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  page += std::string("<title>") + kTitleMark + " - 决策报告</title>\n";
  page += kStyle;
  page += "</head>\n<body>\n";
  add_heading(page, decision, heading);
  add_text_section(page, "background", "决策背景", decision.background);
  add_alternatives(page, decision);
  add_chart(page, decision, explanation);
  add_ranking(page, decision, hints, explanation);
  add_explanation(page, decision, explanation);
  add_text_section(page, "record", "执行记录", decision.finish_str);
  page += "<footer>由择优宝生成</footer>\n</body>\n</html>\n";
  const std::string converted = kit::gbk_to_utf8(page);
  const std::string title = escaped_title(heading.title);
  std::string out;
  out.reserve(converted.size() + 2 * title.size());
  for (const char c : converted) {
    if (c == kTitleMark)
      out += title;
    else
      out += c;
  }
  return out;
}

std::string report_file_name(std::string_view file_name) {
  constexpr std::string_view kDec = ".dec";
  std::string name(file_name);
  if (name.size() >= kDec.size()) {
    std::string end = name.substr(name.size() - kDec.size());
    std::transform(end.begin(), end.end(), end.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (end == kDec) name.resize(name.size() - kDec.size());
  }
  return name + ".htm";
}

}  // namespace decision
