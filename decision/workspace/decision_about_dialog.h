// decision's About box: the picture "关于框.bmp" with the product's web address on it as
// a link.  A click on the link opens the address and leaves the box open; a click
// anywhere else on the box closes it.
#pragma once

#include <windows.h>

#include "kit/picture_link_box.h"

namespace decision {

class DecisionAboutDialog : public kit::PictureLinkBox {
 public:
  // module holds the template and the link's picture (the program itself).
  explicit DecisionAboutDialog(HINSTANCE module);
};

}  // namespace decision
