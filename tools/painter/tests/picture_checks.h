// Checks shared by the picture tests: what a button picture with a key colour and an
// area the program writes black text over must look like.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "image.h"
#include "picture_files.h"

namespace painter::testing {

// A colour this close to a key without being it would be half-matched by a mask.
inline constexpr int kFringeDistance = 16;

// Perceived brightness 0..255.
double luminance(Rgb c);

// The BMP file <set>/<name> in the build's painted folder, read strictly.
::testing::AssertionResult load_painted_bmp(const std::string& set, const std::string& name,
                                            Image& out);

// A button picture over a key: the four corners are the key, every key pixel reaches the
// edge through key pixels (nothing see-through inside the face), no pixel is a near
// miss of the key, and the face covers most of the picture with more than a flat fill.
::testing::AssertionResult is_keyed_button(const Image& image, Rgb key);

// The part of image at x, y, w, h, shrunk by inset on every side, is one light colour.
::testing::AssertionResult is_flat_and_light(const Image& image, int x, int y, int w, int h,
                                             int inset);

}  // namespace painter::testing
