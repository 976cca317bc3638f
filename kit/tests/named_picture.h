// A test picture with a Chinese file name: the build-time painter writes it into the
// kit tests' picture folder and a Windows test loads it from there under code pages 936
// and 1252.  Four flat quadrants, so the test can tell a picture that was found and
// drawn upright from a missing or flipped one.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"

namespace kit_test {

// One constant for both sides: the painter compiles narrow literals to UTF-8 and
// writes that name; the test programs compile it to GBK, the programs' file names.
inline constexpr char kNamedPictureFile[] = "四色测试图.bmp";
inline constexpr int kNamedPictureWidth = 40;
inline constexpr int kNamedPictureHeight = 30;

// Top left, top right, bottom left, bottom right.
inline constexpr kit::PixelColor kQuadrantRgb[4] = {
    {200, 40, 40}, {40, 160, 60}, {40, 80, 200}, {230, 190, 40}};

constexpr kit::PixelColor named_picture_rgb(int x, int y) {
  const int right = x >= kNamedPictureWidth / 2 ? 1 : 0;
  const int bottom = y >= kNamedPictureHeight / 2 ? 1 : 0;
  return kQuadrantRgb[2 * bottom + right];
}

}  // namespace kit_test
