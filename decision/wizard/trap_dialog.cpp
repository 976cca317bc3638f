// The trap dialog (see trap_dialog.h).
#include "decision/wizard/trap_dialog.h"

#include <utility>

#include "decision/wizard/trap_dialog_layout.h"
#include "kit/font.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = trap_dialog_layout;

namespace {

constexpr char kOkTip[] = "知道了";
constexpr char kCloseTip[] = "关闭";

}  // namespace

TrapDialog::TrapDialog(HINSTANCE module, std::string heading, std::string body)
    : module_(module), heading_(std::move(heading)), body_(std::move(body)) {}

INT_PTR TrapDialog::run(HWND owner) { return run_modal(module_, IDD_TRAP_DIALOG, owner); }

bool TrapDialog::on_init_dialog() {
  kit::fit_client_area(hwnd(), lay::kWidth, lay::kHeight);
  kit::centre_over_owner(hwnd());
  kit::place_controls(hwnd(), lay::kPlacements);
  set_up_buttons();
  set_up_heading();
  set_up_body();
  SetFocus(ok_button_.hwnd());
  return false;  // the focus is set: Enter presses OK, and no text is selected
}

void TrapDialog::set_up_buttons() {
  ok_button_.set_up(hwnd(), IDC_TRAP_OK,
                    {.place = lay::kOkButton, .hover_picture = IDB_OK_HOVER, .normal_picture = IDB_OK_NORMAL,
                     .key = lay::kButtonKey, .tip = kOkTip});
  close_button_.set_up(hwnd(), IDC_TRAP_CLOSE,
                       {.place = lay::kCloseButton, .hover_picture = IDB_CLOSE_HOVER,
                        .normal_picture = IDB_CLOSE_NORMAL, .key = lay::kCloseKey, .tip = kCloseTip});
}

// The question is one line in a larger bold face, centred in the box's height.
void TrapDialog::set_up_heading() {
  heading_box_.bind(hwnd(), IDC_TRAP_HEADING);
  heading_box_.set_edit_background(IDB_TRAP_HEADING);
  heading_font_ = kit::make_font(kit::kSongFace, lay::kHeadingFontHeight, FW_BOLD);
  kit::set_font(heading_box_.hwnd(), heading_font_.get());
  heading_box_.inset_text(lay::kHeadingMargin, (lay::kHeading.h - lay::kHeadingFontHeight) / 2);
  kit::set_window_text(heading_box_.hwnd(), heading_);
}

// The explanation reads in a face a little larger than the dialog's; a long one shows
// the slim scroll bar inside the box's frame.
void TrapDialog::set_up_body() {
  body_box_.bind(hwnd(), IDC_TRAP_BODY);
  body_box_.set_edit_background(IDB_TRAP_BODY);
  body_font_ = kit::make_font(kit::kSongFace, lay::kBodyFontHeight);
  kit::set_font(body_box_.hwnd(), body_font_.get());
  body_box_.inset_text(lay::kBodyMargin, lay::kBodyTop);
  body_box_.show_scroll_bar_when_needed();
  kit::set_window_text(body_box_.hwnd(), body_);
}

void TrapDialog::on_ok_clicked() { end(IDOK); }

bool TrapDialog::on_command(int id, int code, HWND control) {
  switch (id) {
    case IDC_TRAP_OK:
    case IDC_TRAP_CLOSE:  // acts as OK
      on_ok_clicked();
      return true;
  }
  return kit::Dialog::on_command(id, code, control);
}

bool TrapDialog::on_message(UINT message, WPARAM, LPARAM lparam, LRESULT&) {
  switch (message) {
    case WM_PAINT:
      kit::paint_skin_background(hwnd(), lay::kBackgroundFile, lay::kWidth, lay::kHeight);
      return true;
    case WM_LBUTTONDOWN:
      kit::drag_by_background(hwnd(), lparam);
      return true;
  }
  return false;
}

}  // namespace decision
