// DecisionDialog: start-up, the commands, the grid and its panels, the logo and the
// painting of decision's main window.
#include "workspace/decision_dialog.h"

#include <cstdio>

#include "decision/document/dec_format.h"
#include "guidance/case_library_dialog.h"
#include "guidance/decision_wizard.h"
#include "guidance/new_decision_dialog.h"
#include "kit/font.h"
#include "kit/file_dialog.h"
#include "kit/geometry.h"
#include "kit/launch.h"
#include "kit/list_text.h"
#include "kit/main_window.h"
#include "kit/message_box.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "kit/timer.h"
#include "res/resource_ids.h"
#include "workspace/alternative_panel.h"
#include "workspace/alternative_panel_layout.h"
#include "workspace/big_input_box.h"
#include "workspace/decision_about_dialog.h"
#include "workspace/decision_dialog_layout.h"
#include "workspace/ranking_explanation_dialog.h"
#include "workspace/report_export.h"

namespace decision {

namespace lay = main_window_layout;

namespace {

// Posted to the window itself when a summary or a cell got the focus (wParam: the
// summary's id, or the alternative), so the box or panel opens after the click that
// gave the focus has been handled.
constexpr UINT kSummaryFocused = WM_APP + 1;
constexpr UINT kCellFocused = WM_APP + 2;
// Posted to the window itself when it or another window of the program was activated.
constexpr UINT kKeepPanelsAbove = WM_APP + 3;

constexpr char kTitlePrefix[] = "择优宝 V1.2 — ";
constexpr char kNoDecision[] = "当前未有决策";
constexpr char kNewTip[] = "建立一个新的决策项目";
constexpr char kOpenTip[] = "从文件中读出决策项目";
constexpr char kSaveTip[] = "把决策内容保存到文件";
constexpr char kReportTip[] = "把决策保存为可打印的网页";
constexpr char kRankTip[] = "单击展开此方案";
constexpr char kExplainTip[] = "为何如此排名";
constexpr char kWizardTip[] = "在决策向导的帮助下修改当前决策";
constexpr char kBackgroundFallback[] = "在这里记录决策的背景：为何事，达到何种目标等。";
constexpr char kRecordFallback[] = "在这里记录决策的执行情况（可以随时添加内容）。";
constexpr char kTooManyPanelsText[] = "为避免界面杂乱，同时打开的方案限制为3个！\r\n您可以先关闭其中一个，再打开另一个。";
constexpr char kTooManyPanelsCaption[] = "最多只能同时打开3个方案";
constexpr char kHelpMissingText[] = "无法打开帮助文件 help.chm，请确认它在程序所在的文件夹中。";
constexpr char kHelpMissingCaption[] = "帮助";
constexpr char kInsertBefore[] = "在方案%d之前";
constexpr char kInsertAfter[] = "在方案%d之后";
constexpr char kAlternativesFull[] = "方案数量已满";
constexpr char kCannotDelete[] = "不可删除";
constexpr char kHelpFile[] = "help.chm";
constexpr char kFileFilter[] = "决策文件(*.dec)|*.dec|";
constexpr char kFileExtension[] = "dec";
constexpr int kMostOpenPanels = 3;

constexpr COLORREF kRankText = RGB(0x1F, 0x3A, 0x5F);

SYSTEMTIME system_clock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

DecisionDialog::Clock g_clock = system_clock;

// A format with one %d filled in (the formats are GBK; the number is ASCII).
std::string with_number(const char* format, int n) {
  char text[64];
  std::snprintf(text, sizeof text, format, n);
  return text;
}

RECT screen_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace

DecisionDialog::DecisionDialog(HINSTANCE module, Decision& current, Decision& wizard)
    : module_(module), current_(current), wizard_(wizard) {}

INT_PTR DecisionDialog::run(HWND owner) { return run_modal(module_, IDD_DECISION_MAIN, owner); }

HWND DecisionDialog::create(HWND owner) {
  HWND window = create_modeless(module_, IDD_DECISION_MAIN, owner);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

DecisionDialog::Clock DecisionDialog::set_clock(Clock clock) {
  const Clock previous = g_clock;
  g_clock = clock ? clock : system_clock;
  return previous;
}

HWND DecisionDialog::panel(int index) const {
  if (index < 1 || index > kMaxAlternatives) return nullptr;
  return panels_[static_cast<std::size_t>(index)];
}

int DecisionDialog::open_panel_count() const {
  int count = 0;
  for (int i = 1; i <= kMaxAlternatives; ++i) count += panel(i) ? 1 : 0;
  return count;
}

// ---- start-up ------------------------------------------------------------------------

// Until the first New or Open only the command column, the logo and the (empty) rank
// buttons show; the workspace controls start hidden in the template.
bool DecisionDialog::on_init_dialog() {
  kit::add_system_menu_item(hwnd(), module_, IDS_ABOUT_MENU_ITEM, IDM_ABOUT_BOX);
  icon_ = kit::set_program_icon(hwnd(), module_, IDI_DECISION);
  kit::fit_client_area(hwnd(), lay::kClientWidth, lay::kClientHeight);
  show_title();
  reset_decision(current_);
  reset_decision(wizard_);
  has_decision_ = false;

  kit::place_controls(hwnd(), lay::kPlacements);
  logo_.bind(hwnd(), IDC_LOGO);
  // The first frame at once, so the logo is never blank; the timer's first step shows
  // it again and goes on from there.
  logo_.show_picture_file(lay::logo_file(1), lay::kLogo.w, lay::kLogo.h);
  kit::start_timer(hwnd(), lay::kLogoTimer, lay::kLogoStepMilliseconds);

  set_up_command_column();
  set_up_workspace();
  set_up_rank_strip();
  return true;
}

void DecisionDialog::set_up_command_column() {
  const HWND dialog = hwnd();
  add_button_.set_up(dialog, IDC_ADD_ALTERNATIVE,
                     {.place = lay::kAddButton, .hover_picture = IDB_ADD_ALTERNATIVE_HOVER,
                      .normal_picture = IDB_ADD_ALTERNATIVE, .key = lay::kEditButtonKey});
  delete_button_.set_up(dialog, IDC_DELETE_ALTERNATIVE,
                        {.place = lay::kDeleteButton, .hover_picture = IDB_DELETE_ALTERNATIVE_HOVER,
                         .normal_picture = IDB_DELETE_ALTERNATIVE, .key = lay::kEditButtonKey});
  new_button_.set_up(dialog, IDC_NEW,
                     {.place = lay::kNewButton, .hover_picture = IDB_NEW_HOVER, .normal_picture = IDB_NEW,
                      .key = lay::kCommandKey, .tip = kNewTip});
  open_button_.set_up(dialog, IDC_OPEN,
                      {.place = lay::kOpenButton, .hover_picture = IDB_OPEN_HOVER, .normal_picture = IDB_OPEN,
                       .key = lay::kCommandKey, .tip = kOpenTip});
  save_button_.set_up(dialog, IDC_SAVE,
                      {.place = lay::kSaveButton, .hover_picture = IDB_SAVE_HOVER, .normal_picture = IDB_SAVE,
                       .key = lay::kCommandKey, .tip = kSaveTip});
  help_button_.set_up(dialog, IDC_SHOW_HELP,
                      {.place = lay::kHelpButton, .hover_picture = IDB_HELP_HOVER, .normal_picture = IDB_HELP,
                       .key = lay::kCommandKey});
  about_button_.set_up(dialog, IDC_ABOUT,
                       {.place = lay::kAboutButton, .hover_picture = IDB_ABOUT_HOVER,
                        .normal_picture = IDB_ABOUT, .key = lay::kCommandKey});
  report_button_.set_up(dialog, IDC_EXPORT_REPORT,
                        {.place = lay::kReportButton, .hover_picture = IDB_EXPORT_REPORT_HOVER,
                         .normal_picture = IDB_EXPORT_REPORT, .key = lay::kCommandKey, .tip = kReportTip});
  exit_button_.set_up(dialog, IDC_EXIT,
                      {.place = lay::kExitButton, .hover_picture = IDB_EXIT_HOVER, .normal_picture = IDB_EXIT,
                       .key = lay::kCommandKey});
}

// The summaries and cells are read-only edits over their pictures, written in a font
// of a fixed line pitch, their first lines above the box (see the layout), so that the
// lines fall on the pictures' bands.
void DecisionDialog::set_up_workspace() {
  cell_font_ = kit::make_font(kit::kSongFace, lay::kTextLinePitch);
  auto set_up_box = [&](kit::BitmapEdit& box, int id, int picture, int first_y) {
    box.bind(hwnd(), id);
    // The font first: a new font resets the formatting rectangle.
    kit::set_font(box.hwnd(), cell_font_.get());
    RECT lines{};
    GetClientRect(box.hwnd(), &lines);
    lines.top = lay::text_top(first_y);
    lines.left = lay::kTextInsetX;
    SendMessageW(box.hwnd(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&lines));
    box.set_edit_background(picture);
  };
  set_up_box(background_box_, IDC_BACKGROUND_SUMMARY, IDB_BACKGROUND_SUMMARY, lay::kSummaryTextY);
  set_up_box(record_box_, IDC_RECORD_SUMMARY, IDB_RECORD_SUMMARY, lay::kSummaryTextY);
  for (int i = 0; i < kMaxAlternatives; ++i)
    set_up_box(cells_[static_cast<std::size_t>(i)], lay::kCellIds[i], IDB_CELL_PLAIN, lay::kCellLabelY);
  panels_.fill(nullptr);

  several_best_hint_.bind(hwnd(), IDC_SEVERAL_BEST_HINT);
  several_best_hint_.show_bitmap(IDB_SEVERAL_BEST_HINT);
  too_close_hint_.bind(hwnd(), IDC_TOO_CLOSE_HINT);
  too_close_hint_.show_bitmap(IDB_TOO_CLOSE_HINT);
}

// The rank buttons show the alternative's label over the painted strip; the explain
// and wizard buttons stay hidden until the first decision.
void DecisionDialog::set_up_rank_strip() {
  const HWND dialog = hwnd();
  auto set_up_rank = [&](kit::SkinButton& button, int id, const lay::Rect& place) {
    button.set_up(dialog, id, {.place = place, .tip = kRankTip});
    button.set_state_color(kit::SkinButton::NormalText, kRankText, false);
    button.set_state_color(kit::SkinButton::ActiveText, kRankText, false);
  };
  set_up_rank(best_button_, IDC_BEST, lay::kBestButton);
  set_up_rank(runner_up_button_, IDC_RUNNER_UP, lay::kRunnerUpButton);
  set_up_rank(worst_button_, IDC_WORST, lay::kWorstButton);
  current_.best_index = current_.runner_up_index = current_.worst_index = 0;
  explain_button_.set_up(dialog, IDC_EXPLAIN_RANKING,
                         {.place = lay::kExplainButton, .hover_picture = IDB_EXPLAIN_RANKING_HOVER,
                          .normal_picture = IDB_EXPLAIN_RANKING, .key = lay::kWizardKey, .tip = kExplainTip});

  wizard_button_.set_up(dialog, IDC_START_WIZARD,
                        {.place = lay::kWizardButton, .hover_picture = IDB_START_WIZARD_HOVER,
                         .normal_picture = IDB_START_WIZARD, .key = lay::kWizardKey, .tip = kWizardTip});
}

void DecisionDialog::show_title() {
  kit::set_window_text(hwnd(), std::string(kTitlePrefix) + (has_decision_ ? current_file_name_ : kNoDecision));
}

// "新决策(12-6 9：5).dec": month, day, hour and minute without leading zeros.
void DecisionDialog::name_new_decision() {
  const SYSTEMTIME now = g_clock();
  char name[64];
  std::snprintf(name, sizeof name, "新决策(%d-%d %d：%d).dec", now.wMonth, now.wDay, now.wHour, now.wMinute);
  current_file_name_ = name;
}

// ---- refresh -------------------------------------------------------------------------

void DecisionDialog::refresh() {
  show_workspace();
  show_summary(background_box_, current_.background);
  show_summary(record_box_, current_.finish_str);
  fill_position_lists();
  compute_totals(current_);
  for (int i = 1; i <= kMaxAlternatives; ++i) show_cell(i);
  const RankingHints hints = compute_ranking(current_);
  for (int i = 1; i <= current_.deci_count; ++i) {
    const int picture = i == current_.best_index    ? IDB_CELL_BEST
                        : i == current_.worst_index ? IDB_CELL_WORST
                                                    : IDB_CELL_PLAIN;
    cells_[static_cast<std::size_t>(i - 1)].set_edit_background(picture);
  }
  show_rank_strip();
  ShowWindow(several_best_hint_.hwnd(), hints.several_best ? SW_SHOW : SW_HIDE);
  ShowWindow(too_close_hint_.hwnd(), hints.too_close ? SW_SHOW : SW_HIDE);
}

void DecisionDialog::show_workspace() {
  for (int id : {IDC_BACKGROUND_SUMMARY, IDC_RECORD_SUMMARY, IDC_ADD_ALTERNATIVE, IDC_DELETE_ALTERNATIVE,
                 IDC_INSERT_AT, IDC_DELETE_AT, IDC_START_WIZARD, IDC_EXPLAIN_RANKING})
    ShowWindow(item(id), SW_SHOW);
}

void DecisionDialog::show_summary(kit::BitmapEdit& box, const std::string& text) {
  kit::set_window_text(box.hwnd(), summary_text(text));
}

// Cell index (1..9) shows its alternative's report text, or hides past the last one.
void DecisionDialog::show_cell(int index) {
  kit::BitmapEdit& cell = cells_[static_cast<std::size_t>(index - 1)];
  if (index > current_.deci_count) {
    ShowWindow(cell.hwnd(), SW_HIDE);
    return;
  }
  kit::set_window_text(cell.hwnd(), alternative_report_text(current_, index));
  ShowWindow(cell.hwnd(), SW_SHOW);
}

// Entry k of the insertion list stands for position k + 1, of the deletion list for
// alternative k + 1; the last entry of each is selected.
void DecisionDialog::fill_position_lists() {
  const int count = current_.deci_count;
  HWND insert_at = item(IDC_INSERT_AT);
  kit::combo_clear(insert_at);
  if (count < kMaxAlternatives) {
    for (int i = 1; i <= count; ++i) kit::combo_add(insert_at, with_number(kInsertBefore, i));
    kit::combo_add(insert_at, with_number(kInsertAfter, count));
  } else {
    kit::combo_add(insert_at, kAlternativesFull);
  }
  kit::combo_select(insert_at, kit::combo_count(insert_at) - 1);

  HWND delete_at = item(IDC_DELETE_AT);
  kit::combo_clear(delete_at);
  if (count > 1) {
    for (int i = 1; i <= count; ++i) kit::combo_add(delete_at, alternative_label(i));
  } else {
    kit::combo_add(delete_at, kCannotDelete);
  }
  kit::combo_select(delete_at, kit::combo_count(delete_at) - 1);
}

void DecisionDialog::show_rank_strip() {
  auto label = [](int index) { return index > 0 ? alternative_label(index) : std::string(); };
  best_button_.set_caption(label(current_.best_index));
  runner_up_button_.set_caption(label(current_.runner_up_index));
  worst_button_.set_caption(label(current_.worst_index));
}

// ---- New, Open, Save -----------------------------------------------------------------

void DecisionDialog::on_new_clicked() {
  NewDecisionDialog chooser(module_);
  if (chooser.run(hwnd()) != IDOK) return;
  switch (chooser.mode()) {
    case kStartBlank:
      start_blank(chooser.count());
      break;
    case kStartFromCase:
      start_from_case();
      break;
    case kStartWithWizard:
      start_with_wizard();
      break;
  }
}

// The wizard works on the wizard decision alone; only a wizard finished on its last
// page makes it the current decision, under a new decision's name.  A cancelled wizard
// changes nothing here, not even the name (Save would propose it for the old decision).
void DecisionDialog::start_with_wizard() {
  reset_decision(wizard_);
  DecisionWizard wizard(module_, wizard_);
  if (!wizard.run(hwnd())) return;
  close_all_panels();
  current_ = wizard_;
  refresh();
  name_new_decision();
  has_decision_ = true;
  show_title();
}

// The wizard button revises the current decision: the wizard starts from a copy of
// it, so the pages show what is there, and the finished copy replaces it under the
// same file name.
void DecisionDialog::on_wizard_clicked() {
  if (!has_decision_) return;
  wizard_ = current_;
  DecisionWizard wizard(module_, wizard_);
  if (!wizard.run(hwnd())) return;
  close_all_panels();
  current_ = wizard_;
  refresh();
  show_title();
}

void DecisionDialog::start_blank(int count) {
  close_all_panels();
  reset_decision(current_);
  current_.deci_count = count;
  for (int i = 1; i <= kLastSlot; ++i) reset_alternative(current_.alternatives[static_cast<std::size_t>(i)]);
  refresh();
  name_new_decision();
  has_decision_ = true;
  show_title();
}

void DecisionDialog::start_from_case() {
  close_all_panels();
  CaseLibraryDialog library(module_);
  if (library.run(hwnd()) != IDOK) return;
  // The library refuses a case that does not read; a failure here keeps the decision.
  const int result = read_decision_text(current_, library.case_text());
  if (result != kDecOk) {
    const DecMessage message = dec_message(result);
    kit::show_message(hwnd(), message.text, message.caption);
    return;
  }
  refresh();
  current_file_name_ = library.case_name();
  has_decision_ = true;
  show_title();
}

void DecisionDialog::on_open_clicked() {
  std::string path;
  const kit::FileDialogRequest request{.filter = kFileFilter, .default_extension = kFileExtension};
  if (!kit::choose_file(hwnd(), kit::FileDialogKind::Open, request, path)) return;
  open_file(path);
}

// The file is read into a copy: a missing, oversized or unsound file leaves the
// decision, its name and its open panels as they were.
int DecisionDialog::open_file(std::string_view path) {
  Decision opened = current_;
  const int result = load_decision_file(opened, path);
  if (result != kDecOk) {
    const DecMessage message = dec_message(result);
    kit::show_message(hwnd(), message.text, message.caption);
    return result;
  }
  close_all_panels();
  current_ = opened;
  refresh();
  current_file_name_ = std::string(kit::bare_file_name(path));
  has_decision_ = true;
  show_title();
  return kDecOk;
}

void DecisionDialog::on_save_clicked() {
  if (!has_decision_) return;
  std::string path;
  const kit::FileDialogRequest request{
      .filter = kFileFilter, .default_extension = kFileExtension, .proposed_name = current_file_name_};
  if (!kit::choose_file(hwnd(), kit::FileDialogKind::Save, request, path)) return;
  save_file(path);
}

// Open panels stay open; their edits are not part of the decision and are not saved.
int DecisionDialog::save_file(std::string_view path) {
  const int result = save_decision_file(current_, path);
  if (result != kDecOk) {
    const DecMessage message = dec_message(result);
    kit::show_message(hwnd(), message.text, message.caption);
    return result;
  }
  current_file_name_ = std::string(kit::bare_file_name(path));
  show_title();
  return kDecOk;
}

// The report is named and dated like the decision: its file name and the window's clock.
void DecisionDialog::on_export_report_clicked() {
  if (!has_decision_) return;
  export_report(hwnd(), current_, current_file_name_, g_clock());
}

// ---- Help, About, Exit ---------------------------------------------------------------

void DecisionDialog::on_help_clicked() {
  if (!kit::show_html_help(kit::program_folder() + kHelpFile))
    kit::show_message(hwnd(), kHelpMissingText, kHelpMissingCaption);
}

void DecisionDialog::on_about_clicked() {
  DecisionAboutDialog about(module_);
  about.run(hwnd());
}

void DecisionDialog::on_exit_clicked() {
  close_all_panels();
  end(IDOK);
}

// ---- alternatives and panels ---------------------------------------------------------

void DecisionDialog::on_add_clicked() {
  close_all_panels();
  if (current_.deci_count >= kMaxAlternatives) return;
  insert_alternative(current_, kit::combo_selection(item(IDC_INSERT_AT)) + 1);
  refresh();
}

void DecisionDialog::on_delete_clicked() {
  close_all_panels();
  if (current_.deci_count < kMinAlternatives + 1) {
    kit::show_message(hwnd(), kDeleteRefusedText, kDeleteRefusedCaption);
    return;
  }
  delete_alternative(current_, kit::combo_selection(item(IDC_DELETE_AT)) + 1);
  refresh();
}

void DecisionDialog::on_rank_clicked(int index) {
  if (index > 0) open_panel(index);
}

// The explanation shows the decision as it stands; open panels' edits are not part of it.
void DecisionDialog::on_explain_ranking_clicked() {
  if (!has_decision_) return;
  RankingExplanationDialog explanation(module_, current_);
  explanation.run(hwnd());
}

// The focus goes back to the command column, so the next click on the same box or
// cell raises its event again.
void DecisionDialog::on_summary_focused(int id) {
  SetFocus(new_button_.hwnd());
  const bool background = id == IDC_BACKGROUND_SUMMARY;
  kit::BitmapEdit& box = background ? background_box_ : record_box_;
  std::string& text = background ? current_.background : current_.finish_str;
  const RECT place = screen_rect(box.hwnd());
  BigInputBox input(module_);
  input.x = place.left;
  input.y = place.bottom;
  input.text = text;
  if (input.run(hwnd()) != IDOK) return;
  text = input.text.empty() ? (background ? kBackgroundFallback : kRecordFallback) : input.text;
  show_summary(box, text);
}

void DecisionDialog::on_cell_focused(int index) { open_panel(index); }

void DecisionDialog::open_panel(int index) {
  SetFocus(new_button_.hwnd());
  if (index < 1 || index > current_.deci_count || panel(index)) return;
  if (open_panel_count() >= kMostOpenPanels) {
    kit::show_message(hwnd(), kTooManyPanelsText, kTooManyPanelsCaption);
    return;
  }
  const RECT cell = screen_rect(cells_[static_cast<std::size_t>(index - 1)].hwnd());
  const lay::Rect cell_rect{cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top};
  const auto corner = alternative_panel_layout::panel_top_left(
      index, cell_rect, current_.alternatives[static_cast<std::size_t>(index)].result_count);
  HWND window = kit::FloatingDialog::open<AlternativePanel>(module_, IDD_ALTERNATIVE_PANEL, hwnd(), current_, index,
                                                            POINT{corner.x, corner.y});
  if (!window) return;
  panels_[static_cast<std::size_t>(index)] = window;
  ShowWindow(window, SW_SHOW);
}

void DecisionDialog::close_all_panels() {
  for (int i = 1; i <= kMaxAlternatives; ++i) {
    HWND& window = panels_[static_cast<std::size_t>(i)];
    if (window && IsWindow(window)) DestroyWindow(window);
    window = nullptr;
  }
}

// The panel has posted its end: a kept copy replaces the alternative.
void DecisionDialog::on_panel_closed(int index, bool keep) {
  HWND window = panel(index);
  if (!window) return;
  if (keep) {
    if (const AlternativePanel* closed = AlternativePanel::of(window)) {
      current_.alternatives[static_cast<std::size_t>(index)] = closed->alternative();
      refresh();
    }
  }
  panels_[static_cast<std::size_t>(index)] = nullptr;
  DestroyWindow(window);
}

// ---- logo and painting ---------------------------------------------------------------

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
  close_all_panels();
}

// ---- dispatch ------------------------------------------------------------------------

bool DecisionDialog::on_command(int id, int code, HWND) {
  if (code == EN_SETFOCUS) {
    if (id == IDC_BACKGROUND_SUMMARY || id == IDC_RECORD_SUMMARY) {
      PostMessageW(hwnd(), kSummaryFocused, static_cast<WPARAM>(id), 0);
      return true;
    }
    if (id >= IDC_CELL_1 && id <= IDC_CELL_9) {
      PostMessageW(hwnd(), kCellFocused, static_cast<WPARAM>(id - IDC_CELL_1 + 1), 0);
      return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_NEW: on_new_clicked(); return true;
    case IDC_OPEN: on_open_clicked(); return true;
    case IDC_SAVE: on_save_clicked(); return true;
    case IDC_EXPORT_REPORT: on_export_report_clicked(); return true;
    case IDC_SHOW_HELP: on_help_clicked(); return true;
    case IDC_ABOUT: on_about_clicked(); return true;
    case IDC_EXIT: on_exit_clicked(); return true;
    case IDC_ADD_ALTERNATIVE: on_add_clicked(); return true;
    case IDC_DELETE_ALTERNATIVE: on_delete_clicked(); return true;
    case IDC_BEST: on_rank_clicked(current_.best_index); return true;
    case IDC_RUNNER_UP: on_rank_clicked(current_.runner_up_index); return true;
    case IDC_WORST: on_rank_clicked(current_.worst_index); return true;
    case IDC_EXPLAIN_RANKING: on_explain_ranking_clicked(); return true;
    case IDC_START_WIZARD: on_wizard_clicked(); return true;
    // Enter and Escape do not end the main window; its close box and Exit do.
    case IDOK:
    case IDCANCEL: return true;
  }
  return false;
}

bool DecisionDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
    case WM_TIMER:
      if (wparam != lay::kLogoTimer) return false;
      on_logo_step();
      return true;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != IDM_ABOUT_BOX) return false;  // the platform's own commands
      on_about_clicked();
      return true;
    case WM_CLOSE:
      on_exit_clicked();
      return true;
    case WM_ACTIVATE:
      // After the activation has stacked the windows (see keep_owned_windows_above).
      PostMessageW(hwnd(), kKeepPanelsAbove, 0, 0);
      return false;
    case kKeepPanelsAbove:
      kit::keep_owned_windows_above(hwnd());
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(icon_.get());
      return true;
    case PANEL_CLOSED:
      on_panel_closed(static_cast<int>(wparam), lparam != 0);
      return true;
    case kSummaryFocused:
      on_summary_focused(static_cast<int>(wparam));
      return true;
    case kCellFocused:
      on_cell_focused(static_cast<int>(wparam));
      return true;
  }
  return false;
}

}  // namespace decision
