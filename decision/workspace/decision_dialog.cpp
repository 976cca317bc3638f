// DecisionDialog: start-up, the commands handed to the session, the grid and its
// panels, the logo and the painting of decision's main window.
#include "decision/workspace/decision_dialog.h"

#include "decision/document/dec_format.h"
#include "decision/guidance/case_library_dialog.h"
#include "decision/wizard/decision_wizard.h"
#include "decision/guidance/new_decision_dialog.h"
#include "kit/clock.h"
#include "kit/dialog_keys.h"
#include "kit/dropped_files.h"
#include "kit/font.h"
#include "kit/geometry.h"
#include "kit/launch.h"
#include "kit/list_text.h"
#include "kit/main_window.h"
#include "kit/message_box.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "kit/timer.h"
#include "decision/res/resource_ids.h"
#include "decision/workspace/alternative_panel.h"
#include "decision/input/big_input_box.h"
#include "decision/workspace/decision_about_dialog.h"
#include "decision/workspace/main_window_focus.h"
#include "decision/workspace/ranking_explanation_dialog.h"
#include "decision/workspace/report_export.h"

namespace decision {

namespace lay = main_window_layout;

namespace {

// Posted to the window itself when it or another window of the program was activated.
constexpr UINT kKeepPanelsAbove = WM_APP + 3;
// Posted at start: a decision a run left behind is offered once the window shows.
constexpr UINT kOfferLeftOver = WM_APP + 4;

constexpr char kHelpMissingText[] = "无法打开帮助文件 help.chm，请确认它在程序所在的文件夹中。";
constexpr char kHelpMissingCaption[] = "帮助";
constexpr char kHelpFile[] = "help.chm";

}  // namespace

DecisionDialog::DecisionDialog(HINSTANCE module, DecisionSession& session, Decision& wizard)
    : module_(module), session_(session), wizard_(wizard) {}

INT_PTR DecisionDialog::run(HWND owner) { return run_modal(module_, IDD_DECISION_MAIN, owner); }

HWND DecisionDialog::create(HWND owner) {
  HWND window = create_modeless(module_, IDD_DECISION_MAIN, owner);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

// Until the first New or Open only the command column, the logo and the (empty) rank
// buttons show; the workspace controls start hidden in the template.
bool DecisionDialog::on_init_dialog() {
  kit::add_system_menu_item(hwnd(), module_, IDS_ABOUT_MENU_ITEM, IDM_ABOUT_BOX);
  keeper_.attach(hwnd());
  recent_.attach(hwnd());
  keeper_.on_saved([this](const std::filesystem::path& path) { recent_.note(path); });
  kit::accept_dropped_files(hwnd());
  PostMessageW(hwnd(), kOfferLeftOver, 0, 0);
  icon_ = kit::set_program_icon(hwnd(), module_, IDI_DECISION);
  kit::fit_client_area(hwnd(), lay::kClientWidth, lay::kClientHeight);
  kit::set_window_text(hwnd(), session_.title());

  kit::place_controls(hwnd(), lay::kPlacements);
  logo_.bind(hwnd(), IDC_LOGO);
  kit::set_control_name(logo_.hwnd(), lay::kLogoName);
  // The first frame at once, so the logo is never blank; the timer's first step shows
  // it again and goes on from there.
  logo_.show_picture_file(lay::logo_file(1), lay::kLogo.w, lay::kLogo.h);
  kit::start_timer(hwnd(), lay::kLogoTimer, lay::kLogoStepMilliseconds);

  kit::set_up_skin_buttons(hwnd(), lay::kButtons, picture_buttons_);
  set_up_workspace();
  // The rank buttons show the alternative's label over the painted strip.
  kit::set_up_skin_buttons(hwnd(), lay::kRankButtons, rank_buttons_);
  for (kit::SkinButton& button : rank_buttons_) {
    button.set_state_color(kit::SkinButton::NormalText, lay::kRankText.colorref(), false);
    button.set_state_color(kit::SkinButton::ActiveText, lay::kRankText.colorref(), false);
  }
  return true;
}

// The summaries and cells are read-only edits over their pictures in a font of a fixed
// line pitch, first lines above the box (see the layout): lines fall on the bands.
void DecisionDialog::set_up_workspace() {
  cell_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kTextLinePitch);
  // pinned: the text line put exactly on its band's scaled place.
  auto set_up_box = [&](kit::BitmapEdit& box, int id, int picture, int first_y, int pinned) {
    box.bind(hwnd(), id);
    kit::set_font(box.hwnd(), cell_font_.get());
    box.set_text_lines(lay::kTextInsetX, lay::text_line_y(first_y, pinned), pinned, lay::kTextLinePitch);
    box.set_edit_background(picture);
  };
  set_up_box(background_box_, IDC_BACKGROUND_SUMMARY, IDB_BACKGROUND_SUMMARY, lay::kSummaryTextY, lay::kShownFromLine);
  set_up_box(record_box_, IDC_RECORD_SUMMARY, IDB_RECORD_SUMMARY, lay::kSummaryTextY, lay::kShownFromLine);
  for (int i = 0; i < kMaxAlternatives; ++i)
    set_up_box(cells_[static_cast<std::size_t>(i)], lay::kCellIds[i], IDB_CELL_PLAIN, lay::kCellLabelY,
               lay::kCellPinnedLine);

  several_best_hint_.bind(hwnd(), IDC_SEVERAL_BEST_HINT);
  several_best_hint_.show_bitmap(IDB_SEVERAL_BEST_HINT);
  kit::set_control_name(several_best_hint_.hwnd(), kSeveralBestHintText);
  too_close_hint_.bind(hwnd(), IDC_TOO_CLOSE_HINT);
  too_close_hint_.show_bitmap(IDB_TOO_CLOSE_HINT);
  kit::set_control_name(too_close_hint_.hwnd(), kTooCloseHintText);
}

void DecisionDialog::lay_out_at_dpi() {
  kit::fit_client_area(hwnd(), lay::kClientWidth, lay::kClientHeight);
  kit::place_controls(hwnd(), lay::kPlacements);
  for (kit::SkinButton& button : picture_buttons_) button.lay_out();
  for (kit::SkinButton& button : rank_buttons_) button.lay_out();
  logo_.lay_out();
  several_best_hint_.lay_out();
  too_close_hint_.lay_out();
  lay_out_boxes();
}

// The new font goes to every box before the old one is freed.
void DecisionDialog::lay_out_boxes() {
  kit::UniqueFont font = kit::make_font(hwnd(), kit::kSongFace, lay::kTextLinePitch);
  for (kit::BitmapEdit* box : {&background_box_, &record_box_}) {
    kit::set_font(box->hwnd(), font.get());
    box->lay_out();
  }
  for (kit::BitmapEdit& cell : cells_) {
    kit::set_font(cell.hwnd(), font.get());
    cell.lay_out();
  }
  cell_font_ = std::move(font);
}

// After a start, an open or a wizard: the workspace and the title show the decision.
void DecisionDialog::show_decision() {
  refresh();
  kit::set_window_text(hwnd(), session_.title());
}

void DecisionDialog::refresh() {
  const Decision& current = session_.decision();
  for (int id : lay::kWorkspaceIds) ShowWindow(item(id), SW_SHOW);
  kit::set_window_text(background_box_.hwnd(), summary_text(current.background));
  kit::set_window_text(record_box_.hwnd(), summary_text(current.finish_str));
  // Insertion entry k is position k + 1; deletion entry k is alternative k + 1.
  kit::combo_fill_select_last(item(IDC_INSERT_AT), session_.insert_positions());
  kit::combo_fill_select_last(item(IDC_DELETE_AT), session_.delete_positions());
  for (int i = 1; i <= kMaxAlternatives; ++i) show_cell(i);
  // The rank buttons name the best, the runner-up and the worst (kRankButtons' order).
  const int ranked[] = {current.best_index, current.runner_up_index, current.worst_index};
  for (std::size_t i = 0; i < rank_buttons_.size(); ++i)
    rank_buttons_[i].set_caption(ranked[i] > 0 ? alternative_label(ranked[i]) : std::string());
  ShowWindow(several_best_hint_.hwnd(), session_.hints().several_best ? SW_SHOW : SW_HIDE);
  ShowWindow(too_close_hint_.hwnd(), session_.hints().too_close ? SW_SHOW : SW_HIDE);
}

// Cell index (1..9) shows its alternative's report text on the picture of its rank, or
// hides past the last one.
void DecisionDialog::show_cell(int index) {
  const Decision& current = session_.decision();
  kit::BitmapEdit& cell = cells_[static_cast<std::size_t>(index - 1)];
  const bool shown = index <= current.deci_count;
  if (shown) {
    kit::set_window_text(cell.hwnd(), alternative_report_text(current, index));
    cell.set_edit_background(lay::cell_picture(index, current.best_index, current.worst_index));
  }
  ShowWindow(cell.hwnd(), shown ? SW_SHOW : SW_HIDE);
}

void DecisionDialog::on_new_clicked() {
  if (!keeper_.may_discard()) return;
  NewDecisionDialog chooser(module_);
  if (chooser.run(hwnd()) != IDOK) return;
  switch (chooser.mode()) {
    case kStartBlank:
      panels_.close_all();
      if (session_.start_blank(chooser.count(), kit::local_now()) == kShapeOk) show_decision();
      break;
    case kStartFromCase: start_from_case(); break;
    case kStartWithWizard: run_wizard(false); break;
  }
}

void DecisionDialog::start_from_case() {
  panels_.close_all();
  CaseLibraryDialog library(module_);
  if (library.run(hwnd()) != IDOK) return;
  // The library refuses a case that does not read; a failure here keeps the decision.
  const int result = session_.start_from_case(library.case_text(), library.case_name());
  if (keeper_.show_failure(result) == kDecOk) show_decision();
}

void DecisionDialog::on_wizard_clicked() {
  if (session_.has_decision()) run_wizard(true);
}

// The wizard works on the wizard decision alone: blank for New, or a copy of the
// current decision to revise (so the pages show what is there).  Only a wizard finished
// on its last page changes the decision: a revision keeps the file name, a new decision
// takes a new one.  A cancelled wizard changes nothing, not even the name.
void DecisionDialog::run_wizard(bool revise) {
  if (revise)
    wizard_ = session_.decision();
  else
    reset_decision(wizard_);
  DecisionWizard wizard(module_, wizard_);
  if (!wizard.run(hwnd())) return;
  panels_.close_all();
  if (revise)
    session_.finish_wizard_revision(wizard_);
  else
    session_.finish_wizard_new(wizard_, kit::local_now());
  show_decision();
}

void DecisionDialog::on_open_clicked() {
  std::filesystem::path path;
  if (keeper_.may_discard() && keeper_.choose_file_to_open(path)) open_file(path);
}

// A missing, oversized or unsound file leaves the decision, its name and its open
// panels as they were.
int DecisionDialog::open_file(const std::filesystem::path& path) {
  const int result = keeper_.show_failure(session_.open(path));
  if (result != kDecOk) return result;
  panels_.close_all();
  show_decision();
  recent_.note(path);
  return kDecOk;
}

void DecisionDialog::open_start_file() { open_file(start_file_); }

// Only the first file counts; the panels close only when it opens, as with Open.
void DecisionDialog::on_files_dropped(HDROP drop) {
  const std::vector<std::filesystem::path> dropped = kit::take_dropped_files(drop);
  if (dropped.empty()) return;
  if (!is_decision_file(dropped.front()))
    kit::show_message(hwnd(), kDropRefusedText, kDropRefusedCaption);
  else if (keeper_.may_discard())
    open_file(dropped.front());
}

void DecisionDialog::on_recent_chosen(const std::filesystem::path& path) {
  if (keeper_.may_discard() && open_file(path) == kDecFileMissing) recent_.forget(path);
}

void DecisionDialog::on_save_clicked() {
  if (session_.has_decision()) keeper_.save_with_dialog();
}

int DecisionDialog::save_file(const std::filesystem::path& path) { return keeper_.save_to(path); }

// The report is named and dated like the decision: its file name and the clock.
void DecisionDialog::on_export_report_clicked() {
  if (session_.has_decision())
    export_report(hwnd(), session_.decision(), session_.file_name(), kit::local_now());
}

void DecisionDialog::on_help_clicked() {
  if (!kit::show_html_help(kit::program_folder() / kHelpFile))
    kit::show_message(hwnd(), kHelpMissingText, kHelpMissingCaption);
}

void DecisionDialog::on_enter_pressed() {
  if (!kit::press_focused_button(hwnd())) post_box_opening(hwnd(), GetDlgCtrlID(GetFocus()));
}

void DecisionDialog::on_about_clicked() {
  DecisionAboutDialog about(module_);
  about.run(hwnd());
}

void DecisionDialog::on_exit_clicked() {
  if (!keeper_.may_discard()) return;
  panels_.close_all();
  end(IDOK);
}

// Undo and redo drop the panels' edits, as adding and deleting do, and show it all.
void DecisionDialog::on_undo() {
  panels_.close_all();
  if (session_.undo()) show_decision();
}

void DecisionDialog::on_redo() {
  panels_.close_all();
  if (session_.redo()) show_decision();
}

void DecisionDialog::on_add_clicked() {
  panels_.close_all();
  if (session_.insert_at(kit::combo_selection(item(IDC_INSERT_AT)) + 1) == kShapeOk) refresh();
}

void DecisionDialog::on_delete_clicked() {
  panels_.close_all();
  const int result = session_.delete_at(kit::combo_selection(item(IDC_DELETE_AT)) + 1);
  if (result == kDeleteTooFew) kit::show_message(hwnd(), kDeleteRefusedText, kDeleteRefusedCaption);
  if (result == kShapeOk) refresh();
}

// A rank button opens the panel of the alternative it names, if it names one.
void DecisionDialog::on_rank_clicked(int id) {
  const Decision& current = session_.decision();
  const int index = id == IDC_BEST        ? current.best_index
                    : id == IDC_RUNNER_UP ? current.runner_up_index
                                          : current.worst_index;
  if (index > 0) open_panel(index);
}

// The explanation shows the decision as it stands; open panels' edits are not part of it.
void DecisionDialog::on_explain_ranking_clicked() {
  if (!session_.has_decision()) return;
  RankingExplanationDialog explanation(module_, session_.decision());
  explanation.run(hwnd());
}

// The focus goes back to the command column, so the next click on the same box or
// cell raises its event again.
void DecisionDialog::on_summary_focused(int id) {
  SetFocus(item(IDC_NEW));
  const bool background = id == IDC_BACKGROUND_SUMMARY;
  const std::string& kept = background ? session_.decision().background : session_.decision().finish_str;
  std::string text = kept;
  if (!BigInputBox::edit_below(module_, hwnd(), item(id), text)) return;
  if (background)
    session_.set_background(text);
  else
    session_.set_record(text);
  kit::set_window_text(item(id), summary_text(kept));
}

void DecisionDialog::on_cell_focused(int index) { open_panel(index); }

void DecisionDialog::open_panel(int index) {
  SetFocus(item(IDC_NEW));
  if (index < 1 || index > session_.decision().deci_count || panels_.of(index)) return;
  if (panels_.count() >= kMostOpenPanels) {
    kit::show_message(hwnd(), kTooManyPanelsText, kTooManyPanelsCaption);
    return;
  }
  panels_.open(module_, hwnd(), session_.decision(), index,
               cells_[static_cast<std::size_t>(index - 1)].hwnd());
}

// The panel has posted its end: a kept copy replaces the alternative.
void DecisionDialog::on_panel_closed(int index, bool keep) {
  HWND window = panels_.of(index);
  if (!window) return;
  const AlternativePanel* closed = AlternativePanel::of(window);
  if (keep && closed && session_.accept_alternative(index, closed->alternative()) == kShapeOk) refresh();
  panels_.close(index);
}

void DecisionDialog::on_logo_step() {
  if (const int frame = lay::logo_frame_at(logo_step_))
    logo_.show_picture_file(lay::logo_file(frame), lay::kLogo.w, lay::kLogo.h);
  logo_step_ = lay::next_logo_step(logo_step_);
}

void DecisionDialog::on_paint() {
  if (IsIconic(hwnd())) {
    kit::paint_minimised(hwnd(), icon_.get());
    return;
  }
  kit::paint_skin_background(hwnd(), lay::kBackgroundFile, lay::kClientWidth, lay::kClientHeight);
}

void DecisionDialog::on_destroy() {
  kit::stop_timer(hwnd(), lay::kLogoTimer);
  keeper_.detach();
  recent_.detach();
  panels_.close_all();
}

bool DecisionDialog::on_command(int id, int code, HWND) {
  if (code == EN_SETFOCUS) return !focus_moves_by_tab() && post_box_opening(hwnd(), id);
  if (code != BN_CLICKED) return false;  // the window's keys and menu items come as clicks
  switch (id) {
    case IDC_NEW: on_new_clicked(); return true;
    case IDC_OPEN: on_open_clicked(); return true;
    case IDC_SAVE: on_save_clicked(); return true;
    case IDC_EXPORT_REPORT: on_export_report_clicked(); return true;
    case IDC_SHOW_HELP: on_help_clicked(); return true;
    case IDC_ABOUT:
    case IDM_ABOUT_BOX: on_about_clicked(); return true;
    case IDM_UNDO: on_undo(); return true;
    case IDM_REDO: on_redo(); return true;
    case IDC_EXIT: on_exit_clicked(); return true;
    case IDC_ADD_ALTERNATIVE: on_add_clicked(); return true;
    case IDC_DELETE_ALTERNATIVE: on_delete_clicked(); return true;
    case IDC_BEST:
    case IDC_RUNNER_UP:
    case IDC_WORST: on_rank_clicked(id); return true;
    case IDC_EXPLAIN_RANKING: on_explain_ranking_clicked(); return true;
    case IDC_START_WIZARD: on_wizard_clicked(); return true;
    // Enter and Escape do not end the main window; its close box and Exit do.
    case IDM_PRESS_FOCUSED: on_enter_pressed(); return true;
    case IDOK:
    case IDCANCEL: return true;
  }
  if (const std::filesystem::path chosen = recent_.chosen(static_cast<UINT>(id)); !chosen.empty()) {
    on_recent_chosen(chosen);
    return true;
  }
  return false;
}

bool DecisionDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: on_paint(); return true;
    case WM_TIMER:
      if (wparam != lay::kLogoTimer) return false;
      on_logo_step();
      return true;
    // The menu's own items are the window's commands; the platform's go on.
    case WM_SYSCOMMAND: return on_command(static_cast<int>(wparam & 0xFFF0), BN_CLICKED, nullptr);
    case WM_INITMENUPOPUP: keeper_.update_menu(); return false;
    case WM_DROPFILES: on_files_dropped(reinterpret_cast<HDROP>(wparam)); return true;
    case WM_CLOSE: on_exit_clicked(); return true;
    case WM_QUERYENDSESSION: result = keeper_.may_discard() ? TRUE : FALSE; return true;
    case WM_ENDSESSION:
      if (wparam) session_.end_run();  // the process ends without returning from run
      return true;
    case WM_ACTIVATE:
      // After the activation has stacked the windows (see keep_owned_windows_above).
      PostMessageW(hwnd(), kKeepPanelsAbove, 0, 0);
      return false;
    case kKeepPanelsAbove: kit::keep_owned_windows_above(hwnd()); return true;
    case WM_QUERYDRAGICON: result = reinterpret_cast<LRESULT>(icon_.get()); return true;
    case PANEL_CLOSED: on_panel_closed(static_cast<int>(wparam), lparam != 0); return true;
    case kSummaryFocused: on_summary_focused(static_cast<int>(wparam)); return true;
    case kCellFocused: on_cell_focused(static_cast<int>(wparam)); return true;
    case METHOD_SWITCHED: on_method_switched(static_cast<int>(wparam)); return true;
    case kOfferLeftOver: on_left_over_offered(); return true;
  }
  return false;
}

}  // namespace decision
