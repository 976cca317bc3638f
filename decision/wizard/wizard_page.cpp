// What every wizard page does alike (see wizard_page.h).
#include "decision/wizard/wizard_page.h"

#include <commctrl.h>

#include <algorithm>

#include "decision/input/small_input_box.h"
#include "decision/wizard/wizard_page_layout.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/list_text.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = wizard_page_layout;

// Every page is its picture's size with the foot buttons of the table; page 1's
// template has no Back, which then stays unbound.
WizardPage::WizardPage(HINSTANCE module, Decision& decision, TrapPanel* traps, int template_id,
                       const char* picture_file, int step)
    : kit::SkinnedDialog(module, {.template_id = template_id,
                                  .background_file = picture_file,
                                  .width = lay::kWidth,
                                  .height = lay::kHeight,
                                  .buttons = lay::kButtons}),
      decision_(decision),
      traps_(traps),
      step_(step) {}

INT_PTR WizardPage::run(HWND owner) {
  move_ = WizardMove::Cancel;
  return kit::SkinnedDialog::run(owner);
}

HWND WizardPage::create(HWND owner) {
  move_ = WizardMove::Cancel;
  return kit::SkinnedDialog::create(owner);
}

// Back and Next open with the pictures of leaving the page; a page that walks through
// alternatives or pairs changes them as it goes.
bool WizardPage::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  set_up_side_area();
  return !on_page_init();
}

// The side area is a tab control with the one tab "决策陷阱"; the trap panel stands in
// its display area, above it, at the same place on every page.
void WizardPage::set_up_side_area() {
  HWND tab = item(IDC_WIZARD_SIDE_TAB);
  if (!tab || !traps_) return;
  kit::place_control(hwnd(), IDC_WIZARD_SIDE_TAB, lay::kSideTab);
  kit::tab_insert(tab, 0, lay::kSideTabTitle);
  if (HWND panel = traps_->create(hwnd())) {
    const kit::PixelRect at = kit::scaled(hwnd(), lay::kTrapPanel);
    SetWindowPos(panel, HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void WizardPage::alert_traps(std::initializer_list<int> traps, TrapPanel::AlertForm form) {
  if (traps_) traps_->alert_traps(traps, form);
}

void WizardPage::leave(WizardMove move) {
  move_ = move;
  end(move == WizardMove::Cancel ? IDCANCEL : IDOK);
}

void WizardPage::show_back_pictures(WORD hover, WORD normal) {
  kit::SkinButton* back = button(IDC_WIZARD_BACK);
  if (back && back->hwnd()) back->load_state_images(hover, lay::kButtonKey.colorref(), normal, lay::kButtonKey.colorref());
}

void WizardPage::show_next_pictures(WORD hover, WORD normal) {
  button(IDC_WIZARD_NEXT)->load_state_images(hover, lay::kButtonKey.colorref(), normal, lay::kButtonKey.colorref());
}

bool WizardPage::ask_text(int id, std::string_view preset, std::string& typed) {
  RECT field{};
  GetWindowRect(item(id), &field);
  SmallInputBox box(module());
  box.x = field.left;
  box.y = field.top;
  box.text = preset == kPlaceholderText ? std::string() : std::string(preset);
  if (box.run(hwnd()) != IDOK) return false;
  typed = box.text;
  return true;
}

void WizardPage::paint_page(HDC dc) {
  kit::draw_picture_file(dc, frame().background_file, 0, 0, lay::kWidth, lay::kHeight, kit::window_dpi(hwnd()));
}

void WizardPage::on_paint() {
  const kit::SkinPaint paint(hwnd());
  paint_page(paint.dc());
}

void WizardPage::paint_blank_rows(HDC dc, const wizard_page_layout::RowBand& rows, int count) {
  if (count >= wizard_page_layout::kRowCount) return;
  const kit::PixelRect strip = rows.blank_strip(count);
  kit::draw_picture_resource(dc, module(), IDB_WIZARD_BLANK_ROWS, strip.x, strip.y, strip.w, strip.h,
                             kit::window_dpi(hwnd()));
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
  kit::invalidate_place(hwnd(), rows.blank_strip(std::min(old_count, new_count)));
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
  return kit::SkinnedDialog::on_command(id, code, control);
}

}  // namespace decision
