// decision's picture recipes, one file per window (<window>_pictures.cpp): each adds
// its window's files to the set.  decision_set.cpp composes them into set "decision".
// Positions, sizes and file names come from the windows' layout headers under
// decision/, the headers the dialogs place their controls by.
#pragma once

#include <map>
#include <span>
#include <string>

#include "kit/pixel_layout.h"
#include "picture_script.h"
#include "pictures.h"

namespace painter::decision_pictures {

// The main window's background "gr.gr" and the bitmaps compiled into the program that
// sit on it (add_main_window_bitmaps, given that very background).
void add_main_window(PictureSet& set);
// The command column's buttons, the grid cells' and summaries' backgrounds, the add,
// delete and wizard buttons and the two hints.
void add_main_window_bitmaps(PictureSet& set, const Image& background);

// The About box's background "关于框.bmp" and its link's picture, cut from it.
void add_about_box(PictureSet& set);

// The main window's animated logo "logo_1.bmp" … "logo_7.bmp", the program icon
// kIconFile and the icon of decision files kDocumentIconFile (16, 32 and 48 pixels
// each), which res/decision.rc compiles in.
inline constexpr char kIconFile[] = "decision.ico";
inline constexpr char kDocumentIconFile[] = "decision_document.ico";
void add_logo(PictureSet& set);

// The probability picker's background "可能性.bmp", the value picker's three method
// backgrounds "基于评价.bmp", "基于喜恶.bmp", "基于效用.bmp", and the method switch's
// hover and normal pictures of each method.
void add_pickers(PictureSet& set);

// The small input box's background "小输入框.bmp" and its text box's picture.
void add_small_input_box(PictureSet& set);

// The large input box's background "大输入框.bmp" and its text box's picture.
void add_big_input_box(PictureSet& set);

// The save / don't-save pictures both input boxes show.
void add_input_box_buttons(PictureSet& set);

// The new-decision chooser: "新建决策.bmp", "空白决策.bmp", "决策案例.bmp", the option
// pictures and the OK and Cancel pairs.
void add_new_decision(PictureSet& set);

// The case library: "选择案例.bmp", the close and the more-cases buttons.
void add_case_library(PictureSet& set);

// The alternative panel: "方案内容1.bmp", "方案内容2.bmp", the blank band over unused
// rows and the add and delete buttons.
void add_alternative_panel(PictureSet& set);

// The trap panel's background "陷阱.bmp" and its buttons' pictures, the trap dialog's
// background "决策陷阱内容.bmp" and its two boxes' pictures.
void add_traps(PictureSet& set);

// The four wizard pages "决策向导第1步.bmp" … "决策向导第4步.bmp", the Back, Next and
// Finish pictures and the blank band over unused rows.
void add_wizard(PictureSet& set);

// The ranking explanation dialog's background "为何如此排名.bmp" and its two text boxes'
// pictures.
void add_ranking_explanation(PictureSet& set);

// The resource script of every picture the windows' button tables (and their lists of
// other compiled-in pictures) name, "skin_pictures.rc", which res/decision.rc includes.
using painter::kPictureScript;
void add_picture_script(PictureSet& set);
// The button tables it is written from, and the pictures it names: id to file.
std::span<const std::span<const kit::SkinButtonRow>> button_tables();
std::map<int, std::string> script_pictures();

}  // namespace painter::decision_pictures
