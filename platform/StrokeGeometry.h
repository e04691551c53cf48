// The vector form of what the rasteriser draws for a line: where the stroke
// of a pen runs relative to the pixel grid, and the on-runs of a dashed
// one-pixel line, so that a vector page covers the pixels the raster page
// sets.
#pragma once

#include <bit>
#include <cstdint>

#include "platform/LineRaster.h"
#include "platform/RasterOps.h"

namespace pelk {

// Pixel (x, y) is the unit square at (x, y). A line between pixels runs
// through their centres for one-pixel and odd-width pens, and through
// their top-left corners for even widths (the band's extra row and column
// lie above and to the left).
double StrokeOffset(int penWidth);

// Calls run(first, last) for each maximal run of drawn pixels of a dashed
// one-pixel line within `visible`, pixel i being drawn when bit
// (phase + i) mod kDashPeriod of the mask is set.
template <class Run>
void ForEachDashRun(IndexRange visible, int phase, std::uint32_t mask, Run&& run) {
  std::int64_t i = visible.first;
  while (i <= visible.last) {
    const int at = static_cast<int>((phase + i % kDashPeriod) % kDashPeriod);
    // The patterns start on at bit 0 and end off at bit 23, so no run wraps
    // round the period.
    const std::uint32_t ahead = mask >> at;
    if ((ahead & 1u) != 0) {
      const std::int64_t length = std::countr_one(ahead);
      const std::int64_t last = std::min(i + length - 1, visible.last);
      run(i, last);
      i = last + 1;
    } else {
      const std::int64_t gap = ahead == 0 ? kDashPeriod - at : std::countr_zero(ahead);
      i += gap;
    }
  }
}

}  // namespace pelk
