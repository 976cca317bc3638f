// The test picture of the painted sets: a face of two flat colours on a white key, its
// two colours meeting at one sharp edge.  The painter paints it at every scale from
// these constants; the loader's test tells a painted set (the edge on the scaled pixel,
// both sides exact) from a stretched picture.  Usable from a resource script (the
// define) and from platform-free C++.
#pragma once

#define IDB_SET_PICTURE 3200

#ifndef RC_INVOKED

#include "kit/pixel_layout.h"

namespace kit_test {

inline constexpr char kSetPictureFile[] = "set_picture.bmp";
inline constexpr int kSetPictureWidth = 40;
inline constexpr int kSetPictureHeight = 24;
inline constexpr kit::PixelColor kSetKeyRgb{255, 255, 255};
// The face, and the column where its left colour gives way to its right one.
inline constexpr kit::PixelRect kSetFace{5, 4, 30, 16};
inline constexpr int kSetEdgeX = 13;
inline constexpr kit::PixelColor kSetLeftRgb{31, 58, 95};
inline constexpr kit::PixelColor kSetRightRgb{217, 140, 28};

}  // namespace kit_test

#endif
