// What every wizard page does alike (see wizard_page.h).
#include "decision/wizard/wizard_page.h"

#include <commctrl.h>

#include <algorithm>

#include "decision/input/small_input_box.h"
#include "decision/wizard/wizard_page_layout.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_page_layout;

namespace {

constexpr char kBackTip[] = "回到上一步";
constexpr char kNextTip[] = "继续下一步";
constexpr char kCancelTip[] = "放弃向导，不做任何改动";

}  // namespace

WizardPage::WizardPage(HINSTANCE module, Decision& decision, TrapPanel* traps, int template_id,
                       const char* picture_file, int step)
    : module_(module),
      decision_(decision),
      traps_(traps),
      template_id_(template_id),
      picture_file_(picture_file),
      step_(step) {}

INT_PTR WizardPage::run(HWND owner) {
  move_ = WizardMove::Cancel;
  return run_modal(module_, template_id_, owner);
}

HWND WizardPage::create(HWND owner) {
  move_ = WizardMove::Cancel;
  HWND window = create_modeless(module_, template_id_, owner);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

bool WizardPage::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::centre_over_owner(hwnd());
  set_up_foot_buttons();
  set_up_side_area();
  return !on_page_init();
}

// Back and Next open with the pictures of leaving the page; a page that walks through
// alternatives or pairs changes them as it goes.
void WizardPage::set_up_foot_buttons() {
  if (item(IDC_WIZARD_BACK))
    back_button_.set_up(hwnd(), IDC_WIZARD_BACK,
                        {.place = lay::kBackButton, .hover_picture = IDB_WIZARD_BACK_PAGE_HOVER,
                         .normal_picture = IDB_WIZARD_BACK_PAGE, .key = lay::kButtonKey, .tip = kBackTip});
  next_button_.set_up(hwnd(), IDC_WIZARD_NEXT,
                      {.place = lay::kNextButton, .hover_picture = IDB_WIZARD_NEXT_PAGE_HOVER,
                       .normal_picture = IDB_WIZARD_NEXT_PAGE, .key = lay::kButtonKey, .tip = kNextTip});
  cancel_button_.set_up(hwnd(), IDC_WIZARD_CANCEL,
                        {.place = lay::kCancelButton, .hover_picture = IDB_CANCEL_HOVER,
                         .normal_picture = IDB_CANCEL_NORMAL, .key = lay::kButtonKey, .tip = kCancelTip});
}

// The side area is a tab control with the one tab "决策陷阱"; the trap panel stands in
// its display area, above it, at the same place on every page.
void WizardPage::set_up_side_area() {
  HWND tab = item(IDC_WIZARD_SIDE_TAB);
  if (!tab || !traps_) return;
  kit::place_control(hwnd(), IDC_WIZARD_SIDE_TAB, lay::kSideTab);
  kit::tab_insert(tab, 0, lay::kSideTabTitle);
  if (HWND panel = traps_->create(hwnd()))
    SetWindowPos(panel, HWND_TOP, lay::kTrapPanel.x, lay::kTrapPanel.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void WizardPage::alert_traps(std::initializer_list<int> traps, TrapPanel::AlertForm form) {
  if (traps_) traps_->alert_traps(traps, form);
}

void WizardPage::leave(WizardMove move) {
  move_ = move;
  end(move == WizardMove::Cancel ? IDCANCEL : IDOK);
}

void WizardPage::show_back_pictures(WORD hover, WORD normal) {
  if (back_button_.hwnd()) back_button_.load_state_images(hover, lay::kButtonKey.colorref(), normal,
                                                          lay::kButtonKey.colorref());
}

void WizardPage::show_next_pictures(WORD hover, WORD normal) {
  next_button_.load_state_images(hover, lay::kButtonKey.colorref(), normal, lay::kButtonKey.colorref());
}

bool WizardPage::ask_text(int id, std::string_view preset, std::string& typed) {
  RECT field{};
  GetWindowRect(item(id), &field);
  SmallInputBox box(module_);
  box.x = field.left;
  box.y = field.top;
  box.text = preset == kPlaceholderText ? std::string() : std::string(preset);
  if (box.run(hwnd()) != IDOK) return false;
  typed = box.text;
  return true;
}

void WizardPage::paint_page(HDC dc) { kit::draw_picture_file(dc, picture_file_, 0, 0, lay::kWidth, lay::kHeight); }

void WizardPage::on_paint() {
  const kit::SkinPaint paint(hwnd());
  paint_page(paint.dc());
}

void WizardPage::paint_blank_rows(HDC dc, const wizard_page_layout::RowBand& rows, int count) {
  if (count >= wizard_page_layout::kRowCount) return;
  const kit::PixelRect strip = rows.blank_strip(count);
  kit::draw_picture_resource(dc, module_, IDB_WIZARD_BLANK_ROWS, strip.x, strip.y, strip.w, strip.h);
}

void WizardPage::show_text_rows(int first_id, int first, int last, const RowText& text_of) {
  for (int k = first; k <= last; ++k) {
    HWND row = item(first_id + k - 1);
    kit::set_window_text(row, text_of(k));
    ShowWindow(row, SW_SHOWNA);
  }
  for (int k = last + 1; k <= wizard_page_layout::kRowCount; ++k) ShowWindow(item(first_id + k - 1), SW_HIDE);
}

void WizardPage::change_row_count(const wizard_page_layout::RowBand& rows, int first_id, int old_count,
                                  int new_count, const RowText& text_of) {
  if (new_count == old_count) return;
  // Growing, the rows come back from the page picture; shrinking, every row is shown again.
  show_text_rows(first_id, new_count > old_count ? old_count : 1, new_count, text_of);
  const kit::PixelRect band = rows.blank_strip(std::min(old_count, new_count));
  const RECT area{band.x, band.y, band.right(), band.bottom()};
  InvalidateRect(hwnd(), &area, FALSE);
}

void WizardPage::edit_row_text(int id, std::string& text) {
  SetFocus(item(IDC_WIZARD_NEXT));
  std::string typed;
  if (!ask_text(id, text, typed)) return;
  text = typed;
  kit::set_dlg_item_text(hwnd(), id, typed);
}

bool WizardPage::on_command(int id, int code, HWND control) {
  if (on_page_command(id, code)) return true;
  switch (id) {
    case IDC_WIZARD_NEXT:
      if (code == BN_CLICKED) on_next_clicked();
      return true;
    case IDC_WIZARD_BACK:
      if (code == BN_CLICKED) on_back_clicked();
      return true;
    case IDC_WIZARD_CANCEL:  // the Cancel button and Escape
      leave(WizardMove::Cancel);
      return true;
    case IDOK:  // Enter presses the default button, Next; nothing else ends a page
      return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool WizardPage::on_message(UINT message, WPARAM, LPARAM lparam, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      on_paint();
      return true;
    case WM_LBUTTONDOWN:
      kit::drag_by_background(hwnd(), lparam);
      return true;
  }
  return false;
}

}  // namespace decision
