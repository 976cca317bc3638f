// The About box of facelore: the picture "about.ggr" with the maker's web address as a
// link on it.  A click anywhere the link does not take closes it.
#pragma once

#include <windows.h>

#include "kit/picture_link_box.h"

namespace facelore {

class FaceloreAboutDialog : public kit::PictureLinkBox {
 public:
  // module holds the template and the link's picture (the program itself).
  explicit FaceloreAboutDialog(HINSTANCE module);
};

}  // namespace facelore
