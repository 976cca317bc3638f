// decision's picture recipes, one file per window (<window>_pictures.cpp): each adds
// its window's files to the set.  decision_set.cpp composes them into set "decision".
// Positions, sizes and file names come from the windows' layout headers under
// decision/, the headers the dialogs place their controls by.
#pragma once

#include "pictures.h"

namespace painter::decision_pictures {

// The main window's background "gr.gr".
void add_main_window(PictureSet& set);

// The About box's background "关于框.bmp".
void add_about_box(PictureSet& set);

// The probability picker's background "可能性.bmp", the value picker's three method
// backgrounds "基于评价.bmp", "基于喜恶.bmp", "基于效用.bmp", and the method switch's
// hover and normal pictures of each method.
void add_pickers(PictureSet& set);

}  // namespace painter::decision_pictures
