// The report of a decision to keep or share: one self-contained HTML5 page (UTF-8,
// inline style, no script, nothing loaded from elsewhere) that prints on A4.  It holds
// the title and date, the background, every alternative with its results and total, a
// chart of the totals, the ranking and its hints in words, why the ranking is what it
// is, and the execution record.  Platform-free.
#pragma once

#include <string>
#include <string_view>

#include "decision/document/decision.h"

namespace decision {

struct ReportHeading {
  std::u8string title;  // UTF-8: the decision's name, as the window's title shows it
  std::string date;   // GBK: when the report was made, already formatted
};

// The whole page as UTF-8 bytes.  Every text of the decision and the heading is escaped
// for HTML, and its line breaks become <br>.  Reads the totals and the ranking: run
// compute_totals and compute_ranking first.
std::string decision_report_html(const Decision& decision, const ReportHeading& heading);

// The file name a report of the decision file file_name is proposed under: ".dec" at the
// end (in any case) becomes ".htm", any other name gains ".htm".  GBK.
std::string report_file_name(std::string_view file_name);

}  // namespace decision
