// decision's new-decision chooser: the background "新建决策.bmp" with the three ways of
// starting, the two pictures that describe the blank and the case way over its band
// ("空白决策.bmp", "决策案例.bmp"; the background's own band describes the wizard), the
// option pictures and the OK and Cancel pairs, which other dialogs use as well.  Places
// and file names come from decision/guidance/new_decision_dialog_layout.h.
#include <string>
#include <string_view>

#include "canvas.h"
#include "decision/guidance/new_decision_dialog_layout.h"
#include "decision_pictures.h"
#include "elements.h"
#include "style.h"

namespace painter::decision_pictures {

namespace {

namespace lay = decision::new_decision_layout;
using detail::utf8;

constexpr int kTitleBand = 44;      // the navy band with the window's title
constexpr int kBottomBand = lay::kDescription.bottom();  // the grey band with OK and Cancel
constexpr int kTextX = 32;          // left edge of the description's words
constexpr int kArtX = 430;          // left edge of the description's illustration

struct WayOfStarting {
  std::u8string_view name;
  std::u8string_view hint;
};

// The rows of the option buttons, in their order.
constexpr WayOfStarting kWays[] = {
    {u8"空白决策", u8"从一张白纸开始，自己列出 2 至 9 个方案"},
    {u8"决策案例", u8"打开案例库里的实例，看别人怎样权衡"},
    {u8"决策向导", u8"分四步引导你完成决策，并提醒常见的陷阱"},
};

// A description of one way of starting, filling the band: a heading, three lines and
// room at the right for an illustration.  The window's frame runs down both sides.
void description_ground(Canvas& c, std::u8string_view heading, std::u8string_view tag,
                        const std::u8string_view (&lines)[3]) {
  const Box all{0, 0, c.width(), c.height()};
  c.fill_rect(all, style::kIceBlue);
  c.fill_rect({0, 0, all.w, 1}, style::kMistBlue);
  c.fill_rect({0, all.h - 1, all.w, 1}, style::kMistBlue);
  const int heading_width =
      c.text(utf8(heading), style::kTitle, style::kNavy, {kTextX, 24, 200, 30}, Align::Start, Align::Centre);
  const Box tag_box{kTextX + heading_width + 12, 30, c.text_width(utf8(tag), style::kSmall) + 16, 20};
  c.fill_rounded(tag_box, 4, style::kDeepBlue);
  c.text(utf8(tag), style::kSmall, style::kWhite, tag_box, Align::Centre, Align::Centre);
  for (int i = 0; i < 3; ++i)
    c.text(utf8(lines[i]), style::kLabel, i == 0 ? style::kInk : style::kSlate,
           {kTextX, 74 + i * 30, kArtX - kTextX - style::kMargin, 24}, Align::Start, Align::Centre);
  c.fill_rect({0, 0, 1, all.h}, style::kNavy);
  c.fill_rect({all.w - 1, 0, 1, all.h}, style::kNavy);
}

// A small card of the illustrations: paper in a thin frame with a word.
void small_card(Canvas& c, Box b, std::u8string_view word, Rgb ink) {
  c.fill_rounded(b, 4, style::kWhite);
  c.outline_rounded(b, 4, style::kFrameBlue);
  c.text(utf8(word), style::kSmall, ink, b, Align::Centre, Align::Centre);
}

// Blank: a row of empty alternative cards, each with its lines still to fill.
void blank_art(Canvas& c) {
  constexpr int kCards = 3;
  constexpr int kCardW = 72, kCardH = 110, kPitch = 84;
  for (int i = 0; i < kCards; ++i) {
    const Box card{kArtX + i * kPitch, 52, kCardW, kCardH};
    c.fill_rounded(card, 6, style::kWhite);
    c.outline_rounded(card, 6, style::kFrameBlue);
    c.text(std::string(utf8(u8"方案 ")) + std::to_string(i + 1), style::kTab, style::kNavy,
           {card.x, card.y + 8, card.w, 18}, Align::Centre);
    for (int k = 0; k < 3; ++k) c.fill_rect({card.x + 12, card.y + 40 + k * 20, card.w - 24, 1}, style::kGrey82);
  }
  c.text(utf8(u8"……"), style::kLabel, style::kSlate, {kArtX + kCards * kPitch, 92, 40, 30});
}

// Case: a small stack of worked cases, the top one open at its title.
void case_art(Canvas& c) {
  constexpr Box kTop{kArtX + 20, 70, 220, 96};
  for (int i = 2; i >= 1; --i) {
    const Box under{kTop.x + i * 10, kTop.y - i * 12, kTop.w, kTop.h};
    c.fill_rounded(under, 6, i == 2 ? style::kMistBlue : style::kSkyBlue);
  }
  c.fill_rounded(kTop, 6, style::kWhite);
  c.outline_rounded(kTop, 6, style::kFrameBlue);
  c.fill_rounded({kTop.x, kTop.y, kTop.w, 24}, 6, style::kNavy);
  c.fill_rect({kTop.x, kTop.y + 18, kTop.w, 6}, style::kNavy);
  c.text(utf8(u8"案例：换工作还是留下"), style::kTab, style::kWhite, {kTop.x + 10, kTop.y, kTop.w - 20, 24});
  const std::u8string_view rows[] = {u8"方案一  跳槽到新公司", u8"方案二  留在原单位", u8"总效益值  已算好"};
  for (int i = 0; i < 3; ++i)
    c.text(utf8(rows[i]), style::kSmall, i == 2 ? style::kBlue : style::kInk,
           {kTop.x + 12, kTop.y + 30 + i * 20, kTop.w - 24, 20});
}

// Wizard: four numbered steps joined by a line.
void wizard_art(Canvas& c) {
  const std::u8string_view steps[] = {u8"背景", u8"方案", u8"结果", u8"评价"};
  constexpr int kPitch = 66;
  constexpr int kCy = 100;
  c.line(kArtX + 30, kCy, kArtX + 30 + 3 * kPitch, kCy, 2, style::kSkyBlue);
  for (int i = 0; i < 4; ++i) {
    const double cx = kArtX + 30 + i * kPitch;
    // The first step is where the wizard opens: filled; the others are rings.
    c.fill_circle(cx, kCy, 20, style::kDeepBlue);
    if (i != 0) c.fill_circle(cx, kCy, 18, style::kWhite);
    c.text(std::to_string(i + 1), style::kTitle, i == 0 ? style::kWhite : style::kNavy,
           {static_cast<int>(cx) - 20, kCy - 20, 40, 40}, Align::Centre, Align::Centre);
    small_card(c, {static_cast<int>(cx) - 28, kCy + 30, 56, 24}, steps[i], style::kNavy);
  }
}

Image paint_blank_description() {
  Canvas c(lay::kDescription.w, lay::kDescription.h);
  const std::u8string_view lines[] = {u8"新建一个空白决策，含所选个数的方案。",
                                      u8"单击方案格子，逐项写下可能的结果，",
                                      u8"再为每个结果点选可能性与效益值。"};
  description_ground(c, u8"空白决策", u8"自己动手", lines);
  blank_art(c);
  return c.to_image();
}

Image paint_case_description() {
  Canvas c(lay::kDescription.w, lay::kDescription.h);
  const std::u8string_view lines[] = {u8"从案例库中挑选一个真实的决策实例打开，",
                                      u8"看别人怎样列方案、估可能性、定效益值，",
                                      u8"也可以在案例上修改，变成自己的决策。"};
  description_ground(c, u8"决策案例", u8"借鉴实例", lines);
  case_art(c);
  return c.to_image();
}

// The wizard's description, which the background carries in its own band.
Image paint_wizard_description() {
  Canvas c(lay::kDescription.w, lay::kDescription.h);
  const std::u8string_view lines[] = {u8"四个步骤，一步一步引导你完成决策：",
                                      u8"写下背景，列出方案，设想结果，",
                                      u8"估计可能性与效益值；一路提示决策陷阱。"};
  description_ground(c, u8"决策向导", u8"逐步引导", lines);
  wizard_art(c);
  return c.to_image();
}

// Lays part over into with its top-left corner at the 100 % point x, y.
void paste(Image& into, const Image& part, int x, int y) {
  const int left = scaled_edge(into.place.x, x, into.place.scale);
  const int top = scaled_edge(into.place.y, y, into.place.scale);
  for (int row = 0; row < part.height; ++row)
    for (int col = 0; col < part.width; ++col) into.at(left + col, top + row) = part.at(col, row);
}

void option_row(Canvas& c, const lay::Rect& option, const WayOfStarting& way) {
  const int middle = option.y + option.h / 2;
  const int name_width = c.text(utf8(way.name), style::kButton, style::kNavy,
                                {lay::kOptionLabelX, middle - 12, 120, 24}, Align::Start, Align::Centre);
  c.text(utf8(way.hint), style::kLabel, style::kSlate,
         {lay::kOptionLabelX + name_width + 16, middle - 12, 330, 24}, Align::Start, Align::Centre);
}

Image paint_background() {
  Canvas c(lay::kWidth, lay::kHeight);
  c.fill(style::kWhite);
  c.fill_rect({0, 0, lay::kWidth, kTitleBand}, style::kNavy);
  const int title_width =
      c.text(utf8(u8"新建决策"), style::kTitle, style::kWhite, {24, 0, 200, kTitleBand}, Align::Start, Align::Centre);
  c.text(utf8(u8"选择一种开始的方式"), style::kSmall, style::kSkyBlue,
         {24 + title_width + 14, 4, 240, kTitleBand - 4}, Align::Start, Align::Centre);

  option_row(c, lay::kBlankOption, kWays[0]);
  option_row(c, lay::kCaseOption, kWays[1]);
  option_row(c, lay::kWizardOption, kWays[2]);
  // The number of alternatives, on the blank decision's row.
  const lay::Rect& count = lay::kCountList;
  c.text(utf8(u8"方案个数"), style::kLabel, style::kInk, {count.x - 90, count.y, 82, lay::kCountBoxHeight},
         Align::End, Align::Centre);
  slot(c, {count.x - 2, count.y - 2, count.w + 4, lay::kCountBoxHeight + 4});

  const int heading_y = lay::kWizardOption.bottom() + 20;
  section_heading(c, {kTextX, heading_y, lay::kWidth - 2 * kTextX, 18}, u8"说明");

  c.fill_rect({0, kBottomBand, lay::kWidth, lay::kHeight - kBottomBand}, style::kCloud);
  c.text(utf8(u8"确定后，按所选的方式开始一个新的决策。"), style::kSmall, style::kSlate,
         {lay::kCancelButton.right() + 30, lay::kOkButton.y, 400, lay::kOkButton.h}, Align::Start, Align::Centre);
  c.frame({0, 0, lay::kWidth, lay::kHeight}, style::kNavy);
  Image background = c.to_image();
  paste(background, paint_wizard_description(), lay::kDescription.x, lay::kDescription.y);
  return background;
}

// An option: a ring, filled with a dot when its way is chosen; white around it is the
// key, so the window's ground shows through.
Image paint_option(const Image& background, bool selected) {
  const lay::Rect& r = lay::kBlankOption;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kButtonKey, [&](Canvas& c) {
    const double centre = r.w / 2.0;
    c.fill_circle(centre, centre, 7, selected ? style::kDeepBlue : style::kFrameBlue);
    c.fill_circle(centre, centre, 5.6, style::kWhite);
    if (selected) c.fill_circle(centre, centre, 3.6, style::kDeepBlue);
  });
}

// The OK button: deep blue, lighter under the pointer.  Its word is the lightest blue,
// not white: white is the key and would let the ground show through the letters.
Image paint_ok(const Image& background, bool hover) {
  const lay::Rect& r = lay::kOkButton;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kButtonKey, [&](Canvas& c) {
    primary_button_face(c, u8"确定", style::kButton, hover);
  });
}

// The Cancel button: a framed light face, bluer under the pointer.
Image paint_cancel(const Image& background, bool hover) {
  const lay::Rect& r = lay::kCancelButton;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kButtonKey, [&](Canvas& c) {
    secondary_button_face(c, u8"取消", style::kButton, hover);
  });
}

}  // namespace

void add_new_decision(PictureSet& set) {
  const Image background = paint_background();
  set.push_back({lay::kBackgroundFile, encode_bmp(background)});
  set.push_back({lay::kBlankDescriptionFile, encode_bmp(paint_blank_description())});
  set.push_back({lay::kCaseDescriptionFile, encode_bmp(paint_case_description())});
  namespace shared = ::decision::shared_pictures;
  set.push_back({lay::kOptionOff.file, encode_bmp(paint_option(background, false))});
  set.push_back({lay::kOptionOn.file, encode_bmp(paint_option(background, true))});
  set.push_back({shared::kOkNormal.file, encode_bmp(paint_ok(background, false))});
  set.push_back({shared::kOkHover.file, encode_bmp(paint_ok(background, true))});
  set.push_back({shared::kCancelNormal.file, encode_bmp(paint_cancel(background, false))});
  set.push_back({shared::kCancelHover.file, encode_bmp(paint_cancel(background, true))});
}

}  // namespace painter::decision_pictures
