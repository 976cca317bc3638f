// GBK byte strings to UTF-8: the one converter of the project, for what leaves the
// programs as a web page and for the build's checks of the case library.  What happens
// to a byte or pair that is not a GBK character is the caller's choice.  Platform-free
// interface; Windows converts with code page 936, other hosts with iconv.
#pragma once

#include <string>
#include <string_view>

namespace kit {

enum class BadGbk {
  kReplace,  // it becomes U+FFFD and the text goes on (a page still shows the rest)
  kRefuse,   // the conversion fails (a text the build made must be sound)
};

// Converts gbk into out.  False only under kRefuse, when gbk holds a byte that is not
// GBK; out is then empty.
bool gbk_to_utf8(std::string_view gbk, std::string& out, BadGbk bad);

// The conversion under kReplace.
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace kit
