// facelore's About box: its template, picture and link.
#include "facelore/facelore_about_dialog.h"

#include "facelore/layout.h"
#include "facelore/res/resource_ids.h"

namespace facelore {

namespace {

constexpr kit::PictureLinkBoxLayout kLayout{
    .template_id = IDD_FACELORE_ABOUT,
    .background_file = layout::kAboutFile,
    .width = layout::kAboutWidth,
    .height = layout::kAboutHeight,
    .placements = layout::kAboutPlacements,
    .link_id = IDC_WEB_LINK,
    .link_bitmap = IDB_WEB_ADDRESS,
    .address = layout::kMakerWebAddress,
};

}  // namespace

FaceloreAboutDialog::FaceloreAboutDialog(HINSTANCE module) : kit::PictureLinkBox(module, kLayout) {}

}  // namespace facelore
