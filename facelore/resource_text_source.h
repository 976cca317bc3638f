// The catalogue's long texts as the program carries them: string resources of a
// module, read through the GBK edge.
#pragma once

#include <windows.h>

#include <string>

#include "kit/text/wide.h"
#include "facelore/text_source.h"

namespace facelore {

class ResourceTextSource : public TextSource {
 public:
  explicit ResourceTextSource(HINSTANCE module) : module_(module) {}

  std::string load_text(int id) const override {
    return kit::load_string_resource(module_, static_cast<UINT>(id));
  }

 private:
  HINSTANCE module_;
};

}  // namespace facelore
