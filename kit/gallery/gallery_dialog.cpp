#include "gallery_dialog.h"

#include "gallery_ids.h"
#include "gallery_layout.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"

namespace kit::gallery {

namespace {

// The colours the decision program gives its coloured edits: a pale blue ground with
// dark teal text.
constexpr int kEditBack[3] = {239, 244, 250};
constexpr int kEditText[3] = {0, 80, 80};
constexpr COLORREF kLinkColor = RGB(0x1F, 0x5F, 0xA8);

void place(HWND dialog, int id, const Rect& r) { move_control(dialog, id, r.x, r.y, r.w, r.h); }

}  // namespace

void GalleryDialog::skin_button(SkinButton& button, int id, const Rect& r, WORD hover_id, WORD normal_id) {
  button.bind(hwnd(), id);
  button.enable_hover_border(false, true);
  button.show_parent_through(true);
  place(hwnd(), id, r);
  button.load_state_images(hover_id, kButtonKey.colorref(), normal_id, kButtonKey.colorref());
}

bool GalleryDialog::on_init_dialog() {
  fit_client_area(hwnd(), kClientWidth, kClientHeight);

  skin_button(primary, IDC_PRIMARY, kPrimaryButton, IDB_PRIMARY_HOVER, IDB_PRIMARY_NORMAL);
  primary.set_tip_text("悬停时换成第二张图片", true);
  skin_button(secondary, IDC_SECONDARY, kSecondaryButton, IDB_SECONDARY_HOVER, IDB_SECONDARY_NORMAL);
  skin_button(disabled, IDC_DISABLED, kDisabledButton, IDB_PRIMARY_HOVER, IDB_PRIMARY_NORMAL);
  skin_button(captioned, IDC_CAPTIONED, kCaptionButton, IDB_BADGE_HOVER, IDB_BADGE_NORMAL);

  link.bind(hwnd(), IDC_LINK);
  place(hwnd(), IDC_LINK, kLink);
  link.set_link_target(kLinkTarget);
  link.set_link_tip(kLinkTarget);

  report.bind(hwnd(), IDC_REPORT);
  place(hwnd(), IDC_REPORT, kReportList);
  fill_report();

  bitmap_edit.bind(hwnd(), IDC_BITMAP_EDIT);
  place(hwnd(), IDC_BITMAP_EDIT, kBitmapEdit);
  bitmap_edit.set_edit_background(IDB_EDIT_BOX);
  set_dlg_item_text(hwnd(), IDC_BITMAP_EDIT, "文字写在图片上，\r\n图片始终完整。");

  color_edit.bind(hwnd(), IDC_COLOR_EDIT);
  place(hwnd(), IDC_COLOR_EDIT, kColorEdit);
  color_edit.set_edit_colors(kEditBack[0], kEditBack[1], kEditBack[2], kEditText[0], kEditText[1], kEditText[2]);
  set_dlg_item_text(hwnd(), IDC_COLOR_EDIT, "自带底色与文字颜色的编辑框");
  return true;
}

void GalleryDialog::fill_report() {
  report.define_columns("序号,48;案例标题,190");
  report.append_row({"1", "跳槽还是留下"});
  report.append_row({"2", "买房还是租房"});
  report.append_row({"3", "读研或是工作"});
  report.append_row({"4", ""});
  ListView_SetItemState(report.hwnd(), 1, LVIS_SELECTED, LVIS_SELECTED);
}

bool GalleryDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      paint_skin_background(hwnd(), kBackgroundFile, kClientWidth, kClientHeight);
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      // The link is written straight onto the dialog's picture.
      if (reinterpret_cast<HWND>(lparam) == link.hwnd()) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLinkColor);
        result = reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        return true;
      }
      return false;
  }
  return false;
}

}  // namespace kit::gallery
