#include "platform/LineRaster.h"

#include <algorithm>

namespace pelk {

namespace {

// Products of coordinates (up to 2^33) and lengths (up to 2^33) need more
// than 64 bits.
__extension__ typedef __int128 Int128;

Int128 FloorDiv(Int128 a, Int128 b) {  // b > 0
  Int128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

Int128 CeilDiv(Int128 a, Int128 b) {  // b > 0
  Int128 q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}

// Indices i whose coordinate start + step * i lies in [lo, hi].
void KeepAxisRange(Int128& first, Int128& last, std::int64_t start, int step, std::int64_t lo,
                   std::int64_t hi) {
  if (step > 0) {
    first = std::max<Int128>(first, Int128{lo} - start);
    last = std::min<Int128>(last, Int128{hi} - start);
  } else {
    first = std::max<Int128>(first, Int128{start} - hi);
    last = std::min<Int128>(last, Int128{start} - lo);
  }
}

// Indices i whose minor offset floor((2 i minor + major) / (2 major)) lies
// in [a, b]; the offset never decreases with i.
void KeepMinorOffsetRange(Int128& first, Int128& last, const ThinLine& l, Int128 a, Int128 b) {
  if (l.minor == 0) {
    if (a > 0 || b < 0) last = first - 1;
    return;
  }
  const Int128 twoMinor = Int128{2} * l.minor;
  first = std::max(first, CeilDiv(Int128{l.major} * (2 * a - 1), twoMinor));
  last = std::min(last, CeilDiv(Int128{l.major} * (2 * b + 1), twoMinor) - 1);
}

}  // namespace

Point64 ThinLinePixel(const ThinLine& l, std::int64_t i) {
  std::int64_t offset = 0;
  if (l.major != 0) {
    offset = static_cast<std::int64_t>(
        FloorDiv(Int128{2} * i * l.minor + l.major, Int128{2} * l.major));
  }
  const std::int64_t along = i;
  const std::int64_t dx = l.xMajor ? along : offset;
  const std::int64_t dy = l.xMajor ? offset : along;
  return Point64{l.x0 + l.sx * dx, l.y0 + l.sy * dy};
}

IndexRange VisibleRange(const ThinLine& l, const TRect& clip) {
  if (l.major == 0 || clip.IsEmpty()) return {};
  Int128 first = 0;
  Int128 last = l.major - 1;
  const std::int64_t left = clip.Left, right = std::int64_t{clip.Right} - 1;
  const std::int64_t top = clip.Top, bottom = std::int64_t{clip.Bottom} - 1;
  const std::int64_t m0 = l.xMajor ? l.x0 : l.y0;
  const std::int64_t n0 = l.xMajor ? l.y0 : l.x0;
  const int sm = l.xMajor ? l.sx : l.sy;
  const int sn = l.xMajor ? l.sy : l.sx;
  const std::int64_t mLo = l.xMajor ? left : top, mHi = l.xMajor ? right : bottom;
  const std::int64_t nLo = l.xMajor ? top : left, nHi = l.xMajor ? bottom : right;
  KeepAxisRange(first, last, m0, sm, mLo, mHi);
  // The minor coordinate is n0 + sn * offset.
  if (sn > 0) {
    KeepMinorOffsetRange(first, last, l, Int128{nLo} - n0, Int128{nHi} - n0);
  } else {
    KeepMinorOffsetRange(first, last, l, Int128{n0} - nHi, Int128{n0} - nLo);
  }
  if (first > last) return {};
  return IndexRange{static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};
}

LineStepper StepperAt(const ThinLine& l, std::int64_t i) {
  LineStepper s;
  s.up = 2 * l.minor;
  s.down = 2 * l.major;
  if (l.major == 0) return s;
  const Int128 n = Int128{2} * i * l.minor + l.major;
  const Int128 d = Int128{2} * l.major;
  const Int128 remainder = n - FloorDiv(n, d) * d;
  s.error = static_cast<std::int64_t>(remainder - d);
  return s;
}

}  // namespace pelk
