// The small input box: where a short text (an alternative's name, a result's text) is
// typed, opened right over the field that was clicked.  The opener sets the point and
// the preset text, runs it and takes the text on IDOK:
//
//   SmallInputBox box(module);
//   box.x = field.left;  box.y = field.top;  box.text = preset;
//   if (box.run(owner) == IDOK) use(box.text);
#pragma once

#include <windows.h>

#include "decision/input/text_input_box.h"

namespace decision {

class SmallInputBox : public TextInputBox {
 public:
  explicit SmallInputBox(HINSTANCE module);
};

}  // namespace decision
