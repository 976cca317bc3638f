// facelore's pictures as the build writes them: formats and exact sizes, key colours
// that mask cleanly, and backgrounds that fit the places the dialogs put controls at.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "facelore/layout.h"
#include "picture_checks.h"
#include "picture_files.h"
#include "picture_script.h"
#include "pictures.h"

namespace painter {
namespace {

namespace lay = facelore::layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "facelore";

struct Expected {
  const char* name;
  int width;
  int height;
};

// The sizes the program's resources and blits are made for.
constexpr Expected kBitmaps[] = {
    {"gr.bmp", 794, 570},         {"about.ggr", 350, 230},
    {"advice_box.bmp", 370, 118}, {"definition_box.bmp", 260, 145},
    {"character_box.bmp", 370, 118}, {"analyse_normal.bmp", 131, 35},
    {"analyse_hover.bmp", 131, 35},  {"web_address.bmp", 210, 19},
    {"install_normal.bmp", 222, 52}, {"install_hover.bmp", 222, 52},
};

Image painted(const char* name) {
  Image image;
  EXPECT_TRUE(load_painted_bmp(kSet, name, image));
  return image;
}

testing::Bytes painted_bytes(const char* name) {
  const auto bytes = testing::read_bytes(std::filesystem::path(PAINTED_DIR) / kSet / name);
  EXPECT_TRUE(bytes) << name << " is missing";
  return bytes.value_or(testing::Bytes{});
}

TEST(FaceloreFiles, TheBuildWroteEveryFileOfTheSetAsPainted) {
  const PictureSet set = paint_facelore();
  std::vector<std::string> names;
  for (const PictureFile& file : set) {
    names.push_back(file.name);
    EXPECT_EQ(painted_bytes(file.name.c_str()), file.bytes) << file.name;
  }
  std::vector<std::string> expected;
  for (const Expected& e : kBitmaps) expected.emplace_back(e.name);
  expected.emplace_back("hand.cur");
  expected.emplace_back("facelore.ico");
  expected.emplace_back(kPictureScript);
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}

TEST(FaceloreFiles, PaintingAgainGivesTheSameBytes) {
  const PictureSet first = paint_facelore();
  const PictureSet second = paint_facelore();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].name, second[i].name);
    EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].name;
  }
}

TEST(FaceloreFiles, BitmapsAreUncompressed24BitOfTheirExactSize) {
  for (const Expected& e : kBitmaps) {
    Image image;
    ASSERT_TRUE(load_painted_bmp(kSet, e.name, image));
    EXPECT_EQ(image.width, e.width) << e.name;
    EXPECT_EQ(image.height, e.height) << e.name;
  }
}

// Every picture of the button table is painted at its button's size, masks cleanly on
// the row's key, differs under the pointer, and is named by the resource script.
TEST(FaceloreButtonTable, PicturesFitTheirButtonsMaskOnTheirKeysAndAreScripted) {
  const testing::Bytes script_bytes = painted_bytes(kPictureScript);
  const std::string script(script_bytes.begin(), script_bytes.end());
  for (const kit::SkinButtonRow& row : lay::kButtons) {
    if (row.hover.id == 0) continue;
    const Image hover = painted(row.hover.file);
    const Image normal = painted(row.normal.file);
    for (const Image* image : {&hover, &normal}) {
      EXPECT_EQ(image->width, row.place.w) << row.id;
      EXPECT_EQ(image->height, row.place.h) << row.id;
      EXPECT_TRUE(testing::is_keyed_button(*image, row.key)) << row.id;
    }
    EXPECT_NE(normal.pixels, hover.pixels) << row.id;
    for (const kit::SkinPicture& picture : {row.hover, row.normal}) {
      const std::string line = std::to_string(picture.id) + " BITMAP \"" + picture.file + "\"\n";
      EXPECT_NE(script.find(line), std::string::npos) << line;
    }
  }
}

// The placement and button tables the dialogs place their controls by: every rectangle lies on the
// picture that frames it (a list's rectangle holds its dropped-down height).
TEST(FaceloreLayout, EveryPlacedControlLiesOnItsWindowsPicture) {
  for (const kit::Placement& p : lay::kMainPlacements) {
    EXPECT_TRUE(p.rect.x >= 0 && p.rect.y >= 0 && !p.rect.empty()) << p.id;
    EXPECT_LE(p.rect.right(), lay::kClientWidth) << p.id;
    EXPECT_LE(p.rect.bottom(), lay::kClientHeight) << p.id;
  }
  for (const kit::SkinButtonRow& b : lay::kButtons) {
    EXPECT_TRUE(b.place.x >= 0 && b.place.y >= 0 && !b.place.empty()) << b.id;
    EXPECT_LE(b.place.right(), lay::kClientWidth) << b.id;
    EXPECT_LE(b.place.bottom(), lay::kClientHeight) << b.id;
  }
  for (const kit::Placement& p : lay::kAboutPlacements) {
    EXPECT_TRUE(p.rect.x >= 0 && p.rect.y >= 0 && !p.rect.empty()) << p.id;
    EXPECT_LE(p.rect.right(), lay::kAboutWidth) << p.id;
    EXPECT_LE(p.rect.bottom(), lay::kAboutHeight) << p.id;
  }
}

TEST(FaceloreFit, AreasTheWindowWritesIntoAreLightAndEmpty) {
  const Image gr = painted("gr.bmp");
  ASSERT_EQ(gr.width, lay::kClientWidth);
  for (const lay::Rect& r : {lay::kPartPrompt, lay::kFeaturePrompt, lay::kOptionPrompt,
                             lay::kHeadingLabel}) {
    EXPECT_TRUE(testing::is_flat_and_light(gr, r.x, r.y, r.w, r.h, 2));
  }
  for (const lay::Rect& r : lay::kResultLabels) {
    EXPECT_TRUE(testing::is_flat_and_light(gr, r.x, r.y, r.w, r.h, 2));
  }
}

TEST(FaceloreFit, HotAreasCarryTheirWords) {
  const Image gr = painted("gr.bmp");
  ASSERT_EQ(gr.width, lay::kClientWidth);
  for (const lay::Rect& r : {lay::kAboutHotArea, lay::kCloseHotArea}) {
    int ink = 0;
    for (int y = r.y; y < r.bottom(); ++y) {
      for (int x = r.x; x < r.right(); ++x) ink += testing::luminance(gr.at(x, y)) < 128;
    }
    EXPECT_GT(ink, 20) << "hot area at " << r.x << "," << r.y;
  }
}

TEST(FaceloreFit, TextBoxPicturesStayLightUnderBlackText) {
  for (const char* name : {"advice_box.bmp", "definition_box.bmp", "character_box.bmp"}) {
    const Image box = painted(name);
    ASSERT_FALSE(box.pixels.empty()) << name;
    double darkest = 255;
    for (Rgb p : box.pixels) darkest = std::min(darkest, testing::luminance(p));
    EXPECT_GE(darkest, 190) << name;
    EXPECT_NE(box.at(0, 0), box.at(box.width / 2, box.height / 2)) << name << " has no border";
  }
}

TEST(FaceloreFit, LinkPictureIsTheAboutBoxUnderTheLink) {
  const Image about = painted("about.ggr");
  const Image link = painted("web_address.bmp");
  const lay::Rect& r = lay::kAboutLink;
  ASSERT_LE(r.right(), about.width);
  ASSERT_LE(r.bottom(), about.height);
  EXPECT_EQ(crop(about, r.x, r.y, r.w, r.h).pixels, link.pixels);
  const auto ink = std::count_if(link.pixels.begin(), link.pixels.end(),
                                 [](Rgb p) { return testing::luminance(p) < 150; });
  EXPECT_GT(ink, 50) << "the address is not written";
}

TEST(FaceloreIcon, HoldsSixteenThirtyTwoAndFortyEightWithAlpha) {
  std::string why;
  const auto icon = testing::read_icon(painted_bytes("facelore.ico"), why);
  ASSERT_TRUE(icon) << why;
  EXPECT_EQ(icon->type, 1);
  std::vector<int> sizes;
  for (const testing::IconImage& image : icon->images) {
    sizes.push_back(image.width);
    EXPECT_EQ(image.height, image.width);
    EXPECT_EQ(image.bits_per_pixel, 32);
    for (std::size_t i = 0; i < image.colour.pixels.size(); ++i) {
      ASSERT_EQ(image.and_mask[i], image.colour.pixels[i].a == 0) << image.width << " pixel " << i;
    }
    EXPECT_EQ(image.colour.at(0, 0).a, 0) << image.width << ": corners are rounded off";
    const int c = image.width / 2;
    EXPECT_EQ(image.colour.at(c, 2).a, 255) << image.width;
    int light = 0, dark = 0;
    for (const Rgba& p : image.colour.pixels) {
      if (p.a != 255) continue;
      const double l = testing::luminance({p.r, p.g, p.b});
      light += l > 200;
      dark += l < 110;
    }
    EXPECT_GT(light, image.width) << image.width << ": no mark on the icon";
    EXPECT_GT(dark, image.width) << image.width << ": no ground on the icon";
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

TEST(FaceloreCursor, HandPointsWithItsFingertipAtTheHotspot) {
  std::string why;
  const auto file = testing::read_icon(painted_bytes("hand.cur"), why);
  ASSERT_TRUE(file) << why;
  EXPECT_EQ(file->type, 2);
  ASSERT_EQ(file->images.size(), 1u);
  const testing::IconImage& hand = file->images[0];
  ASSERT_EQ(hand.width, 32);
  ASSERT_EQ(hand.height, 32);
  EXPECT_EQ(hand.bits_per_pixel, 1);
  auto opaque = [&](int x, int y) { return !hand.and_mask[static_cast<std::size_t>(y) * 32 + x]; };
  EXPECT_TRUE(opaque(hand.hotspot_x, hand.hotspot_y)) << "hotspot off the hand";
  for (int y = 0; y < hand.hotspot_y; ++y) {
    for (int x = 0; x < 32; ++x) EXPECT_FALSE(opaque(x, y)) << "hand reaches above its tip";
  }
  EXPECT_FALSE(opaque(0, 0));
  EXPECT_FALSE(opaque(31, 0));
  int black = 0, white = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!opaque(x, y)) continue;
      (hand.colour.at(x, y).r == 0 ? black : white) += 1;
    }
  }
  EXPECT_GT(black, 40) << "no outline";
  EXPECT_GT(white, 100) << "no filled hand";
}

}  // namespace
}  // namespace painter
