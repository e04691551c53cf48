// Raster operations on 24-bit pixels: the pen modes (ROP2), the copy modes
// of block transfers, and the on/off patterns of dashed pens.
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace pelk {

inline constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// Result of pen mode M for pen colour p over destination d.
template <TPenMode M>
constexpr std::uint32_t MixPen(std::uint32_t p, std::uint32_t d) {
  std::uint32_t r = 0;
  if constexpr (M == pmBlack) r = 0;
  else if constexpr (M == pmWhite) r = kRgbMask;
  else if constexpr (M == pmNop) r = d;
  else if constexpr (M == pmNot) r = ~d;
  else if constexpr (M == pmCopy) r = p;
  else if constexpr (M == pmNotCopy) r = ~p;
  else if constexpr (M == pmMergePenNot) r = p | ~d;
  else if constexpr (M == pmMaskPenNot) r = p & ~d;
  else if constexpr (M == pmMergeNotPen) r = ~p | d;
  else if constexpr (M == pmMaskNotPen) r = ~p & d;
  else if constexpr (M == pmMerge) r = p | d;
  else if constexpr (M == pmNotMerge) r = ~(p | d);
  else if constexpr (M == pmMask) r = p & d;
  else if constexpr (M == pmNotMask) r = ~(p & d);
  else if constexpr (M == pmXor) r = p ^ d;
  else r = ~(p ^ d);  // pmNotXor
  return r & kRgbMask;
}

// A pen mode bound to a pen colour: maps a destination pixel to its result.
template <TPenMode M>
struct PenOp {
  std::uint32_t pen;
  static constexpr TPenMode kMode = M;
  std::uint32_t operator()(std::uint32_t d) const { return MixPen<M>(pen, d); }
};

// Calls f(PenOp<mode>{pen}) with the mode as a compile-time constant, so the
// caller's loop is instantiated once per mode. Unknown modes act as pmCopy.
template <class F>
decltype(auto) WithPenOp(TPenMode mode, std::uint32_t pen, F&& f) {
  switch (mode) {
    case pmBlack: return f(PenOp<pmBlack>{pen});
    case pmWhite: return f(PenOp<pmWhite>{pen});
    case pmNop: return f(PenOp<pmNop>{pen});
    case pmNot: return f(PenOp<pmNot>{pen});
    case pmNotCopy: return f(PenOp<pmNotCopy>{pen});
    case pmMergePenNot: return f(PenOp<pmMergePenNot>{pen});
    case pmMaskPenNot: return f(PenOp<pmMaskPenNot>{pen});
    case pmMergeNotPen: return f(PenOp<pmMergeNotPen>{pen});
    case pmMaskNotPen: return f(PenOp<pmMaskNotPen>{pen});
    case pmMerge: return f(PenOp<pmMerge>{pen});
    case pmNotMerge: return f(PenOp<pmNotMerge>{pen});
    case pmMask: return f(PenOp<pmMask>{pen});
    case pmNotMask: return f(PenOp<pmNotMask>{pen});
    case pmXor: return f(PenOp<pmXor>{pen});
    case pmNotXor: return f(PenOp<pmNotXor>{pen});
    case pmCopy:
    default: return f(PenOp<pmCopy>{pen});
  }
}

// Result of a copy mode for source s, destination d and brush colour b.
// Unknown modes copy the source.
constexpr std::uint32_t ApplyCopyMode(TCopyMode mode, std::uint32_t s, std::uint32_t d,
                                      std::uint32_t b) {
  std::uint32_t r = s;
  switch (mode) {
    case cmSrcCopy: r = s; break;
    case cmSrcInvert: r = s ^ d; break;
    case cmSrcAnd: r = s & d; break;
    case cmSrcPaint: r = s | d; break;
    case cmNotSrcCopy: r = ~s; break;
    case cmDstInvert: r = ~d; break;
    case cmBlackness: r = 0; break;
    case cmWhiteness: r = kRgbMask; break;
    case cmMergePaint: r = ~s | d; break;
    case cmSrcErase: r = s & ~d; break;
    case cmNotSrcErase: r = ~(s | d); break;
    case cmMergeCopy: r = s & b; break;
    default: r = s; break;
  }
  return r & kRgbMask;
}

// Dash patterns: bit k of the mask tells whether pixel k of a 24-pixel
// period is drawn. Every pattern's length divides 24, so a phase kept
// modulo 24 serves all of them.
inline constexpr int kDashPeriod = 24;

// Bits [from, from + count) set.
constexpr std::uint32_t DashRun(int from, int count) {
  return ((1u << count) - 1u) << from;
}

constexpr std::uint32_t DashMask(TPenStyle style) {
  switch (style) {
    case psDash: return DashRun(0, 18);  // 18 on, 6 off
    case psDot: return DashRun(0, 3) | DashRun(6, 3) | DashRun(12, 3) | DashRun(18, 3);
    case psDashDot: return DashRun(0, 9) | DashRun(15, 3);  // 9 on 6 off 3 on 6 off
    case psDashDotDot:  // 9 on 3 off 3 on 3 off 3 on 3 off
      return DashRun(0, 9) | DashRun(12, 3) | DashRun(18, 3);
    default: return DashRun(0, kDashPeriod);
  }
}

constexpr bool IsDashed(TPenStyle style) {
  return style == psDash || style == psDot || style == psDashDot || style == psDashDotDot;
}

}  // namespace pelk
