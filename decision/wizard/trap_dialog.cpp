// The trap dialog (see trap_dialog.h).
#include "decision/wizard/trap_dialog.h"

#include <utility>

#include "decision/wizard/trap_dialog_layout.h"
#include "kit/font.h"
#include "kit/text/wide.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace lay = trap_dialog_layout;

TrapDialog::TrapDialog(HINSTANCE module, std::string heading, std::string body)
    : kit::SkinnedDialog(module, lay::kFrame), heading_(std::move(heading)), body_(std::move(body)) {}

bool TrapDialog::on_init_dialog() {
  kit::SkinnedDialog::on_init_dialog();
  set_up_heading();
  set_up_body();
  SetFocus(item(IDC_TRAP_OK));
  return false;  // the focus is set: Enter presses OK, and no text is selected
}

// The frame's own, then both boxes in fonts of the new DPI.
void TrapDialog::lay_out_at_dpi() {
  kit::SkinnedDialog::lay_out_at_dpi();
  kit::UniqueFont heading = kit::make_font(hwnd(), kit::kSongFace, lay::kHeadingFontHeight, FW_BOLD);
  kit::UniqueFont body = kit::make_font(hwnd(), kit::kSongFace, lay::kBodyFontHeight);
  kit::set_font(heading_box_.hwnd(), heading.get());
  kit::set_font(body_box_.hwnd(), body.get());
  heading_box_.lay_out();
  body_box_.lay_out();
  heading_font_ = std::move(heading);
  body_font_ = std::move(body);
}

// The question is one line in a larger bold face, centred in the box's height.
void TrapDialog::set_up_heading() {
  heading_box_.bind(hwnd(), IDC_TRAP_HEADING);
  heading_box_.set_edit_background(IDB_TRAP_HEADING);
  heading_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kHeadingFontHeight, FW_BOLD);
  kit::set_font(heading_box_.hwnd(), heading_font_.get());
  heading_box_.inset_text(lay::kHeadingMargin, (lay::kHeading.h - lay::kHeadingFontHeight) / 2);
  kit::set_window_text(heading_box_.hwnd(), heading_);
}

// The explanation reads in a face a little larger than the dialog's; a long one shows
// the slim scroll bar inside the box's frame.
void TrapDialog::set_up_body() {
  body_box_.bind(hwnd(), IDC_TRAP_BODY);
  body_box_.set_edit_background(IDB_TRAP_BODY);
  body_font_ = kit::make_font(hwnd(), kit::kSongFace, lay::kBodyFontHeight);
  kit::set_font(body_box_.hwnd(), body_font_.get());
  body_box_.inset_text(lay::kBodyMargin, lay::kBodyTop);
  body_box_.show_scroll_bar_when_needed();
  kit::set_window_text(body_box_.hwnd(), body_);
}

}  // namespace decision
