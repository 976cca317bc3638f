// The kit gallery's pictures: exact sizes, clean keys, and button places that all sit
// on the same flat panel, so every button picture fits every button place.
#include <gtest/gtest.h>

#include "kit/gallery/gallery_layout.h"
#include "picture_checks.h"
#include "pictures.h"

namespace painter {
namespace {

namespace lay = kit::gallery;
using testing::load_painted_bmp;

constexpr char kSet[] = "gallery";

TEST(GalleryFiles, TheBuildWroteEveryFileOfTheSetAsPainted) {
  const PictureSet set = paint_gallery();
  ASSERT_EQ(set.size(), 8u);
  for (const PictureFile& file : set) {
    const auto bytes = testing::read_bytes(std::filesystem::path(PAINTED_DIR) / kSet / file.name);
    ASSERT_TRUE(bytes) << file.name << " is missing";
    EXPECT_TRUE(*bytes == file.bytes) << file.name;
  }
}

TEST(GalleryFiles, BackgroundHasTheDialogsSize) {
  Image background;
  ASSERT_TRUE(load_painted_bmp(kSet, lay::kBackgroundFile, background));
  EXPECT_EQ(background.width, 480);
  EXPECT_EQ(background.height, 320);
}

TEST(GalleryFiles, EditBoxPictureHasTheBoxsSize) {
  Image box;
  ASSERT_TRUE(load_painted_bmp(kSet, lay::kEditBoxPicture, box));
  EXPECT_EQ(box.width, lay::kBitmapEdit.w);
  EXPECT_EQ(box.height, lay::kBitmapEdit.h);
}

TEST(GalleryLayout, EveryPlacedControlLiesOnTheBackground) {
  for (const kit::Placement& p : lay::kPlacements) {
    EXPECT_TRUE(p.rect.x >= 0 && p.rect.y >= 0 && !p.rect.empty()) << p.id;
    EXPECT_LE(p.rect.right(), lay::kClientWidth) << p.id;
    EXPECT_LE(p.rect.bottom(), lay::kClientHeight) << p.id;
  }
}

TEST(GalleryKeys, EveryButtonPictureMasksCleanlyAtItsSize) {
  const Rgb key = lay::kButtonKey;
  for (const lay::ButtonPictures& pair :
       {lay::kPrimaryPictures, lay::kSecondaryPictures, lay::kBadgePictures}) {
    Image normal, hover;
    ASSERT_TRUE(load_painted_bmp(kSet, pair.normal, normal));
    ASSERT_TRUE(load_painted_bmp(kSet, pair.hover, hover));
    for (const Image* image : {&normal, &hover}) {
      EXPECT_EQ(image->width, pair.width) << pair.normal;
      EXPECT_EQ(image->height, pair.height) << pair.normal;
      EXPECT_TRUE(testing::is_keyed_button(*image, key)) << pair.normal;
    }
    EXPECT_NE(normal.pixels, hover.pixels) << pair.normal;
  }
}

TEST(GalleryFit, ButtonPlacesShareOneBackdrop) {
  Image background;
  ASSERT_TRUE(load_painted_bmp(kSet, lay::kBackgroundFile, background));
  auto under = [&](const lay::Rect& r) { return crop(background, r.x, r.y, r.w, r.h).pixels; };
  EXPECT_EQ(under(lay::kPrimaryButton), under(lay::kSecondaryButton));
  EXPECT_EQ(under(lay::kPrimaryButton), under(lay::kDisabledButton));
  const lay::Rect caption_left{lay::kCaptionButton.x, lay::kCaptionButton.y, lay::kPrimaryButton.w,
                               lay::kCaptionButton.h};
  EXPECT_EQ(under(lay::kPrimaryButton), under(caption_left));
}

}  // namespace
}  // namespace painter
