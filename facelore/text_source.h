// Where the catalogue's long texts come from.  The program reads them from its own
// string resources; tests hand in their own texts.
#pragma once

#include <string>

namespace facelore {

class TextSource {
 public:
  virtual ~TextSource() = default;

  // The text with this resource id as GBK bytes; an id without a text gives "".
  virtual std::string load_text(int id) const = 0;
};

}  // namespace facelore
