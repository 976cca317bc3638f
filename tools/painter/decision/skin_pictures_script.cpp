// decision's generated resource script: one `id BITMAP "file"` line for every picture
// the windows' button tables name, so a picture's file name is written once, in its
// window's layout header.  decision.rc includes it from the pictures folder.
#include <map>
#include <string>

#include "decision/guidance/case_library_dialog_layout.h"
#include "decision/guidance/new_decision_dialog_layout.h"
#include "decision/input/big_input_box_layout.h"
#include "decision/input/small_input_box_layout.h"
#include "decision/input/value_picker_layout.h"
#include "decision/wizard/trap_dialog_layout.h"
#include "decision/wizard/trap_panel_layout.h"
#include "decision/wizard/wizard_page_layout.h"
#include "decision/workspace/alternative_panel_layout.h"
#include "decision/workspace/decision_dialog_layout.h"
#include "decision/workspace/ranking_explanation_dialog_layout.h"
#include "decision_pictures.h"
#include "picture_script.h"

namespace painter::decision_pictures {

namespace {

const std::span<const kit::SkinButtonRow> kTables[] = {
    ::decision::main_window_layout::kButtons, ::decision::new_decision_layout::kButtons,
    ::decision::case_library_layout::kButtons, ::decision::trap_dialog_layout::kButtons,
    ::decision::ranking_explanation_layout::kButtons, ::decision::wizard_page_layout::kButtons,
    ::decision::alternative_panel_layout::kButtons, ::decision::trap_panel_layout::kButtons,
    ::decision::small_input_box_layout::kButtons, ::decision::big_input_box_layout::kButtons,
};

const std::span<const kit::SkinPicture> kOthers[] = {::decision::new_decision_layout::kOtherPictures,
                                                     ::decision::wizard_page_layout::kOtherPictures};

}  // namespace

std::span<const std::span<const kit::SkinButtonRow>> button_tables() { return kTables; }

std::map<int, std::string> script_pictures() {
  std::map<int, std::string> pictures = table_pictures(kTables);
  for (auto others : kOthers)
    for (const kit::SkinPicture& picture : others) add_script_picture(pictures, picture);
  // The method switch's pictures change with the method (value_picker_layout.h).
  for (const auto& method : ::decision::value_picker_layout::kMethodPictures) {
    add_script_picture(pictures, {method.switch_hover, method.switch_hover_file});
    add_script_picture(pictures, {method.switch_normal, method.switch_normal_file});
  }
  return pictures;
}

void add_picture_script(PictureSet& set) { set.push_back(picture_script("decision", script_pictures())); }

}  // namespace painter::decision_pictures
