#include "facelore/facelore_dialog.h"

#include <algorithm>

#include "facelore/analysis.h"
#include "facelore/facelore_about_dialog.h"
#include "kit/clock.h"
#include "kit/dialog_init.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/launch.h"
#include "kit/list_text.h"
#include "kit/main_window.h"
#include "kit/message_box.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"

namespace facelore {

namespace {

constexpr char kTitle[] = "相缘通 V3.2";
// What the prompt beside the list to choose from shows; the other prompts show a space.
constexpr char kPromptArrow[] = "请选择->";
constexpr char kPromptBlank[] = " ";

// A drop-down list's closed field is as tall as its font makes it, and fonts measure
// differently from desktop to desktop; the field is set to the height the background
// frames it with.  The requested selection height is corrected by what the field came
// out as, since list implementations count the field's padding differently.
int field_height(HWND list) {
  RECT field{};
  GetWindowRect(list, &field);
  return field.bottom - field.top;
}

void set_list_field_height(HWND list, int height) {
  const LRESULT item = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  if (item == CB_ERR) return;
  int request = static_cast<int>(item);
  constexpr int kAttempts = 4;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int now = field_height(list);
    if (now == height) return;
    request += height - now;
    if (request <= 0) return;
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
  }
}

}  // namespace

bool installer_offered(const kit::LocalTime& today) {
  const kit::LocalTime& from = kInstallerOfferedFrom;
  if (today.year != from.year) return today.year > from.year;
  if (today.month != from.month) return today.month > from.month;
  return today.day >= from.day;
}

// ---- FaceloreDialog ----------------------------------------------------------------

FaceloreDialog::FaceloreDialog(HINSTANCE module) : module_(module), texts_(module) {}

INT_PTR FaceloreDialog::run(HWND owner) { return run_modal(module_, IDD_FACELORE_MAIN, owner); }

HWND FaceloreDialog::create(HWND owner) { return create_modeless(module_, IDD_FACELORE_MAIN, owner); }

bool FaceloreDialog::on_init_dialog() {
  selection_step_ = kChoosePart;
  part_ = feature_ = option_ = 0;
  kit::apply_dialog_init_data(module_, IDD_FACELORE_MAIN, hwnd());

  kit::add_system_menu_item(hwnd(), module_, IDS_ABOUT_MENU, IDM_ABOUT);
  icon_ = kit::set_program_icon(hwnd(), module_, IDI_FACELORE);
  kit::set_window_text(hwnd(), kTitle);
  kit::fit_client_area(hwnd(), layout::kClientWidth, layout::kClientHeight);
  place_controls();
  skin_buttons();
  skin_text_boxes();
  skin_result_labels();
  kit::combo_select(item(IDC_PART_LIST), 0);
  return true;
}

void FaceloreDialog::lay_out_at_dpi() {
  kit::fit_client_area(hwnd(), layout::kClientWidth, layout::kClientHeight);
  place_controls();
  for (kit::SkinButton* button : {&analyse_button_, &close_button_, &about_button_, &installer_button_, &heading_label_,
                                  &prompts_[0], &prompts_[1], &prompts_[2]})
    button->lay_out();
  for (kit::SkinButton& label : result_labels_) label.lay_out();
  dress_text_boxes();
}

// Every control the background picture frames goes to its pixel rectangle before its
// first paint (see-through buttons capture the picture under them at that paint).
void FaceloreDialog::place_controls() {
  kit::place_controls(hwnd(), layout::kMainPlacements);
  for (int list : {IDC_PART_LIST, IDC_FEATURE_LIST, IDC_OPTION_LIST})
    set_list_field_height(item(list), kit::scaled(hwnd(), layout::kListFieldHeight));
}

// The table's buttons go to their places as they are set up; the labels are already in
// place and are see-through buttons without pictures.
void FaceloreDialog::skin_buttons() {
  HWND dialog = hwnd();
  kit::set_up_skin_buttons(dialog, layout::kButtons, {&analyse_button_, &close_button_, &about_button_, &installer_button_});
  if (!installer_offered(kit::local_now())) ShowWindow(installer_button_.hwnd(), SW_HIDE);
  heading_label_.set_up(dialog, IDC_HEADING, {});
  prompts_[0].set_up(dialog, IDC_PART_PROMPT, {});
  prompts_[1].set_up(dialog, IDC_FEATURE_PROMPT, {});
  prompts_[2].set_up(dialog, IDC_OPTION_PROMPT, {});
}

void FaceloreDialog::skin_text_boxes() {
  definition_box_.bind(hwnd(), IDC_DEFINITION_BOX);
  character_box_.bind(hwnd(), IDC_CHARACTER_BOX);
  advice_box_.bind(hwnd(), IDC_ADVICE_BOX);
  dress_text_boxes();
}

// Pictures, margins and scroll bars of the text boxes, at the window's DPI.
void FaceloreDialog::dress_text_boxes() {
  constexpr UINT kRedraw = RDW_INVALIDATE | RDW_ERASE;
  definition_box_.set_edit_background(IDB_DEFINITION_BOX);
  RedrawWindow(definition_box_.hwnd(), nullptr, nullptr, kRedraw);
  character_box_.set_edit_background(IDB_CHARACTER_BOX);
  RedrawWindow(character_box_.hwnd(), nullptr, nullptr, kRedraw);
  advice_box_.set_edit_background(IDB_ADVICE_BOX);
  RedrawWindow(advice_box_.hwnd(), nullptr, nullptr, kRedraw);
  // The texts keep clear of the frames the pictures draw along the edges.
  const int margin = kit::scaled(hwnd(), layout::kTextBoxMargin);
  for (int id : {IDC_DEFINITION_BOX, IDC_CHARACTER_BOX, IDC_ADVICE_BOX})
    SendDlgItemMessageW(hwnd(), id, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
  // A text longer than its box shows a scroll bar, so the reader knows more follows.
  const kit::ScrollBarLook look{layout::kTextScrollBarWidth, layout::kTextScrollBarInset, layout::kTextScrollBarGap,
                                layout::kTextScrollTrack, layout::kTextScrollThumb};
  for (kit::BitmapEdit* box : {&definition_box_, &character_box_, &advice_box_}) box->show_scroll_bar_when_needed(look);
}

void FaceloreDialog::skin_result_labels() {
  for (int i = 0; i < layout::kResultLabelCount; ++i)
    result_labels_[static_cast<std::size_t>(i)].set_up(hwnd(), IDC_RESULT_1 + i, {});
}

void FaceloreDialog::on_destroy() { icon_.reset(); }

// ---- events ------------------------------------------------------------------------

bool FaceloreDialog::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_PART_LIST:
      if (code == CBN_SELCHANGE) on_part_changed();
      return true;
    case IDC_FEATURE_LIST:
      if (code == CBN_SELCHANGE) on_feature_changed();
      return true;
    case IDC_OPTION_LIST:
      if (code == CBN_SELCHANGE) on_option_changed();
      return true;
    case IDC_ANALYSE:
      if (code == BN_CLICKED) analyse_pick();
      return true;
    case IDC_ABOUT:
      if (code == BN_CLICKED) open_about();
      return true;
    case IDC_CLOSE:
      if (code == BN_CLICKED) end(IDOK);
      return true;
    case IDC_INSTALLER:
      if (code == BN_CLICKED) start_installer();
      return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool FaceloreDialog::on_message(UINT message, WPARAM wparam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != IDM_ABOUT) return false;  // the platform's own commands
      open_about();
      return true;
    case WM_PAINT:
      paint();
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(icon_.get());
      return true;
  }
  return false;
}

int FaceloreDialog::list_selection(int id) const { return std::max(0, kit::combo_selection(item(id))); }

std::string FaceloreDialog::list_text(int id) const { return kit::combo_selected_text(item(id)); }

// The placeholder, then labels; the first entry is selected.
void FaceloreDialog::fill_list(int id, const std::vector<std::string_view>& labels) {
  HWND list = item(id);
  kit::combo_add(list, kListPlaceholder);
  for (std::string_view label : labels) kit::combo_add(list, label);
  kit::combo_select(list, 0);
}

void FaceloreDialog::on_part_changed() {
  kit::combo_clear(item(IDC_FEATURE_LIST));
  kit::combo_clear(item(IDC_OPTION_LIST));
  part_ = list_selection(IDC_PART_LIST);
  // The option list stays empty, without even its placeholder, until a feature is chosen.
  fill_list(IDC_FEATURE_LIST, feature_labels(part_));
  if (part_ > 0) {
    selection_step_ = kChooseFeature;
    update_prompts();
  } else if (selection_step_ == kComplete) {
    selection_step_ = kChooseOption;
  }
}

void FaceloreDialog::on_feature_changed() {
  kit::combo_clear(item(IDC_OPTION_LIST));
  feature_ = list_selection(IDC_FEATURE_LIST);
  fill_list(IDC_OPTION_LIST, option_labels(part_, feature_));
  if (feature_ > 0) {
    selection_step_ = kChooseOption;
    update_prompts();
  } else if (selection_step_ == kComplete) {
    selection_step_ = kChooseOption;
  }
  // The placeholder loads nothing: the box keeps the definition loaded before.
  load_feature(part_, feature_, current_, texts_);
  kit::set_dlg_item_text(hwnd(), IDC_DEFINITION_BOX, current_.definition);
}

void FaceloreDialog::on_option_changed() {
  option_ = list_selection(IDC_OPTION_LIST);
  if (option_ > 0)
    selection_step_ = kComplete;
  else if (selection_step_ == kComplete)
    selection_step_ = kChooseOption;
}

void FaceloreDialog::update_prompts() {
  int arrow = 0;
  if (selection_step_ == kChooseFeature) arrow = 1;
  if (selection_step_ == kChooseOption) arrow = 2;
  if (arrow == 0) return;
  for (int i = 0; i < static_cast<int>(prompts_.size()); ++i)
    prompts_[static_cast<std::size_t>(i)].set_caption(i == arrow ? kPromptArrow : kPromptBlank);
}

void FaceloreDialog::analyse_pick() {
  const PickAnalysis analysis = facelore::analyse_pick(
      selection_step_, option_, list_text(IDC_FEATURE_LIST), list_text(IDC_OPTION_LIST), current_);
  if (analysis.refused) {
    kit::show_message(hwnd(), kIncompleteSelectionText, kIncompleteSelectionCaption);
    return;
  }
  heading_label_.set_caption(analysis.heading);
  kit::set_dlg_item_text(hwnd(), IDC_CHARACTER_BOX, analysis.character);
  kit::set_dlg_item_text(hwnd(), IDC_ADVICE_BOX, analysis.advice);
  for (std::size_t i = 0; i < result_labels_.size(); ++i) result_labels_[i].set_caption(analysis.result_lines[i]);
}

void FaceloreDialog::open_about() {
  FaceloreAboutDialog about(module_);
  about.run(hwnd());
}

// A failed start is not reported: the button simply does nothing.
void FaceloreDialog::start_installer() { kit::start_program_command(kInstallerCommand, SW_SHOW); }

void FaceloreDialog::paint() {
  if (IsIconic(hwnd())) {
    kit::paint_minimised(hwnd(), icon_.get());
    return;
  }
  kit::paint_skin_background(hwnd(), layout::kBackgroundFile, layout::kClientWidth, layout::kClientHeight);
}

}  // namespace facelore
