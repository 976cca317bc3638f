// The platform-free parts of the UTF-8 edge: UTF-8 of its own type and paths made from
// GBK texts, built on the host's gbk_to_utf8.
#include "kit/text/utf8.h"

namespace kit {

std::u8string gbk_to_u8(std::string_view gbk) { return std::u8string(as_u8(gbk_to_utf8(gbk))); }

std::filesystem::path path_from_gbk(std::string_view gbk) { return std::filesystem::path(gbk_to_u8(gbk)); }

std::string_view as_bytes(std::u8string_view utf8) {
  return {reinterpret_cast<const char*>(utf8.data()), utf8.size()};
}

std::u8string_view as_u8(std::string_view utf8) {
  return {reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()};
}

}  // namespace kit
