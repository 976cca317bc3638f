// GBK byte strings: the text encoding of both programs, inside and in files.
// A double-byte character is a lead byte 0x81..0xFE followed by one trail byte;
// everything else is one byte.  These helpers never split such a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kit {

constexpr bool is_gbk_lead_byte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Length in bytes of the character that starts at text[pos] (1 or 2).  A lead byte
// at the very end of the text counts as one byte.
std::size_t gbk_char_length(std::string_view text, std::size_t pos);

// The longest prefix of text of at most limit bytes that ends on a character boundary.
std::string_view gbk_cut(std::string_view text, std::size_t limit);

// First occurrence of needle at or after from that starts on a character boundary.
// from must itself be a character boundary (0, or a position this function or
// gbk_char_length led to).  Returns std::string_view::npos when there is none.
std::size_t gbk_find(std::string_view text, std::string_view needle, std::size_t from = 0);

// text with every CR and LF byte removed (a CR or LF byte is never a trail byte of
// a character that matters here: trail bytes start at 0x40).
std::string gbk_strip_line_breaks(std::string_view text);

// The file name part of a GBK path: what follows its last backslash, slash or colon
// (a trail byte that equals one of them is not taken for it).
std::string_view bare_file_name(std::string_view path);

}  // namespace kit
