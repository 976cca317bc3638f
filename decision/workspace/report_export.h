// Exporting the current decision as its report page: the save dialog, the safe write
// and the opening of the written page in the shell's browser.  Used by the main
// window's "导出报告" button.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "decision/document/decision.h"
#include "kit/local_time.h"

namespace decision {

enum ReportExportResult : int {
  kReportOpened = 0,      // written and handed to the shell
  kReportCancelled = 1,   // the save dialog was cancelled; nothing written
  kReportSaveFailed = 2,  // the file could not be written (message shown; an old file is untouched)
  kReportOpenFailed = 3,  // written, but the shell could not open it (message shown)
};

// When a report was made, as its heading shows it: "2026年12月8日 16:30" (GBK).
std::string report_date(const kit::LocalTime& when);

// Asks owner's user where to save the report of decision (its file name file_name,
// proposed with ".htm"), writes the page there and opens it.  The decision is not
// changed; its totals and ranking are worked out on a copy.
int export_report(HWND owner, const Decision& decision, const std::filesystem::path& file_name,
                  const kit::LocalTime& when);

}  // namespace decision
