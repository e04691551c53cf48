// The peers the canvas is measured against: a plain Bresenham loop writing
// into a pixel array, and cairo drawing the same polyline.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/Types.h"

namespace pelk::bench {

// A line from (x0, y0) to (x1, y1); the end pixel too when includeEnd.
inline void PlainBresenhamLine(std::uint32_t* pixels, std::size_t stride, int x0, int y0, int x1, int y1,
                               std::uint32_t color, bool includeEnd) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    const bool atEnd = x0 == x1 && y0 == y1;
    if (atEnd && !includeEnd) break;
    pixels[static_cast<std::size_t>(y0) * stride + static_cast<std::size_t>(x0)] = color;
    if (atEnd) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// A white ARGB32 image drawn by cairo with an aliased pen of width 1.
class CairoImage {
 public:
  CairoImage(int width, int height)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr_, 1.0);
    cairo_set_source_rgb(cr_, 0, 0, 0);
  }
  ~CairoImage() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  CairoImage(const CairoImage&) = delete;
  CairoImage& operator=(const CairoImage&) = delete;

  // One path through the pixel centres, one stroke.
  void StrokePolyline(const std::vector<TPoint>& points) {
    cairo_move_to(cr_, points[0].X + 0.5, points[0].Y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].X + 0.5, points[i].Y + 0.5);
    cairo_stroke(cr_);
    cairo_surface_flush(surface_);
  }
  const unsigned char* Data() { return cairo_image_surface_get_data(surface_); }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace pelk::bench
