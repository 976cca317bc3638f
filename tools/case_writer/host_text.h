// Text conversion on the build host, for the case writer: the case sources are UTF-8,
// the cases inside the program are GBK (the way back is kit::gbk_to_utf8).  The one place that knows how the
// host converts (iconv on Linux, the Win32 code page 936 on an MSYS2 host).
#pragma once

#include <string>
#include <string_view>

namespace case_writer {

// Converts UTF-8 to GBK.  False when the text is not valid UTF-8 or holds a character
// GBK has no code for (out is then empty); nothing is replaced or dropped silently.
bool utf8_to_gbk(std::string_view utf8, std::string& out);

}  // namespace case_writer
