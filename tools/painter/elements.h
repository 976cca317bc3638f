// Drawing elements the picture sets share, so the same thing looks the same everywhere.
#pragma once

#include <functional>
#include <string_view>

#include "canvas.h"
#include "image.h"

namespace painter {

// A button picture with a key colour: art is drawn by draw on a transparent surface of
// the backdrop's size and laid over the backdrop (the part of the dialog background the
// button will sit on).  Untouched pixels become exactly key and nothing is left close
// to key, so the button's mask takes all of the see-through area and none of the art.
Image keyed_picture(const Image& backdrop, Rgb key, const std::function<void(Canvas&)>& draw);

// A rounded, flat button face filling the canvas, with a centred label.
void button_face(Canvas& canvas, Rgb face, Rgb label_colour, std::u8string_view label,
                 const style::Font& font);

// The two faces of a keyed command button, filling the canvas, lighter or bluer under
// the pointer.  The primary face is deep blue with its word in the lightest blue, not
// white: white is the usual key and would let the ground show through the letters.
// The secondary face is light with a thin frame and a navy word.
void primary_button_face(Canvas& canvas, std::u8string_view word, const style::Font& font, bool hover);
void secondary_button_face(Canvas& canvas, std::u8string_view word, const style::Font& font, bool hover);

// The place of a text box with a small heading tab sitting on its top-left edge.
void boxed_heading(Canvas& canvas, Box box, std::u8string_view heading);

// A section heading: small deep-blue words and a rule running to the right edge.
void section_heading(Canvas& canvas, Box line, std::u8string_view heading);

// A flat, light button with a word: the look of hot areas that have no picture of their
// own.
void flat_word_button(Canvas& canvas, Box box, std::u8string_view word);

// A light slot with a hairline border, for labels the program writes into.
void slot(Canvas& canvas, Box box);

// ---- Elements of the dialogs' recurring controls -------------------------------
// Each is drawn the same in every window that has it; a window's recipe only says where.

// The confirm/cancel pair: confirm as a filled deep-blue button, cancel as a white one
// with a thin frame, each word centred in its box.
void ok_cancel_pair(Canvas& canvas, Box ok, Box cancel, std::u8string_view ok_word = u8"确定",
                    std::u8string_view cancel_word = u8"取消");

// The close button of a floating window: a round light face with a cross, centred in box.
void close_button(Canvas& canvas, Box box);

// A scale bar: count narrow cells side by side across box, with a gap between them; the
// first filled cells take the colour running from low to high, the rest stay empty.
void scale_bar(Canvas& canvas, Box box, int count, int filled, Rgb low, Rgb high);

// An About box: a navy band with the product's name, version and tagline, two lines on
// what it does, a rule, the web address (without scheme and closing slash) centred and
// underlined in link, and a note that a click closes the box; optionally a close cross
// in the band.  The link control's picture is cut from this very place.
struct AboutCard {
  std::u8string_view name;
  std::string_view version;
  std::u8string_view tagline;
  std::u8string_view lead;
  std::u8string_view note;
  std::string_view web_address;
  Box link;
  bool close_cross = false;
};
Image about_card(int width, int height, const AboutCard& card);

// The strip along the top of a window that drags by its background: a navy band with
// the window's title at the left and a grip of dots at the right.
void drag_strip(Canvas& canvas, Box box, std::u8string_view title);

// The navy strip across the top of a window of width, height tall, that the window is
// dragged by: its title at the left and, if given, a short note at the right.
void title_strip(Canvas& canvas, int width, int height, std::u8string_view title, std::u8string_view note = {});

}  // namespace painter
