// Decisions the report tests and the sample-page writer share.
#include "decision/document/tests/report_samples.h"

#include "kit/text/utf8.h"

namespace decision::testing {

MarkedText marked_text(const std::string& tag) {
  return {
      "<b>" + tag + " \"引号\" & 'x' </b>\r\n第二行<script>\n三 src=\"a\"\r末",
      "&lt;b&gt;" + tag + " &quot;引号&quot; &amp; &#39;x&#39; &lt;/b&gt;<br>第二行&lt;script&gt;<br>三 src=&quot;a&quot;<br>末",
  };
}

MarkedText sample_title() {
  return {"决策<标题> & \"甲\" '乙'.dec", "决策&lt;标题&gt; &amp; &quot;甲&quot; &#39;乙&#39;.dec"};
}

ReportHeading sample_heading() { return {kit::gbk_to_u8(sample_title().raw), "2026年12月8日 16:30"}; }

Decision marked_decision() {
  Decision d;
  reset_decision(d);
  d.background = marked_text("背景").raw;
  d.finish_str = marked_text("记录").raw;
  d.deci_count = kMaxAlternatives;
  for (int i = 1; i <= kMaxAlternatives; ++i) {
    Alternative& a = d.alternatives[i];
    a.deci_str = marked_text("方案" + std::to_string(i)).raw;
    a.result_count = kMaxResults;
    for (int k = 1; k <= kMaxResults; ++k) {
      a.result_str[k] = marked_text("方案" + std::to_string(i) + "结果" + std::to_string(k)).raw;
      a.result_prob[k] = (i + k) % 11;
      a.result_value[k] = (i * k) % 21 - 10;
    }
  }
  compute_totals(d);
  compute_ranking(d);
  return d;
}

}  // namespace decision::testing
