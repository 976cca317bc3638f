// Decisions the report tests and the sample-page writer share.
#pragma once

#include <string>

#include "decision/document/decision.h"
#include "decision/document/decision_report.h"

namespace decision::testing {

// A text put into a decision and the form the page must show it in (both GBK).
struct MarkedText {
  std::string raw;
  std::string escaped;
};

// A text full of markup characters, quotes and every kind of line break; tag makes it
// distinct from every other text of the same decision.
MarkedText marked_text(const std::string& tag);

// The heading of the sample pages: a title with markup characters and a date.
ReportHeading sample_heading();
MarkedText sample_title();

// Nine alternatives of nine results each, every text a marked_text ("背景", "记录",
// "方案i", "方案i结果k"); totals and ranking computed.
Decision marked_decision();

}  // namespace decision::testing
