// The kit gallery: a dialog that shows every kit control in its states over a painted
// background.  Pixel places of its controls, and the names, sizes and key colour of the
// pictures the build-time painter draws for it (painter set "gallery").  The painter
// frames the background around these rectangles, so the program and the picture move
// together.  Platform-free.
#pragma once

#include "kit/gallery/gallery_ids.h"
#include "kit/pixel_layout.h"

namespace kit::gallery {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// The dialog background, read from the working folder.
inline constexpr char kBackgroundFile[] = "gallery.bmp";
inline constexpr int kClientWidth = 480;
inline constexpr int kClientHeight = 320;

// Every button picture keeps this colour where the dialog shows through.
inline constexpr Rgb kButtonKey{255, 0, 255};

// A normal/hover pair of button pictures, both width x height.
struct ButtonPictures {
  const char* normal;
  const char* hover;
  int width;
  int height;
};

inline constexpr ButtonPictures kPrimaryPictures{"gallery_primary_normal.bmp",
                                                 "gallery_primary_hover.bmp", 120, 32};
inline constexpr ButtonPictures kSecondaryPictures{"gallery_secondary_normal.bmp",
                                                   "gallery_secondary_hover.bmp", 120, 32};
// A small badge shown left of a caption (the button places a picture at its left edge
// + 3 when it has a caption, vertically centred).
inline constexpr ButtonPictures kBadgePictures{"gallery_badge_normal.bmp",
                                               "gallery_badge_hover.bmp", 24, 24};

// Button row: the primary pair, the secondary pair, and the primary pair once more on a
// disabled button (the kit embosses it).  All three sit on one flat panel.
inline constexpr Rect kPrimaryButton{28, 80, 120, 32};
inline constexpr Rect kSecondaryButton{160, 80, 120, 32};
inline constexpr Rect kDisabledButton{292, 80, 120, 32};
// A button with the badge and a caption, and a link control beside it.
inline constexpr Rect kCaptionButton{28, 120, 150, 32};
inline constexpr Rect kLink{196, 126, 200, 20};

// Framed areas for the report list and the two edit boxes.
inline constexpr Rect kReportList{24, 186, 260, 116};
inline constexpr Rect kBitmapEdit{300, 186, 156, 50};
inline constexpr Rect kColorEdit{300, 252, 156, 50};

// The bitmap-background edit's picture (a resource of the gallery), exactly the box's
// size, ruled every kEditLineHeight pixels.
inline constexpr char kEditBoxPicture[] = "gallery_edit_box.bmp";
inline constexpr int kEditLineHeight = 16;

// The coloured edit: a pale blue ground with dark teal text.
inline constexpr Rgb kColorEditBack{239, 244, 250};
inline constexpr Rgb kColorEditText{0, 80, 80};

// Every control, placed before the first paint.
inline constexpr Placement kPlacements[] = {
    {IDC_PRIMARY, kPrimaryButton},   {IDC_SECONDARY, kSecondaryButton},
    {IDC_DISABLED, kDisabledButton}, {IDC_CAPTIONED, kCaptionButton},
    {IDC_LINK, kLink},               {IDC_REPORT, kReportList},
    {IDC_BITMAP_EDIT, kBitmapEdit},  {IDC_COLOR_EDIT, kColorEdit},
};

}  // namespace kit::gallery
