// decision's About box: its template, picture and link.
#include "decision/workspace/decision_about_dialog.h"

#include "decision/workspace/decision_about_dialog_layout.h"
#include "decision/res/resource_ids.h"

namespace decision {

namespace {

namespace lay = about_layout;

constexpr kit::PictureLinkBoxLayout kLayout{
    .template_id = IDD_DECISION_ABOUT,
    .background_file = lay::kBackgroundFile,
    .width = lay::kWidth,
    .height = lay::kHeight,
    .placements = lay::kPlacements,
    .link_id = IDC_ABOUT_LINK,
    .link_bitmap = IDB_ABOUT_WEB_ADDRESS,
    .address = lay::kWebAddress,
};

}  // namespace

DecisionAboutDialog::DecisionAboutDialog(HINSTANCE module) : kit::PictureLinkBox(module, kLayout) {}

}  // namespace decision
