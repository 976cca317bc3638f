#include "canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace painter {

namespace {

double channel(std::uint8_t v) { return v / 255.0; }

// Grey anti-aliasing without hinting: no colour fringes from sub-pixel rendering and
// no dependence on the desktop's font settings.
cairo_font_options_t* fixed_font_options() {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  return options;
}

struct Layout {
  PangoLayout* layout;
  ~Layout() { g_object_unref(layout); }
};

PangoLayout* make_layout(cairo_t* cr, std::string_view utf8, const style::Font& font,
                         bool underline) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  cairo_font_options_t* options = fixed_font_options();
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);

  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, style::kFace);
  pango_font_description_set_weight(description,
                                    font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(description, font.px * PANGO_SCALE);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);

  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  if (underline) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
  }
  return layout;
}

double painting_scale = 1;

// Scaled lines keep one thickness on every side, whatever the rounding of the edges.
int device_thickness(int t, double scale) { return std::max(1, static_cast<int>(std::lround(t * scale))); }

int place(Align align, int start, int room, int size) {
  switch (align) {
    case Align::Start: return start;
    case Align::Centre: return start + (room - size) / 2;
    case Align::End: return start + room - size;
  }
  return start;
}

}  // namespace

PaintingScale::PaintingScale(double scale) : previous_(painting_scale) { painting_scale = scale; }
PaintingScale::~PaintingScale() { painting_scale = previous_; }
double PaintingScale::current() { return painting_scale; }

Image plain_picture(int w, int h, Rgb colour) {
  Canvas c(w, h);
  c.fill(colour);
  return c.to_image();
}

Canvas::Canvas(int width, int height, bool with_alpha)
    : Canvas(Place{0, 0, width, height, painting_scale}, scaled_edge(0, width, painting_scale),
             scaled_edge(0, height, painting_scale), with_alpha) {}

Canvas::Canvas(const Image& like, bool with_alpha) : Canvas(like.place, like.width, like.height, with_alpha) {}

Canvas::Canvas(Place place, int device_width, int device_height, bool with_alpha)
    : place_(place),
      width_(place.w),
      height_(place.h),
      surface_(cairo_image_surface_create(with_alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                          device_width, device_height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS ||
      cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a drawing surface");
  }
  // 100 % point p of the place lands at device p * scale, counted from the place's own
  // rounded corner, so shapes line up with the snapped edges.
  const double s = place.scale;
  cairo_translate(cr_, place.x * s - std::lround(place.x * s), place.y * s - std::lround(place.y * s));
  cairo_scale(cr_, s, s);
}

Box Canvas::device_box(Box b) const {
  const double s = place_.scale;
  const int left = scaled_edge(place_.x, b.x, s);
  const int top = scaled_edge(place_.y, b.y, s);
  return {left, top, scaled_edge(place_.x, b.x + b.w, s) - left, scaled_edge(place_.y, b.y + b.h, s) - top};
}

void Canvas::fill_device_rect(Box d, Rgb colour) {
  set_colour(colour);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_rectangle(cr_, d.x, d.y, d.w, d.h);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::set_colour(Rgb colour) {
  cairo_set_source_rgb(cr_, channel(colour.r), channel(colour.g), channel(colour.b));
}

void Canvas::set_crisp(bool crisp) {
  cairo_set_antialias(cr_, crisp ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
}

void Canvas::fill(Rgb colour) {
  fill_device_rect({0, 0, cairo_image_surface_get_width(surface_), cairo_image_surface_get_height(surface_)},
                   colour);
}

void Canvas::put(const Image& image) {
  const int width = cairo_image_surface_get_width(surface_);
  const int height = cairo_image_surface_get_height(surface_);
  if (image.width != width || image.height != height) {
    throw std::invalid_argument("picture and canvas differ in size");
  }
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const Rgb p = image.at(x, y);
      row[x] = 0xFF000000u | (std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b;
    }
  }
  cairo_surface_mark_dirty(surface_);
}

void Canvas::fill_rect(Box b, Rgb colour) { fill_device_rect(device_box(b), colour); }

void Canvas::frame(Box b, Rgb colour, int thickness) {
  const Box d = device_box(b);
  const int t = device_thickness(thickness, place_.scale);
  fill_device_rect({d.x, d.y, d.w, t}, colour);
  fill_device_rect({d.x, d.y + d.h - t, d.w, t}, colour);
  fill_device_rect({d.x, d.y + t, t, d.h - 2 * t}, colour);
  fill_device_rect({d.x + d.w - t, d.y + t, t, d.h - 2 * t}, colour);
}

void Canvas::rounded_path(double x, double y, double w, double h, double r) {
  constexpr double kQuarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x + w - r, y + r, r, -kQuarter, 0);
  cairo_arc(cr_, x + w - r, y + h - r, r, 0, kQuarter);
  cairo_arc(cr_, x + r, y + h - r, r, kQuarter, 2 * kQuarter);
  cairo_arc(cr_, x + r, y + r, r, 2 * kQuarter, 3 * kQuarter);
  cairo_close_path(cr_);
}

// Rounded shapes are laid on the snapped device box, so they meet fills and frames.
void Canvas::fill_rounded(Box b, double radius, Rgb colour) {
  const Box d = device_box(b);
  set_colour(colour);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  rounded_path(d.x, d.y, d.w, d.h, radius * place_.scale);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Canvas::outline_rounded(Box b, double radius, Rgb colour) {
  const Box d = device_box(b);
  const double t = device_thickness(1, place_.scale);
  set_colour(colour);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  rounded_path(d.x + t / 2, d.y + t / 2, d.w - t, d.h - t, radius * place_.scale - t / 2);
  cairo_set_line_width(cr_, t);
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

void Canvas::fill_circle(double cx, double cy, double radius, Rgb colour) {
  set_colour(colour);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, cx, cy, radius, 0, 2 * std::numbers::pi);
  cairo_fill(cr_);
}

void Canvas::line(double x0, double y0, double x1, double y1, double width, Rgb colour) {
  set_colour(colour);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr_, x0, y0);
  cairo_line_to(cr_, x1, y1);
  cairo_stroke(cr_);
}

int Canvas::text_width(std::string_view utf8, const style::Font& font) {
  Layout l{make_layout(cr_, utf8, font, false)};
  PangoRectangle logical;
  pango_layout_get_pixel_extents(l.layout, nullptr, &logical);
  return logical.width;
}

int Canvas::text(std::string_view utf8, const style::Font& font, Rgb colour, Box b,
                 Align horizontal, Align vertical, bool underline) {
  Layout l{make_layout(cr_, utf8, font, underline)};
  PangoRectangle ink;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(l.layout, &ink, &logical);
  // Across: the advance width, so spacing follows the font.  Up and down: the ink, so
  // CJK glyphs sit visually centred whatever the face's ascent and descent.
  const int x = place(horizontal, b.x, b.w, logical.width) - logical.x;
  const int y = place(vertical, b.y, b.h, ink.height) - ink.y;
  set_colour(colour);
  cairo_move_to(cr_, x, y);
  pango_cairo_show_layout(cr_, l.layout);
  return logical.width;
}

Image Canvas::to_image() {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  Image out(cairo_image_surface_get_width(surface_), cairo_image_surface_get_height(surface_));
  out.place = place_;
  for (int y = 0; y < out.height; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < out.width; ++x) {
      const std::uint32_t p = row[x];
      out.at(x, y) = Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p)};
    }
  }
  return out;
}

RgbaImage Canvas::to_rgba_image() {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  RgbaImage out(cairo_image_surface_get_width(surface_), cairo_image_surface_get_height(surface_));
  out.place = place_;
  auto unpremultiply = [](std::uint32_t c, std::uint32_t a) {
    return static_cast<std::uint8_t>(a == 0 ? 0 : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
  };
  for (int y = 0; y < out.height; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < out.width; ++x) {
      const std::uint32_t p = row[x];
      const std::uint32_t a = p >> 24;
      out.at(x, y) = Rgba{unpremultiply((p >> 16) & 0xFF, a), unpremultiply((p >> 8) & 0xFF, a),
                          unpremultiply(p & 0xFF, a), static_cast<std::uint8_t>(a)};
    }
  }
  return out;
}

}  // namespace painter
