// DecisionDialog: decision's main window.  A column of commands (New, Open, Save, Help,
// About, the report export, Exit), the animated logo, the background and execution-record summaries,
// adding and deleting alternatives, the 3 x 3 grid of the alternatives' report texts,
// the rank strip naming the best, the runner-up and the worst alternative, the two hint
// pictures and the wizard button.  A click on a cell opens that alternative's floating
// panel (at most three at a time); a kept panel's copy replaces the alternative.
//
// It shows the application's session (the current decision, its name and title) and
// hands every command to it.  Before a decision with unsaved changes is replaced or the
// window closes, its WorkKeeper asks whether to save; Ctrl+Z and Ctrl+Y (and the system
// menu) undo and redo.  Open and Save keep the working folder, from which every picture
// is read.  A decision file dropped on the window opens as Open does; the system menu
// lists the recent decisions (RecentDecisions) and opens the one chosen.
#pragma once

#include <windows.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "decision/document/decision.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision/workspace/decision_session.h"
#include "decision/workspace/open_panels.h"
#include "decision/workspace/recent_decisions.h"
#include "decision/workspace/work_keeper.h"
#include "kit/bitmap_edit.h"
#include "kit/dialog.h"
#include "kit/handles.h"
#include "kit/picture_static.h"
#include "kit/skin_button.h"

namespace decision {

class DecisionDialog : public kit::Dialog {
 public:
  // module holds the templates and the pictures (the program itself); the session and
  // the wizard's decision belong to the application and outlive the window.
  DecisionDialog(HINSTANCE module, DecisionSession& session, Decision& wizard);

  // Runs the window modally as the program's main window; returns when it closes.
  INT_PTR run(HWND owner);
  // Creates it modeless (visible); Exit destroys the window.
  HWND create(HWND owner);

  // Opens the decision file at path through the session: on success the open panels
  // close, the window shows the decision and its name, and the file heads the recent
  // decisions.  On failure the message box says why.  A code of dec_format.h.
  int open_file(const std::filesystem::path& path);
  // A file to open at start (the program's command line), before the window runs: opened
  // as Open opens it once the window shows, after the offer of a decision a run left
  // behind, and only when none was restored.  Nothing is asked before.
  void open_at_start(const std::filesystem::path& path) { start_file_ = path; }
  // Saves the decision to path through the session; a failure's message box says why.
  // kDecOk or kDecSaveFailed.
  int save_file(const std::filesystem::path& path);

  // Opens alternative index's panel beside its cell (see the window's layout).
  void open_panel(int index);
  // Destroys every open panel without keeping its changes.
  void close_all_panels() { panels_.close_all(); }
  // Brings every control in line with the current decision: summaries, position lists,
  // cells with their totals and marks, rank strip and hints.
  void refresh();

  // The open panel of alternative index (1..9), or null.
  HWND panel(int index) const { return panels_.of(index); }
  int open_panel_count() const { return panels_.count(); }
  // The logo animation's step, 1..30.
  int logo_step() const { return logo_step_; }

 protected:
  bool on_init_dialog() override;
  bool on_command(int id, int code, HWND control) override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  void on_destroy() override;
  // Moved to a monitor of another scale: size, places, pictures and the boxes' font anew.
  void lay_out_at_dpi() override;

 private:
  void set_up_workspace();
  // The summaries and cells in cell_font_ with their texts on their pictures' lines.
  void lay_out_boxes();
  void show_decision();
  void show_cell(int index);

  void on_new_clicked();
  void start_from_case();
  void on_wizard_clicked();
  void run_wizard(bool revise);
  void on_open_clicked();
  // After the question, as Open: the first file dropped, if it is a decision file.
  void on_files_dropped(HDROP drop);
  // After the question, as Open; a file that is gone leaves the list.
  void on_recent_chosen(const std::filesystem::path& path);
  void on_save_clicked();
  void on_export_report_clicked();
  void on_help_clicked();
  void on_about_clicked();
  // Enter presses the focused button or opens the focused summary or cell.
  void on_enter_pressed();
  void on_exit_clicked();
  void on_undo();
  void on_redo();
  void on_method_switched(int method) { session_.set_method(method); }
  // At start, once the window shows: a decision a run left behind, if the user wants it,
  // else the file named at start.  The window shows first: a modal loop shows it only
  // once its queue is empty.
  void on_left_over_offered() {
    ShowWindow(hwnd(), SW_SHOW);
    if (keeper_.offer_left_over())
      show_decision();
    else if (!start_file_.empty())
      open_start_file();
  }
  void open_start_file();
  void on_add_clicked();
  void on_delete_clicked();
  void on_rank_clicked(int id);
  void on_explain_ranking_clicked();
  void on_summary_focused(int id);
  void on_cell_focused(int index);
  void on_panel_closed(int index, bool keep);
  void on_logo_step();
  void on_paint();

  HINSTANCE module_;
  DecisionSession& session_;
  Decision& wizard_;
  WorkKeeper keeper_{session_};
  OpenPanels panels_;
  RecentDecisions recent_;
  int logo_step_ = 1;
  kit::UniqueIcon icon_;
  std::filesystem::path start_file_;

  // Declared before the cells that draw with it, so it goes after them.
  kit::UniqueFont cell_font_;

  kit::PictureStatic logo_;
  // Set up from main_window_layout::kButtons, in its order.
  std::array<kit::SkinButton, std::size(main_window_layout::kButtons)> picture_buttons_;
  kit::BitmapEdit background_box_;
  kit::BitmapEdit record_box_;
  std::array<kit::BitmapEdit, kMaxAlternatives> cells_;
  // Set up from main_window_layout::kRankButtons: the best, the runner-up, the worst.
  std::array<kit::SkinButton, std::size(main_window_layout::kRankButtons)> rank_buttons_;
  kit::PictureStatic several_best_hint_;
  kit::PictureStatic too_close_hint_;
};

}  // namespace decision
