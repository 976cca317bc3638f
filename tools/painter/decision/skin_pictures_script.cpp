// decision's generated resource script: one `id BITMAP "file"` line (and its scaled
// forms) for every picture compiled into the program: those the windows' button tables
// name, so a picture's file name is written once, in its window's layout header, and the
// boxes' and bands' pictures listed here.  decision.rc includes it from the pictures folder.
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
#include "decision/workspace/decision_about_dialog_layout.h"
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

// The pictures no button table names: the cells, summaries, hints, text boxes and bands.
constexpr kit::SkinPicture kBoxPictures[] = {
    {IDB_CELL_PLAIN, "cell_plain.bmp"},
    {IDB_CELL_WORST, "cell_worst.bmp"},
    {IDB_CELL_BEST, "cell_best.bmp"},
    {IDB_RECORD_SUMMARY, "record_summary.bmp"},
    {IDB_BACKGROUND_SUMMARY, "background_summary.bmp"},
    {IDB_SEVERAL_BEST_HINT, "several_best_hint.bmp"},
    {IDB_TOO_CLOSE_HINT, "too_close_hint.bmp"},
    {IDB_ABOUT_WEB_ADDRESS, ::decision::about_layout::kLinkPictureFile},
    {IDB_EXPLANATION_SENTENCES, "explanation_sentences.bmp"},
    {IDB_EXPLANATION_WEIGHTIEST, "explanation_weightiest.bmp"},
    {IDB_SMALL_INPUT_TEXT, "small_input_text.bmp"},
    {IDB_BIG_INPUT_TEXT, "big_input_text.bmp"},
    {IDB_TRAP_BODY, "trap_body.bmp"},
    {IDB_TRAP_HEADING, "trap_heading.bmp"},
    {IDB_PANEL_BLANK_ROWS, "panel_blank_rows.bmp"},
    {IDB_WIZARD_BLANK_ROWS, "wizard_blank_rows.bmp"},
};

}  // namespace

std::span<const std::span<const kit::SkinButtonRow>> button_tables() { return kTables; }

std::map<int, std::string> script_pictures() {
  std::map<int, std::string> pictures = table_pictures(kTables);
  for (auto others : kOthers)
    for (const kit::SkinPicture& picture : others) add_script_picture(pictures, picture);
  for (const kit::SkinPicture& picture : kBoxPictures) add_script_picture(pictures, picture);
  // The method switch's pictures change with the method (value_picker_layout.h).
  for (const auto& method : ::decision::value_picker_layout::kMethodPictures) {
    add_script_picture(pictures, {method.switch_hover, method.switch_hover_file});
    add_script_picture(pictures, {method.switch_normal, method.switch_normal_file});
  }
  return pictures;
}

void add_picture_script(PictureSet& set) { set.push_back(picture_script("decision", script_pictures())); }

}  // namespace painter::decision_pictures
