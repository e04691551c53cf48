// The peer of the canvas in the benchmarks: a plain Bresenham loop writing
// into a pixel array, with nothing else around it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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

}  // namespace pelk::bench
