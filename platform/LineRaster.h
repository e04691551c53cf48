// One-pixel lines: which pixels a line sets, which of them fall inside a
// clip rectangle, and the stepping loop that writes them.
//
// A line from (x0, y0) to (x1, y1) leaves the end point out. Along its major
// axis (the larger of |dx|, |dy|; x on ties) pixel i, 0 <= i < major, is
// i steps from the start; across it the pixel is
// floor((2 i minor + major) / (2 major)) steps from the start.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/IndexRange.h"
#include "platform/RasterOps.h"
#include "platform/Types.h"

namespace pelk {

struct ThinLine {
  std::int64_t x0 = 0;
  std::int64_t y0 = 0;
  std::int64_t major = 0;  // number of pixels
  std::int64_t minor = 0;
  int sx = 1;  // direction of x and y, +1 or -1
  int sy = 1;
  bool xMajor = true;
};

inline ThinLine MakeThinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  ThinLine l;
  l.x0 = x0;
  l.y0 = y0;
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  l.sx = dx < 0 ? -1 : 1;
  l.sy = dy < 0 ? -1 : 1;
  l.xMajor = adx >= ady;
  l.major = l.xMajor ? adx : ady;
  l.minor = l.xMajor ? ady : adx;
  return l;
}

struct Point64 {
  std::int64_t X = 0;
  std::int64_t Y = 0;
  friend bool operator==(const Point64&, const Point64&) = default;
};

// Pixel i of the line.
Point64 ThinLinePixel(const ThinLine& line, std::int64_t i);

// Indices of the pixels inside clip (right and bottom excluded).
IndexRange VisibleRange(const ThinLine& line, const TRect& clip);

// Incremental form of the minor-axis rule: from pixel i on, add `up` to
// `error` per step and take a minor step whenever it reaches 0 (then
// subtract `down`).
struct LineStepper {
  std::int64_t error = 0;  // in [-down, 0)
  std::int64_t up = 0;     // 2 minor
  std::int64_t down = 0;   // 2 major
};
LineStepper StepperAt(const ThinLine& line, std::int64_t i);

// Writes `count` pixels from `p` on, stepping through a surface with the
// given major and minor pointer steps; a pixel is written as op(old) when
// bit `phase` of the dash mask is set (always when not Dashed).
template <bool Dashed, class Op>
void WalkThinLine(std::uint32_t* p, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep,
                  std::int64_t count, LineStepper s, Op op, std::uint32_t mask, int phase) {
  std::int64_t error = s.error;
  for (;;) {
    if constexpr (Dashed) {
      if ((mask >> phase) & 1u) *p = op(*p);
      phase = phase == kDashPeriod - 1 ? 0 : phase + 1;
    } else {
      *p = op(*p);
    }
    if (--count <= 0) break;
    p += majorStep;
    error += s.up;
    // Branch-free minor step: the step pattern is unpredictable for most slopes.
    const std::int64_t take = ~(error >> 63);  // all ones when error >= 0
    error -= s.down & take;
    p += minorStep & take;
  }
}

}  // namespace pelk
