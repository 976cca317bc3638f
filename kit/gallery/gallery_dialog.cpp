#include "kit/gallery/gallery_dialog.h"

#include "kit/gallery/gallery_ids.h"
#include "kit/gallery/gallery_layout.h"
#include "kit/geometry.h"
#include "kit/skin_background.h"
#include "kit/text/wide.h"

namespace kit::gallery {

namespace {

constexpr COLORREF kLinkColor = RGB(0x1F, 0x5F, 0xA8);

SkinButton::Setup pictures(WORD hover_id, WORD normal_id) {
  return {.hover_picture = hover_id, .normal_picture = normal_id, .key = kButtonKey};
}

}  // namespace

bool GalleryDialog::on_init_dialog() {
  fit_client_area(hwnd(), kClientWidth, kClientHeight);
  place_controls(hwnd(), kPlacements);

  primary.set_up(hwnd(), IDC_PRIMARY,
                 {.hover_picture = IDB_PRIMARY_HOVER,
                  .normal_picture = IDB_PRIMARY_NORMAL,
                  .key = kButtonKey,
                  .tip = "悬停时换成第二张图片"});
  secondary.set_up(hwnd(), IDC_SECONDARY, pictures(IDB_SECONDARY_HOVER, IDB_SECONDARY_NORMAL));
  disabled.set_up(hwnd(), IDC_DISABLED, pictures(IDB_PRIMARY_HOVER, IDB_PRIMARY_NORMAL));
  captioned.set_up(hwnd(), IDC_CAPTIONED, pictures(IDB_BADGE_HOVER, IDB_BADGE_NORMAL));

  link.bind(hwnd(), IDC_LINK);
  link.set_link_target(kLinkTarget);
  link.set_link_tip(kLinkTarget);

  report.bind(hwnd(), IDC_REPORT);
  fill_report();

  bitmap_edit.bind(hwnd(), IDC_BITMAP_EDIT);
  bitmap_edit.set_edit_background(IDB_EDIT_BOX);
  set_dlg_item_text(hwnd(), IDC_BITMAP_EDIT, "文字写在图片上，\r\n图片始终完整。");

  color_edit.bind(hwnd(), IDC_COLOR_EDIT);
  color_edit.set_edit_colors(kColorEditBack, kColorEditText);
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

bool GalleryDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      paint_skin_background(hwnd(), kBackgroundFile, kClientWidth, kClientHeight);
      return true;
    case WM_CTLCOLORSTATIC:
      // The link is written straight onto the dialog's picture.
      if (reinterpret_cast<HWND>(lparam) == link.hwnd()) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLinkColor);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
      }
      return false;
  }
  return false;
}

}  // namespace kit::gallery
