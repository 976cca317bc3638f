// GBK to UTF-8 on other hosts (the native test build): iconv from code page 936.
#include <errno.h>
#include <iconv.h>

#include "kit/text/utf8.h"
#include "kit/text/utf8_common.h"

namespace kit {

namespace {

class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-8", "CP936")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) cd_ = iconv_open("UTF-8", "GBK");
  }
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  bool convert(std::string_view gbk, std::string& out, BadGbk bad) {
    out.clear();
    char buffer[256];
    std::size_t pos = 0;
    while (pos < gbk.size()) {
      char* in = const_cast<char*>(gbk.data() + pos);
      std::size_t in_left = gbk.size() - pos;
      char* next = buffer;
      std::size_t out_left = sizeof buffer;
      const std::size_t done = iconv(cd_, &in, &in_left, &next, &out_left);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(next - buffer));
      pos = gbk.size() - in_left;
      if (done != static_cast<std::size_t>(-1) || error == E2BIG) continue;
      // EILSEQ or EINVAL: the character at pos is not GBK.
      if (bad == BadGbk::kRefuse) {
        out.clear();
        return false;
      }
      out += detail::kUtf8Replacement;
      pos += detail::undecodable_length(gbk, pos);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool gbk_to_utf8(std::string_view gbk, std::string& out, BadGbk bad) {
  Converter converter;
  if (!converter.ok()) {
    // No GBK tables on this host: keep ASCII and mark everything else.
    out.clear();
    for (std::size_t pos = 0; pos < gbk.size();) {
      if (static_cast<unsigned char>(gbk[pos]) < 0x80) {
        out += gbk[pos++];
        continue;
      }
      if (bad == BadGbk::kRefuse) {
        out.clear();
        return false;
      }
      out += detail::kUtf8Replacement;
      pos += detail::undecodable_length(gbk, pos);
    }
    return true;
  }
  return converter.convert(gbk, out, bad);
}

std::string gbk_to_utf8(std::string_view gbk) {
  std::string out;
  gbk_to_utf8(gbk, out, BadGbk::kReplace);
  return out;
}

}  // namespace kit
