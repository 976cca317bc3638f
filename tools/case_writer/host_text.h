// Text conversion on the build host, for the case writer and its test: the case sources
// are UTF-8, the cases inside the program are GBK.  The one place that knows how the
// host converts (iconv on Linux, the Win32 code page 936 on an MSYS2 host).
#pragma once

#include <string>
#include <string_view>

namespace case_writer {

// Converts UTF-8 to GBK.  False when the text is not valid UTF-8 or holds a character
// GBK has no code for (out is then empty); nothing is replaced or dropped silently.
bool utf8_to_gbk(std::string_view utf8, std::string& out);

// Converts GBK to UTF-8, with the same refusal for bytes that are not GBK.
bool gbk_to_utf8(std::string_view gbk, std::string& out);

}  // namespace case_writer
