// What the pictures of the small and the large input box share, so the two boxes look
// like one family: the ground, the frame around the box, the text box's own picture and
// the save / don't-save pair (bitmaps drawn once, used by both boxes).
#pragma once

#include <string_view>

#include "canvas.h"
#include "image.h"
#include "style.h"

namespace painter::decision_pictures::input_box {

// Under the buttons of both boxes: their pictures are laid over this very colour.
inline constexpr Rgb kGround = style::kCanvas;

// A box's background: the ground inside a navy frame, the text box's place framed as
// its picture is, and a hint in the strip left of the buttons.
Image paint_background(int width, int height, Box text, Box hint, std::u8string_view hint_text);

// The text box's own picture, exactly the text box's size: paper in a hairline frame.
Image paint_text_picture(Box text);

}  // namespace painter::decision_pictures::input_box
