// A drawing surface over cairo with text through pango, in the painter's own units:
// whole-pixel rectangles for flat fills and frames (crisp, never anti-aliased) and
// anti-aliased shapes and text.  Font rendering options are fixed here rather than
// taken from the desktop so every build draws the same pixels.  Recipes draw in 100 %
// pixels; a canvas made under a PaintingScale draws them at that scale (type at the
// scaled size, fills and frames snapped to the scaled edges), not as a resized bitmap.
#pragma once

#include <string_view>

#include "image.h"
#include "style.h"

struct _cairo;
struct _cairo_surface;

namespace painter {

struct Box {
  int x, y, w, h;
};

// Anything with x, y, w, h (the layout headers' rectangles).
template <class R>
constexpr Box box_of(const R& r) {
  return Box{r.x, r.y, r.w, r.h};
}

enum class Align { Start, Centre, End };

// The scale new canvases are painted at while it lives (1 = 100 %); scopes nest.
class PaintingScale {
 public:
  explicit PaintingScale(double scale);
  ~PaintingScale();
  PaintingScale(const PaintingScale&) = delete;
  PaintingScale& operator=(const PaintingScale&) = delete;
  static double current();

 private:
  double previous_;
};

// A flat picture of 100 % size w x h at the current scale.
Image plain_picture(int w, int h, Rgb colour);

class Canvas {
 public:
  // A transparent surface when with_alpha, else an opaque black one.
  // width x height 100 % pixels at the current painting scale.
  Canvas(int width, int height, bool with_alpha = false);
  // A surface covering exactly the picture like: its device size, place and scale.
  Canvas(const Image& like, bool with_alpha);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // In 100 % pixels, the units every drawing call takes.
  int width() const { return width_; }
  int height() const { return height_; }

  void fill(Rgb colour);
  // Copies a picture of the canvas size onto it (an opaque canvas only).
  void put(const Image& image);
  void fill_rect(Box b, Rgb colour);
  // A frame of thickness pixels drawn inside b.
  void frame(Box b, Rgb colour, int thickness = 1);
  void fill_rounded(Box b, double radius, Rgb colour);
  // A one-pixel rounded outline whose outer edge is b.
  void outline_rounded(Box b, double radius, Rgb colour);
  void fill_circle(double cx, double cy, double radius, Rgb colour);
  void line(double x0, double y0, double x1, double y1, double width, Rgb colour);

  // Writes utf8 text on one line, placed inside b by the alignments; returns the text's
  // width in pixels.
  int text(std::string_view utf8, const style::Font& font, Rgb colour, Box b,
           Align horizontal = Align::Start, Align vertical = Align::Centre,
           bool underline = false);
  // Width of the text as text() would draw it.
  int text_width(std::string_view utf8, const style::Font& font);

  // For shapes without a helper: a path can be built on the raw context.
  _cairo* context() { return cr_; }
  void set_colour(Rgb colour);
  void set_crisp(bool crisp);  // anti-aliasing off/on for the following shapes

  Image to_image();          // an opaque canvas
  RgbaImage to_rgba_image();  // a canvas with alpha, unpremultiplied

 private:
  Canvas(Place place, int device_width, int device_height, bool with_alpha);
  void rounded_path(double x, double y, double w, double h, double radius);
  // b's scaled edges in device pixels, for shapes snapped to whole pixels.
  Box device_box(Box b) const;
  void fill_device_rect(Box device, Rgb colour);

  Place place_;
  int width_;
  int height_;
  _cairo_surface* surface_;
  _cairo* cr_;
};

}  // namespace painter
