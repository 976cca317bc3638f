// The house style of every painted picture: calm, flat and modern.  Deep and light blues
// over light greys, one CJK sans face, generous margins, thin frames, no ornaments.
// Pictures take their colours, type sizes and spacing from here only.
#pragma once

#include "image.h"

namespace painter::style {

// ---- Palette -------------------------------------------------------------------
// Blues, deepest first.
inline constexpr Rgb kNavy{0x1F, 0x3A, 0x5F};       // brand, headings, tabs
inline constexpr Rgb kDeepBlue{0x2A, 0x57, 0x85};   // buttons at rest
inline constexpr Rgb kBlue{0x36, 0x6F, 0xA8};       // buttons under the pointer, links
inline constexpr Rgb kSkyBlue{0xA9, 0xC6, 0xE3};    // subtitles on deep blue
inline constexpr Rgb kMistBlue{0xDC, 0xE8, 0xF4};   // strips and light panels
inline constexpr Rgb kIceBlue{0xEE, 0xF4, 0xFA};    // the lightest panels
// Greys, lightest first.
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kPaper{0xFC, 0xFD, 0xFE};      // text box grounds
inline constexpr Rgb kCanvas{0xF4, 0xF6, 0xF8};     // window grounds
inline constexpr Rgb kCloud{0xE7, 0xEA, 0xEE};      // bands
inline constexpr Rgb kGrey82{0xD2, 0xD2, 0xD2};     // rules and frames
inline constexpr Rgb kFrameBlue{0xBC, 0xCD, 0xDF};  // frames around text boxes
inline constexpr Rgb kSlate{0x66, 0x72, 0x80};      // secondary text
inline constexpr Rgb kInk{0x1E, 0x2A, 0x36};        // primary text
// Signals, used sparingly: what is best, and what asks for a second look.
inline constexpr Rgb kGreen{0x2E, 0x7D, 0x55};      // the best alternative's band
inline constexpr Rgb kPaleGreen{0xE7, 0xF3, 0xEC};  // light ground under it
inline constexpr Rgb kAmber{0xD9, 0x8C, 0x1C};      // warning marks
inline constexpr Rgb kPaleAmber{0xFD, 0xF3, 0xDE};  // hint strips
inline constexpr Rgb kAmberInk{0x6B, 0x45, 0x08};   // text on hint strips

// ---- Type ----------------------------------------------------------------------
inline constexpr char kFace[] = "WenQuanYi Zen Hei";

struct Font {
  double px;  // em size in pixels
  bool bold = false;
};

inline constexpr Font kBrand{30, true};
inline constexpr Font kTitle{20, true};
inline constexpr Font kButton{15, true};
inline constexpr Font kLabel{14};
inline constexpr Font kTab{12, true};
inline constexpr Font kSmall{12};

// ---- Spacing -------------------------------------------------------------------
inline constexpr int kMargin = 20;        // from a window's edge to its content
inline constexpr int kGap = 8;            // between neighbouring elements
inline constexpr int kTabHeight = 20;     // the small heading tab on top of a box
inline constexpr int kTabPadding = 10;    // text inset inside a tab
inline constexpr double kCorner = 6;      // panels and strips
inline constexpr double kButtonCorner = 8;

// A non-key pixel must stay further than this from its key colour.
inline constexpr int kKeyClearance = 24;

// The most a channel of a larger scale's pixel may move to fit the picture in a palette:
// unseen on anti-aliased edges, and far below the gap between a key and its neighbours.
inline constexpr int kPaletteError = 6;

}  // namespace painter::style
