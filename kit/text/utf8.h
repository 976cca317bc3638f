// GBK byte strings to UTF-8: the one converter of the project, for what leaves the
// programs as a web page, for the build's checks of the case library and for file names
// made from GBK texts (a path holds any character GBK has not).  What happens
// to a byte or pair that is not a GBK character is the caller's choice.  Platform-free
// interface; Windows converts with code page 936, other hosts with iconv.
#pragma once

#include <filesystem>
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
// The same as a UTF-8 string of its own type, for texts that may hold a file name.
std::u8string gbk_to_u8(std::string_view gbk);

// A file or folder name made from a GBK text (a new decision's name, a case's file).
std::filesystem::path path_from_gbk(std::string_view gbk);

// The bytes of a UTF-8 string of its own type as a plain string, and back.
std::string_view as_bytes(std::u8string_view utf8);
std::u8string_view as_u8(std::string_view utf8);

}  // namespace kit
