// The kit gallery: one dialog that shows every kit control over a painted background,
// in the places gallery_layout.h gives them.  It serves as a living sample of the kit
// and as the subject of pixel checks and screenshots.
#pragma once

#include "kit/gallery/gallery_layout.h"
#include "kit/bitmap_edit.h"
#include "kit/color_edit.h"
#include "kit/dialog.h"
#include "kit/hyperlink_static.h"
#include "kit/report_list_ctrl.h"
#include "kit/skin_button.h"

namespace kit::gallery {

// The link's target: an address under a reserved domain, so nothing real is opened.
inline constexpr char kLinkTarget[] = "http://www.kit.example/";

class GalleryDialog : public Dialog {
 public:
  SkinButton primary;
  SkinButton secondary;
  SkinButton disabled;
  SkinButton captioned;
  HyperlinkStatic link;
  ReportListCtrl report;
  BitmapEdit bitmap_edit;
  ColorEdit color_edit;

 protected:
  bool on_init_dialog() override;
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void fill_report();
};

}  // namespace kit::gallery
