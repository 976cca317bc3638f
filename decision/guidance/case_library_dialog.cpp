// The case library (see case_library_dialog.h).
#include "decision/guidance/case_library_dialog.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>

#include "decision/document/case_directory.h"
#include "decision/document/dec_format.h"
#include "decision/document/decision.h"
#include "decision/guidance/case_library_dialog_layout.h"
#include "kit/launch.h"
#include "kit/message_box.h"
#include "kit/text/file_io.h"
#include "kit/text/utf8.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = case_library_layout;

namespace {

// Only the directory's first line counts, but the file may go on; a directory longer
// than this is not one of ours and is refused like an unreadable one.
constexpr std::size_t kMaxDirectoryFileBytes = 64 * 1024;

constexpr char kDirectoryErrorText[] = "文件错误！";
constexpr char kDirectoryErrorCaption[] = "择优宝";
constexpr char kNoSelectionText[] = "    请选择一个案例。    ";
constexpr char kNoSelectionCaption[] = "未选择案例";
constexpr char kMissingCaseText[] = "该案例文件不存在，请重新选择。";
constexpr char kMissingCaseCaption[] = "案例不存在";

// "  案例%d": the first column of row number n.
std::string case_number_text(int n) {
  char text[32];
  std::snprintf(text, sizeof text, "  案例%d", n);
  return text;
}

}  // namespace

CaseLibraryDialog::CaseLibraryDialog(HINSTANCE module, std::filesystem::path program_folder)
    : kit::SkinnedDialog(module, lay::kFrame), program_folder_(std::move(program_folder)) {}

CaseLibraryDialog::CaseLibraryDialog(HINSTANCE module) : CaseLibraryDialog(module, kit::program_folder()) {}

bool CaseLibraryDialog::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  list_.bind(hwnd(), IDC_CASE_LIST);
  ListView_SetExtendedListViewStyle(list_.hwnd(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  list_.define_columns(lay::kColumns);
  read_directory();
  fill_list();
  return true;
}

void CaseLibraryDialog::lay_out_at_dpi() {
  kit::SkinnedDialog::lay_out_at_dpi();
  list_.lay_out_columns();
}

// A directory that cannot be read is reported and leaves the library empty; an empty
// one leaves it empty silently.
void CaseLibraryDialog::read_directory() {
  titles_.clear();
  std::string text;
  const std::filesystem::path directory = program_folder_ / kit::path_from_gbk(kCaseDirectoryFile);
  if (kit::read_path_bytes(directory, text, kMaxDirectoryFileBytes) != kit::kFileOk) {
    kit::show_message(hwnd(), kDirectoryErrorText, kDirectoryErrorCaption);
    return;
  }
  titles_ = parse_case_directory(text);
  if (titles_.size() > kMaxCaseTitles) titles_.resize(kMaxCaseTitles);
}

void CaseLibraryDialog::fill_list() {
  for (std::size_t i = 0; i < titles_.size(); ++i)
    list_.append_row({case_number_text(static_cast<int>(i) + 1), " " + titles_[i]});
  selection_ = 0;
}

// The choice follows the row the list shows selected: a row that gains the selection
// is chosen, and when the chosen row loses it without another gaining it, nothing is.
void CaseLibraryDialog::on_item_changed(const NMLISTVIEW& change) {
  if (change.iItem < 0 || change.iItem >= static_cast<int>(titles_.size()) || !(change.uChanged & LVIF_STATE))
    return;
  const bool was_selected = change.uOldState & LVIS_SELECTED;
  const bool is_selected = change.uNewState & LVIS_SELECTED;
  if (is_selected)
    selection_ = change.iItem + 1;
  else if (was_selected && selection_ == change.iItem + 1)
    selection_ = 0;
}

// Reads the chosen case; a file that is missing or not a sound decision is refused
// and the library stays open with the same choice.
void CaseLibraryDialog::on_ok_clicked() {
  if (selection_ == 0) {
    kit::show_message(hwnd(), kNoSelectionText, kNoSelectionCaption);
    return;
  }
  const std::string& title = titles_[selection_ - 1];
  std::string text;
  const int read = read_case_file(program_folder_ / kit::path_from_gbk(case_file_path(title)), text);
  if (read == kDecFileMissing) {
    kit::show_message(hwnd(), kMissingCaseText, kMissingCaseCaption);
    return;
  }
  // The main window reads the text into its decision; one that would be refused there
  // is refused here, while another case can still be chosen.
  Decision scratch;
  reset_decision(scratch);
  const int sound = read == kDecOk ? read_decision_text(scratch, text) : read;
  if (sound != kDecOk) {
    const DecMessage message = dec_message(sound);
    kit::show_message(hwnd(), message.text, message.caption);
    return;
  }
  case_text_ = std::move(text);
  case_name_ = title + kCaseFileExtension;
  end(IDOK);
}

void CaseLibraryDialog::on_more_cases_clicked() { kit::shell_open(lay::kMoreCasesAddress, SW_SHOWNORMAL); }

bool CaseLibraryDialog::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_MORE_CASES:
      on_more_cases_clicked();
      return true;
  }
  return kit::SkinnedDialog::on_command(id, code, control);  // OK, Enter and close
}

bool CaseLibraryDialog::on_notify(const NMHDR& header) {
  if (header.idFrom != IDC_CASE_LIST || header.code != LVN_ITEMCHANGED) return false;
  on_item_changed(reinterpret_cast<const NMLISTVIEW&>(header));
  return true;
}

bool CaseLibraryDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_NOTIFY) {
    result = 0;
    return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
  }
  return kit::SkinnedDialog::on_message(message, wparam, lparam, result);
}

}  // namespace decision
