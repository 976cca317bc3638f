// The trap panel (see trap_panel.h).
#include "decision/wizard/trap_panel.h"

#include "decision/wizard/trap_dialog.h"
#include "decision/wizard/trap_panel_layout.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "kit/timer.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = trap_panel_layout;

namespace {


}  // namespace

TrapPanel::TrapPanel(HINSTANCE module) : module_(module) { load_texts(); }

HWND TrapPanel::create(HWND parent) {
  HWND window = create_modeless(module_, IDD_TRAP_PANEL, parent);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

// Each trap's stored text divides into the heading and the body the trap dialog shows
// (split_trap_text).
void TrapPanel::load_texts() {
  for (int n = 1; n <= kTrapCount; ++n) {
    TrapText text = split_trap_text(kit::load_string_resource(module_, IDS_TRAP_1 + n - 1));
    heading_[n] = std::move(text.heading);
    body_[n] = std::move(text.body);
  }
}

// A panel made again while a run goes on (its earlier window went with its page)
// takes the run up where it was: the marked buttons are hidden when the last tick
// hid them, and the timer starts again.
bool TrapPanel::on_init_dialog() {
  const kit::PixelRect size = kit::scale_size(lay::kWidth, lay::kHeight, kit::window_dpi(hwnd()));
  SetWindowPos(hwnd(), nullptr, 0, 0, size.w, size.h, SWP_NOZORDER | SWP_NOACTIVATE);
  set_up_buttons();
  if (running_) {
    show_marked_buttons(tick_ != 2 && tick_ != 4);
    kit::start_timer(hwnd(), IDT_TRAP_BLINK, kBlinkPeriodMilliseconds);
  }
  return false;  // the page keeps its focus
}

// Each button's name is its trap's, which its picture shows.
void TrapPanel::set_up_buttons() {
  kit::set_up_skin_buttons(hwnd(), lay::kButtons, std::span(buttons_));
  for (int i = 0; i < kTrapCount; ++i) buttons_[i].set_name(trap(lay::trap_of_button(IDC_TRAP_BUTTON_1 + i)).name);
}

void TrapPanel::alert_traps(std::initializer_list<int> traps, AlertForm form) {
  if (running_) return;
  if (form == AlertForm::Replace)
    for (bool& mark : blink_) mark = false;
  for (int n : traps)
    if (n >= 1 && n <= kTrapCount) blink_[n] = true;
  running_ = true;
  tick_ = 1;
  if (hwnd()) kit::start_timer(hwnd(), IDT_TRAP_BLINK, kBlinkPeriodMilliseconds);
}

void TrapPanel::show_marked_buttons(bool shown) {
  for (int i = 0; i < kTrapCount; ++i)
    if (blink_[lay::trap_of_button(IDC_TRAP_BUTTON_1 + i)] && buttons_[i].hwnd())
      ShowWindow(buttons_[i].hwnd(), shown ? SW_SHOWNA : SW_HIDE);
}

// Ticks 1 and 3 hide the marked buttons, 2 and 4 show them again, 5 ends the run.
void TrapPanel::on_blink_tick() {
  if (!running_) return;
  if (tick_ >= 1 && tick_ <= 4) show_marked_buttons(tick_ % 2 == 0);
  if (tick_ >= kBlinkTicks) {
    kit::stop_timer(hwnd(), IDT_TRAP_BLINK);
    show_marked_buttons(true);
    tick_ = 0;
    running_ = false;
  }
  ++tick_;
}

void TrapPanel::on_trap_clicked(int button_id) {
  const int n = lay::trap_of_button(button_id);
  TrapDialog dialog(module_, heading_[n], body_[n]);
  dialog.run(GetAncestor(hwnd(), GA_ROOT));
}

bool TrapPanel::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_TRAP_BUTTON_1:
    case IDC_TRAP_BUTTON_2:
    case IDC_TRAP_BUTTON_3:
    case IDC_TRAP_BUTTON_4:
    case IDC_TRAP_BUTTON_5:
    case IDC_TRAP_BUTTON_6:
    case IDC_TRAP_BUTTON_7:
    case IDC_TRAP_BUTTON_8:
    case IDC_TRAP_BUTTON_9:
    case IDC_TRAP_BUTTON_10:
      if (code == BN_CLICKED) on_trap_clicked(id);
      return true;
    case IDOK:
    case IDCANCEL:
      return true;  // Enter and Esc belong to the page, never end the panel
  }
  return kit::Dialog::on_command(id, code, control);
}

bool TrapPanel::on_message(UINT message, WPARAM wparam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      kit::paint_skin_background(hwnd(), lay::kBackgroundFile, lay::kWidth, lay::kHeight);
      return true;
    case WM_TIMER:
      if (wparam != IDT_TRAP_BLINK) return false;
      on_blink_tick();
      result = 0;
      return true;
  }
  return false;
}

void TrapPanel::on_destroy() { kit::stop_timer(hwnd(), IDT_TRAP_BLINK); }

}  // namespace decision
