// Picture set "decision": the recipes of decision's windows, in one list.  A new
// window's recipe is a new <window>_pictures.cpp beside this file, one line here, and
// its files in decision/res/pictures.cmake.
#include "decision_pictures.h"

namespace painter {

namespace {

using AddWindowPictures = void (*)(PictureSet&);

constexpr AddWindowPictures kWindows[] = {
    decision_pictures::add_main_window,
    decision_pictures::add_about_box,
    decision_pictures::add_logo,
    decision_pictures::add_pickers,
    decision_pictures::add_small_input_box,
    decision_pictures::add_big_input_box,
    decision_pictures::add_input_box_buttons,
    decision_pictures::add_new_decision,
    decision_pictures::add_case_library,
    decision_pictures::add_alternative_panel,
    decision_pictures::add_traps,
    decision_pictures::add_wizard,
    decision_pictures::add_ranking_explanation,
    decision_pictures::add_picture_script,
};

}  // namespace

PictureSet paint_decision() {
  PictureSet set;
  for (AddWindowPictures add : kWindows) add(set);
  return set;
}

}  // namespace painter
