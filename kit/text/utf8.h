// GBK byte strings to UTF-8, for what leaves the programs as a web page.  A byte or pair
// that is not a GBK character does not stop the conversion: it becomes U+FFFD and the
// text goes on.  Platform-free interface; Windows converts with code page 936, other
// hosts with iconv.
#pragma once

#include <string>
#include <string_view>

namespace kit {

std::string gbk_to_utf8(std::string_view gbk);

}  // namespace kit
