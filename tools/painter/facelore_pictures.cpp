// facelore's pictures: the main window's background and About box (files beside the
// program), and the bitmaps, cursor and icon compiled into it.  Every position comes
// from facelore/layout.h, the header the dialogs place their controls by; the buttons'
// picture files and ids come from its button table, which the set's resource script names.
#include <cairo.h>

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "canvas.h"
#include "elements.h"
#include "facelore/layout.h"
#include "picture_script.h"
#include "pictures.h"
#include "style.h"

namespace painter {

namespace {

namespace lay = facelore::layout;
using detail::u8_of;
using detail::utf8;

const std::span<const kit::SkinButtonRow> kButtonTables[] = {lay::kButtons};

// The compiled-in pictures no button table names: the three text boxes and the link.
constexpr kit::SkinPicture kBoxPictures[] = {
    {IDB_ADVICE_BOX, "advice_box.bmp"},
    {IDB_DEFINITION_BOX, "definition_box.bmp"},
    {IDB_CHARACTER_BOX, "character_box.bmp"},
    {IDB_WEB_ADDRESS, "web_address.bmp"},
};

std::map<int, std::string> script_pictures() {
  std::map<int, std::string> pictures = table_pictures(kButtonTables);
  for (const kit::SkinPicture& picture : kBoxPictures) add_script_picture(pictures, picture);
  return pictures;
}

// The two columns of the main window, as cards on the window ground.
constexpr Box kLeftCard{8, 64, 284, 424};
constexpr Box kRightCard{356, 12, 398, 476};
constexpr int kBandTop = 500;  // the bottom band with the installer and the hot areas
constexpr int kRowBandPadding = 5;

void card(Canvas& c, Box b) {
  c.fill_rounded(b, style::kCorner + 2, style::kGrey82);
  c.fill_rounded({b.x + 1, b.y + 1, b.w - 2, b.h - 2}, style::kCorner + 1, style::kWhite);
}

void choice_row(Canvas& c, const lay::Rect& prompt, const lay::Rect& list) {
  // One band around the prompt and the closed list field, centred on the field.
  const int top = prompt.y + (lay::kListFieldHeight - lay::kChoiceRowHeight) / 2;
  const Box band{prompt.x - kRowBandPadding, top,
                 list.right() + kRowBandPadding - (prompt.x - kRowBandPadding),
                 lay::kChoiceRowHeight};
  c.fill_rounded(band, style::kCorner, style::kIceBlue);
  c.outline_rounded(band, style::kCorner, style::kMistBlue);
}

Image paint_main_background() {
  Canvas c(lay::kClientWidth, lay::kClientHeight);
  c.fill(style::kCanvas);
  c.fill_rect({0, 0, lay::kClientWidth, 4}, style::kNavy);

  // The program's name over the left column.
  const Box brand{kLeftCard.x + 12, 14, 160, 48};
  const int brand_width =
      c.text(utf8(u8"相缘通"), style::kBrand, style::kNavy, brand, Align::Start, Align::Centre);
  c.text(utf8(u8"面相缘分分析"), style::kSmall, style::kSlate,
         {brand.x + brand_width + 12, brand.y + 20, 140, 24}, Align::Start, Align::Centre);

  // Left card: the three choices, the definition, the analysis button.
  card(c, kLeftCard);
  choice_row(c, lay::kPartPrompt, lay::kPartList);
  choice_row(c, lay::kFeaturePrompt, lay::kFeatureList);
  choice_row(c, lay::kOptionPrompt, lay::kOptionList);
  boxed_heading(c, box_of(lay::kDefinitionBox), u8"特点定义");
  const lay::Rect& button = lay::kAnalyseButton;
  const Box hint{lay::kDefinitionBox.x, button.bottom() + 14, lay::kDefinitionBox.w, 20};
  c.text(utf8(u8"依次选择部位、特征和选项，"), style::kSmall, style::kSlate, hint, Align::Centre);
  c.text(utf8(u8"再点击“开始分析”查看解读。"), style::kSmall, style::kSlate,
         {hint.x, hint.y + hint.h, hint.w, hint.h}, Align::Centre);

  // Right card: the heading strip, the two readings, the four result slots.
  card(c, kRightCard);
  const lay::Rect& heading = lay::kHeadingLabel;
  c.text(utf8(u8"分析结果"), style::kTitle, style::kNavy, {heading.x, 20, heading.w, 32},
         Align::Start, Align::Centre);
  c.fill_rounded(box_of(heading), style::kCorner, style::kMistBlue);
  boxed_heading(c, box_of(lay::kCharacterBox), u8"性格解读");
  boxed_heading(c, box_of(lay::kAdviceBox), u8"恋爱建议");
  const lay::Rect& first = lay::kResultLabels[0];
  section_heading(c, {first.x, first.y - 26, lay::kAdviceBox.w, 20}, u8"指数变化");
  for (const lay::Rect& r : lay::kResultLabels) slot(c, box_of(r));

  // Bottom band: the installer button's place and the two hot areas.
  c.fill_rect({0, kBandTop, lay::kClientWidth, lay::kClientHeight - kBandTop}, style::kCloud);
  c.fill_rect({0, kBandTop, lay::kClientWidth, 1}, style::kGrey82);
  flat_word_button(c, box_of(lay::kAboutHotArea), u8_of(lay::kAboutRow.name));
  flat_word_button(c, box_of(lay::kCloseHotArea), u8_of(lay::kCloseRow.name));
  return c.to_image();
}

Image paint_analyse_button(const Image& background, bool hover) {
  const lay::Rect& r = lay::kAnalyseRow.place;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kAnalyseRow.key,
                       [&](Canvas& c) {
                         button_face(c, hover ? style::kBlue : style::kDeepBlue, style::kWhite,
                                     u8_of(lay::kAnalyseRow.name), style::kButton);
                       });
}

// A small download mark: a ring with an arrow into a tray.
void install_mark(Canvas& c, double cx, double cy, Rgb colour) {
  c.fill_circle(cx, cy, 13, colour);
  const Rgb ink = style::kDeepBlue;
  c.line(cx, cy - 7, cx, cy + 3, 2.2, ink);
  c.line(cx - 4.5, cy - 1.5, cx, cy + 3, 2.2, ink);
  c.line(cx + 4.5, cy - 1.5, cx, cy + 3, 2.2, ink);
  c.line(cx - 6, cy + 7, cx + 6, cy + 7, 2.2, ink);
}

Image paint_installer_button(const Image& background, bool hover) {
  const lay::Rect& r = lay::kInstallerRow.place;
  return keyed_picture(crop(background, r.x, r.y, r.w, r.h), lay::kInstallerRow.key,
                       [&](Canvas& c) {
                         const Box all{0, 0, c.width(), c.height()};
                         c.fill_rounded(all, style::kButtonCorner,
                                        hover ? style::kBlue : style::kDeepBlue);
                         const int mark_x = 30;
                         install_mark(c, mark_x, all.h / 2.0, hover ? style::kWhite : style::kMistBlue);
                         const Box words{mark_x + 24, 7, all.w - mark_x - 32, 22};
                         c.text(utf8(u8_of(lay::kInstallerRow.name)), {17, true}, style::kWhite, words);
                         c.text(utf8(u8"决策好帮手 · 免费安装"), style::kSmall, style::kSkyBlue,
                                {words.x, 28, words.w, 18});
                       });
}

// A text box's own picture: plain paper with a hairline border and, low in the right
// corner, a faint word of the box's subject; the text written over it is black.  The
// box brings its border along, so the background draws none around it.
Image paint_text_box(const lay::Rect& r, std::u8string_view subject) {
  Canvas c(r.w, r.h);
  c.fill(style::kPaper);
  c.frame({0, 0, r.w, r.h}, style::kFrameBlue);
  c.text(utf8(subject), {28, true}, style::kIceBlue, {0, 0, r.w - 12, r.h - 8}, Align::End,
         Align::End);
  return c.to_image();
}

Image paint_about() {
  return about_card(lay::kAboutWidth, lay::kAboutHeight,
                    {u8"相缘通", "V3.2", u8"面相缘分分析", u8"看面相，识缘分。", u8"分析结果仅供娱乐参考。",
                     lay::kMakerWebAddress, box_of(lay::kAboutLink)});
}

// The pointer over the clickable areas: a white hand with a black outline, the index
// finger up; the hotspot is the tip of that finger.
MonoCursor paint_hand_cursor() {
  constexpr int kSize = 32;
  const PaintingScale unscaled(1);  // the system sizes pointers itself
  Canvas c(kSize, kSize, true);
  c.set_crisp(true);
  const Rgb any = style::kInk;
  c.fill_rounded({9, 1, 6, 17}, 3, any);    // index finger
  c.fill_rounded({14, 8, 6, 11}, 3, any);   // middle finger
  c.fill_rounded({19, 9, 5, 10}, 2.5, any);  // ring finger
  c.fill_rounded({23, 11, 5, 9}, 2.5, any);  // little finger
  c.fill_rounded({9, 13, 19, 14}, 4, any);  // palm
  c.fill_rect({11, 24, 15, 6}, any);        // wrist
  c.line(4.5, 16.5, 10.5, 23.5, 5, any);    // thumb
  const RgbaImage shape = c.to_rgba_image();

  MonoCursor cursor{kSize, kSize, 0, 0, {}};
  cursor.pixels.assign(kSize * kSize, CursorPixel::Transparent);
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize && shape.at(x, y).a != 0;
  };
  auto at = [&](int x, int y) -> CursorPixel& { return cursor.pixels[y * kSize + x]; };
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                        !inside(x, y + 1) || y == kSize - 1;
      at(x, y) = edge ? CursorPixel::Black : CursorPixel::White;
    }
  }
  // Creases between the folded fingers, down to where they meet the palm.
  for (const auto& [x, top, bottom] : std::array<std::array<int, 3>, 3>{
           {{14, 9, 15}, {19, 10, 15}, {23, 12, 16}}}) {
    for (int y = top; y <= bottom; ++y) {
      if (inside(x, y)) at(x, y) = CursorPixel::Black;
    }
  }
  // The hotspot: the middle of the topmost row of the hand, the fingertip.
  for (int y = 0; y < kSize; ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < kSize; ++x) {
      if (inside(x, y)) {
        if (first < 0) first = x;
        last = x;
      }
    }
    if (first >= 0) {
      cursor.hotspot_x = (first + last) / 2;
      cursor.hotspot_y = y;
      break;
    }
  }
  return cursor;
}

// The program icon: a deep-blue rounded square with the character 缘 in white.
RgbaImage paint_icon(int size) {
  const PaintingScale unscaled(1);  // an icon comes in its own sizes at every scale
  Canvas c(size, size, true);
  const double corner = size * 0.22;
  c.fill_rounded({0, 0, size, size}, corner, style::kDeepBlue);
  // Small sizes drop the bold: its strokes would run together.
  constexpr int kBoldFrom = 24;
  const style::Font glyph{size < kBoldFrom ? size * 0.8 : size * 0.72, size >= kBoldFrom};
  c.text(utf8(u8"缘"), glyph, style::kWhite, {0, 0, size, size}, Align::Centre, Align::Centre);
  return c.to_rgba_image();
}

}  // namespace

PictureSet paint_facelore() {
  const Image background = paint_main_background();
  const Image about = paint_about();
  const lay::Rect& link = lay::kAboutLink;
  const std::array<RgbaImage, 3> icons{paint_icon(16), paint_icon(32), paint_icon(48)};

  return {
      {lay::kBackgroundFile, encode_bmp(background)},
      {lay::kAboutFile, encode_bmp(about)},
      {"advice_box.bmp", encode_bmp(paint_text_box(lay::kAdviceBox, u8"建议"))},
      {"definition_box.bmp", encode_bmp(paint_text_box(lay::kDefinitionBox, u8"定义"))},
      {"character_box.bmp", encode_bmp(paint_text_box(lay::kCharacterBox, u8"性格"))},
      {lay::kAnalyseRow.normal.file, encode_bmp(paint_analyse_button(background, false))},
      {lay::kAnalyseRow.hover.file, encode_bmp(paint_analyse_button(background, true))},
      {"web_address.bmp", encode_bmp(crop(about, link.x, link.y, link.w, link.h))},
      {lay::kInstallerRow.normal.file, encode_bmp(paint_installer_button(background, false))},
      {lay::kInstallerRow.hover.file, encode_bmp(paint_installer_button(background, true))},
      {"hand.cur", encode_cur(paint_hand_cursor())},
      {"facelore.ico", encode_ico(icons)},
      picture_script("facelore", script_pictures()),
  };
}

}  // namespace painter
