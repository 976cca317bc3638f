// The large input box: where the decision's background and execution record are typed,
// opened at the lower-left corner of the summary being edited.  The opener sets the
// point and the whole text, runs it and takes the text on IDOK:
//
//   BigInputBox box(module);
//   box.x = summary.left;  box.y = summary.bottom;  box.text = background;
//   if (box.run(owner) == IDOK) background = box.text;
#pragma once

#include <windows.h>

#include "decision/input/text_input_box.h"

namespace decision {

class BigInputBox : public TextInputBox {
 public:
  explicit BigInputBox(HINSTANCE module);
};

}  // namespace decision
