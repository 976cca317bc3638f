// The case library: lists the worked cases named by the directory "exp\目录.txt" in
// the program's folder, and on OK reads the chosen case's file and hands its text and
// name back.  A case file that is missing or does not read as a sound decision is
// refused with a message, and the library stays open.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/report_list_ctrl.h"
#include "kit/skinned_dialog.h"

namespace decision {

class CaseLibraryDialog : public kit::SkinnedDialog {
 public:
  // module holds the template and the pictures; program_folder holds the "exp" folder.
  CaseLibraryDialog(HINSTANCE module, std::filesystem::path program_folder);
  // The library of the running program's own folder.
  explicit CaseLibraryDialog(HINSTANCE module);

  // run(owner) runs the library modally: IDOK with case_text() and case_name(), or
  // IDCANCEL.  create(owner) makes it modeless (visible); OK and Cancel destroy the
  // window.

  // The titles offered, in the directory's order (case n is titles()[n - 1]).
  const std::vector<std::string>& titles() const { return titles_; }
  // The chosen case's number, 1-based; 0 while none is chosen.
  int selection() const { return selection_; }
  // After OK: the unscrambled text of the case file, and title + ".dec".
  const std::string& case_text() const { return case_text_; }
  const std::string& case_name() const { return case_name_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  void lay_out_at_dpi() override;
  // OK opens the chosen case; the close button cancels.
  void on_ok_clicked() override;
  void on_close_clicked() override { end(IDCANCEL); }

 private:
  void read_directory();
  void fill_list();
  void on_item_changed(const NMLISTVIEW& change);
  void on_more_cases_clicked();
  bool on_notify(const NMHDR& header);

  std::filesystem::path program_folder_;
  std::vector<std::string> titles_;
  int selection_ = 0;
  std::string case_text_;
  std::string case_name_;
  kit::ReportListCtrl list_;
};

}  // namespace decision
