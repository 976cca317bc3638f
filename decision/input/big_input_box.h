// The large input box: where the decision's background and execution record are typed,
// opened at the lower-left corner of the summary being edited.  The opener sets the
// point and the whole text, runs it and takes the text on IDOK:
//
//   BigInputBox box(module);
//   box.x = summary.left;  box.y = summary.bottom;  box.text = background;
//   if (box.run(owner) == IDOK) background = box.text;
#pragma once

#include <windows.h>

#include <string>

#include "decision/input/text_input_box.h"

namespace decision {

class BigInputBox : public TextInputBox {
 public:
  explicit BigInputBox(HINSTANCE module);

  // Runs the box over owner at the lower-left corner of box (a control) with text:
  // true and the typed text on OK.
  static bool edit_below(HINSTANCE module, HWND owner, HWND box, std::string& text);
};

}  // namespace decision
