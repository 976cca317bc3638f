// Exporting the current decision as its report page.
#include "decision/workspace/report_export.h"

#include <cstdio>

#include "decision/document/decision_report.h"
#include "kit/file_dialog.h"
#include "kit/launch.h"
#include "kit/message_box.h"
#include "kit/text/file_io.h"
#include "kit/text/utf8.h"
#include "kit/text/wide.h"

namespace decision {

namespace {

constexpr char kReportFilter[] = "网页(*.htm)|*.htm|";
constexpr char kReportExtension[] = "htm";
constexpr char kSaveFailedText[] = "无法保存报告文件，原有文件未被改动。";
constexpr char kSaveFailedCaption[] = "导出报告失败";
constexpr char8_t kOpenFailedText[] = u8"报告已经保存，但无法打开它：\r\n";
constexpr char kOpenFailedCaption[] = "导出报告";

}  // namespace

std::string report_date(const kit::LocalTime& when) {
  char text[64];
  std::snprintf(text, sizeof text, "%d年%d月%d日 %d:%02d", when.year, when.month, when.day, when.hour, when.minute);
  return text;
}

int export_report(HWND owner, const Decision& decision, const std::filesystem::path& file_name,
                  const kit::LocalTime& when) {
  std::filesystem::path path;
  // The name's ending is ASCII, which reads the same in UTF-8 as in GBK.
  const std::string proposed = report_file_name(kit::as_bytes(file_name.u8string()));
  const kit::FileDialogRequest request{.filter = kReportFilter,
                                       .default_extension = kReportExtension,
                                       .proposed_name = std::filesystem::path(kit::as_u8(proposed))};
  if (!kit::choose_file(owner, kit::FileDialogKind::Save, request, path)) return kReportCancelled;

  Decision ranked = decision;
  compute_totals(ranked);
  compute_ranking(ranked);
  const std::string page = decision_report_html(ranked, {file_name.u8string(), report_date(when)});
  if (kit::replace_path_bytes(path, page) != kit::kFileOk) {
    kit::show_message(owner, kSaveFailedText, kSaveFailedCaption);
    return kReportSaveFailed;
  }
  if (kit::open_document(path, SW_SHOWNORMAL) <= kit::kShellSuccessAbove) {
    kit::show_message(owner, kOpenFailedText + path.u8string(), kOpenFailedCaption);
    return kReportOpenFailed;
  }
  return kReportOpened;
}

}  // namespace decision
