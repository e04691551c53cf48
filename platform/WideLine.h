// Lines wider than one pixel: a band with round ends, made of the pixels
// whose centres lie within width / 2 of the segment (a capsule).
//
// For odd widths the segment runs through the centres of its end pixels; for
// even widths pixel (x, y) has its centre at (x + 0.5, y + 0.5) relative to
// the segment, so a horizontal or vertical band is exactly `width` pixels
// across (even widths gain the extra row above and column left).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace pelk {

struct Capsule {
  double ax = 0, ay = 0, bx = 0, by = 0;
  double radius = 0;
};

struct SpanD {
  double lo = 0;
  double hi = 0;
};

// The x range of the capsule on the horizontal line at y, if it meets it.
std::optional<SpanD> CapsuleRowSpan(const Capsule& c, double y);

// Clips the segment a-b to the rectangle [left, right] x [top, bottom]
// (Liang-Barsky); false when it misses the rectangle.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, double left, double top,
                 double right, double bottom);

// Offset of a pixel's centre from its integer coordinates for a band width.
inline double BandCentreOffset(int width) { return width % 2 == 0 ? 0.5 : 0.0; }

// Calls emit(y, xFirst, xLast) once per row of clip that the band of the
// given width from (x0, y0) to (x1, y1) touches, with the inclusive column
// range inside clip. A zero-length segment gives nothing.
template <class Emit>
void ForEachBandSpan(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                     int width, const TRect& clip, Emit&& emit) {
  if (clip.IsEmpty() || width < 1 || (x0 == x1 && y0 == y1)) return;
  const double c = BandCentreOffset(width);
  Capsule cap{static_cast<double>(x0), static_cast<double>(y0), static_cast<double>(x1),
              static_cast<double>(y1), width / 2.0};
  // Only the part of the segment within reach of the clip matters.
  const double reach = cap.radius + 1.0;
  if (!ClipSegment(cap.ax, cap.ay, cap.bx, cap.by, clip.Left + c - reach, clip.Top + c - reach,
                   clip.Right - 1 + c + reach, clip.Bottom - 1 + c + reach)) {
    return;
  }
  const double rowLo = std::max<double>(clip.Top, std::ceil(std::min(cap.ay, cap.by) - cap.radius - c));
  const double rowHi =
      std::min<double>(clip.Bottom - 1, std::floor(std::max(cap.ay, cap.by) + cap.radius - c));
  for (double y = rowLo; y <= rowHi; y += 1.0) {
    const std::optional<SpanD> span = CapsuleRowSpan(cap, y + c);
    if (!span) continue;
    const double first = std::max<double>(clip.Left, std::ceil(span->lo - c));
    const double last = std::min<double>(clip.Right - 1, std::floor(span->hi - c));
    if (first > last) continue;
    emit(static_cast<int>(y), static_cast<int>(first), static_cast<int>(last));
  }
}

}  // namespace pelk
