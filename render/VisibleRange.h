// Which divisions of an axis can reach a drawing surface. Axes may have up
// to 2^31 divisions; only those near the surface are worth drawing, and
// skipping the others changes no pixel.
#pragma once

#include <cstdint>

#include "platform/IndexRange.h"

namespace pelk {

// The indices i in 0..count whose positions origin + i * step (step >= 0)
// come within margin of [lo, hi]. With a zero step every index shares one
// position and draws the same pixels, so the range is [0, 0] when that
// position is near.
IndexRange VisibleIndexRange(std::int64_t count, double step, double origin, double lo, double hi,
                             double margin);

}  // namespace pelk
