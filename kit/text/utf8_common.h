// What both conversions to UTF-8 share: the replacement character and how far one
// undecodable GBK character reaches.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "kit/text/gbk.h"

namespace kit::detail {

// U+FFFD, the replacement character, in UTF-8.
inline constexpr char kUtf8Replacement[] = "\xEF\xBF\xBD";

constexpr bool is_gbk_trail_byte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// How many bytes one undecodable character at text[pos] takes: a lead byte with a
// possible trail byte after it is one unknown pair; anything else is one byte, so an
// ASCII byte after a stray lead byte is still read as itself.
inline std::size_t undecodable_length(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && is_gbk_lead_byte(static_cast<unsigned char>(text[pos])) &&
      is_gbk_trail_byte(static_cast<unsigned char>(text[pos + 1])))
    return 2;
  return 1;
}

}  // namespace kit::detail
