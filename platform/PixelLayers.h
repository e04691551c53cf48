// Pixels set plainly (no raster operation) layer over layer, each row of the
// surface visited once: what setting the layers one after another would
// leave, at the cost of one pass over the rows they cover.
#pragma once

#include <cstdint>
#include <span>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace pelk {

struct PixelLayer {
  enum class Shape : std::uint8_t {
    Span,     // columns [left, right) of each row
    Columns,  // the listed columns of each row
  };
  Shape shape = Shape::Span;
  std::uint32_t rgb = 0;
  std::int64_t top = 0, bottom = 0;  // rows [top, bottom)
  std::int64_t left = 0, right = 0;
  std::span<const int> columns;
};

// The pixels a straight one-pixel line from `from` to `to` covers along its
// direction, `to` left out, as [first, last]; empty (first > last) when the
// ends are equal.
struct LineCover {
  std::int64_t first = 0;
  std::int64_t last = -1;
};
constexpr LineCover LineCoverOf(std::int64_t from, std::int64_t to) {
  if (to > from) return {from, to - 1};
  if (to < from) return {to + 1, from};
  return {};
}

// Sets the pixels of every layer, shifted by origin, that lie inside clip
// and on the surface to the layer's colour; a later layer wins over an
// earlier one.
void PaintPixelLayers(Surface& surface, const TRect& clip, TPoint origin, std::span<const PixelLayer> layers);

}  // namespace pelk
