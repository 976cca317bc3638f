// decision's About box: the background "关于框.bmp" with the product's name, a line on
// what it does, and the web address where the link control sits.  Places and the file
// name come from decision/workspace/about_dialog_layout.h.
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/workspace/about_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::about_layout;
using detail::utf8;

constexpr int kBand = 88;    // the navy heading band
constexpr int kInset = 28;   // left edge of the words
constexpr int kCloseSize = 20;

// The address as the link shows it: without the scheme and the closing slash.
std::string shown_address() {
  std::string_view address = lay::kWebAddress;
  constexpr std::string_view kScheme = "http://";
  if (address.starts_with(kScheme)) address.remove_prefix(kScheme.size());
  if (address.ends_with('/')) address.remove_suffix(1);
  return std::string(address);
}

Image paint_about() {
  Canvas c(lay::kWidth, lay::kHeight);
  c.fill(style::kCanvas);
  c.fill_rect({0, 0, lay::kWidth, kBand}, style::kNavy);
  const int name_width = c.text(utf8(u8"择优宝"), style::kBrand, style::kWhite,
                                {kInset, 16, 200, 42}, Align::Start, Align::Centre);
  c.text("V1.2", style::kLabel, style::kSkyBlue, {kInset + name_width + 10, 30, 80, 24},
         Align::Start, Align::Centre);
  c.text(utf8(u8"决策好帮手"), style::kSmall, style::kSkyBlue, {kInset, 58, 200, 20},
         Align::Start, Align::Centre);
  // A click anywhere closes the box; the cross says so where one looks for it.
  close_button(c, {lay::kWidth - 12 - kCloseSize, 12, kCloseSize, kCloseSize});

  const int body_width = lay::kWidth - 2 * kInset;
  c.text(utf8(u8"列出方案，权衡得失，择优而行。"), style::kLabel, style::kInk,
         {kInset, kBand + 16, body_width, 22}, Align::Start, Align::Centre);
  c.text(utf8(u8"评价、喜恶与效用，三种方法任选。"), style::kSmall, style::kSlate,
         {kInset, kBand + 40, body_width, 20}, Align::Start, Align::Centre);
  c.fill_rect({kInset, lay::kLink.y - 10, body_width, 1}, style::kGrey82);

  // The link's picture will be cut from here, so it shows the address in place.
  c.text(shown_address(), style::kLabel, style::kBlue, box_of(lay::kLink), Align::Centre,
         Align::Centre, true);
  c.text(utf8(u8"点击任意处关闭"), style::kSmall, style::kSlate,
         {0, lay::kLink.bottom() + 12, lay::kWidth, 20}, Align::Centre);
  c.frame({0, 0, lay::kWidth, lay::kHeight}, style::kNavy);
  return c.to_image();
}

}  // namespace

void add_about_box(PictureSet& set) {
  set.push_back({lay::kBackgroundFile, encode_bmp(paint_about())});
}

}  // namespace painter::decision_pictures
