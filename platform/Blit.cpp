#include "platform/Blit.h"

#include <algorithm>
#include <vector>

#include "platform/RasterOps.h"

namespace pelk {

namespace {

__extension__ typedef __int128 Int128;

std::int64_t Abs64(std::int64_t v) { return v < 0 ? -v : v; }

// Source index (or -1 outside [0, srcLimit)) for every destination index in
// [first, last) of one axis.
std::vector<int> AxisMap(std::int64_t destFrom, std::int64_t destTo, std::int64_t srcFrom,
                         std::int64_t srcTo, int first, int last, int srcLimit) {
  const std::int64_t destLen = Abs64(destTo - destFrom);
  const std::int64_t srcLen = Abs64(srcTo - srcFrom);
  const std::int64_t destStart = std::min(destFrom, destTo);
  const std::int64_t srcStart = std::min(srcFrom, srcTo);
  const bool mirror = (destTo < destFrom) != (srcTo < srcFrom);
  std::vector<int> map(static_cast<std::size_t>(std::max(last - first, 0)), -1);
  for (int d = first; d < last; ++d) {
    // Without stretching each pixel samples its own offset.
    std::int64_t k = destLen == srcLen ? d - destStart : NearestSourceOffset(d - destStart, destLen, srcLen);
    if (mirror) k = srcLen - 1 - k;
    const std::int64_t source = srcStart + k;
    if (source >= 0 && source < srcLimit) map[static_cast<std::size_t>(d - first)] = static_cast<int>(source);
  }
  return map;
}

// True when the map is a run of consecutive source indices without gaps.
bool IsIdentityRun(const std::vector<int>& map) {
  for (std::size_t i = 0; i < map.size(); ++i) {
    if (map[i] < 0 || map[i] != map[0] + static_cast<int>(i)) return false;
  }
  return true;
}

// Extent [lo, hi] of the valid entries of a map; lo > hi when none is valid.
std::pair<int, int> MapExtent(const std::vector<int>& map) {
  int lo = 1, hi = 0;
  for (int v : map) {
    if (v < 0) continue;
    if (lo > hi) {
      lo = hi = v;
    } else {
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
  return {lo, hi};
}

}  // namespace

std::int64_t NearestSourceOffset(std::int64_t j, std::int64_t destLen, std::int64_t srcLen) {
  if (destLen <= 0) return 0;
  return static_cast<std::int64_t>((Int128{2} * j + 1) * srcLen / (Int128{2} * destLen));
}

void StretchBlit(Surface& dst, const TRect& clip, const Rect64& dest, const Surface& src,
                 const Rect64& srcRect, TCopyMode mode, std::uint32_t brush) {
  if (dest.Left == dest.Right || dest.Top == dest.Bottom) return;
  if (srcRect.Left == srcRect.Right || srcRect.Top == srcRect.Bottom) return;
  const int x0 = static_cast<int>(std::max<std::int64_t>(std::min(dest.Left, dest.Right), clip.Left));
  const int x1 = static_cast<int>(std::min<std::int64_t>(std::max(dest.Left, dest.Right), clip.Right));
  const int y0 = static_cast<int>(std::max<std::int64_t>(std::min(dest.Top, dest.Bottom), clip.Top));
  const int y1 = static_cast<int>(std::min<std::int64_t>(std::max(dest.Top, dest.Bottom), clip.Bottom));
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> cols = AxisMap(dest.Left, dest.Right, srcRect.Left, srcRect.Right, x0, x1, src.Width());
  std::vector<int> rows = AxisMap(dest.Top, dest.Bottom, srcRect.Top, srcRect.Bottom, y0, y1, src.Height());
  // Plain names, not structured bindings: lambdas below capture them.
  const auto colExtent = MapExtent(cols);
  const auto rowExtent = MapExtent(rows);
  const int colLo = colExtent.first, colHi = colExtent.second;
  const int rowLo = rowExtent.first, rowHi = rowExtent.second;
  if (colLo > colHi || rowLo > rowHi) return;

  // Read the source through a view; a copy when it is also the destination.
  const std::size_t viewWidth = static_cast<std::size_t>(colHi - colLo + 1);
  std::vector<std::uint32_t> copy;
  auto sourceRow = [&](int y) { return src.Row(y) + colLo; };
  if (&src == &dst) {
    copy.resize(viewWidth * static_cast<std::size_t>(rowHi - rowLo + 1));
    for (int y = rowLo; y <= rowHi; ++y) {
      std::copy_n(src.Row(y) + colLo, viewWidth, copy.data() + (y - rowLo) * viewWidth);
    }
  }
  const auto viewRow = [&](int y) -> const std::uint32_t* {
    return copy.empty() ? sourceRow(y) : copy.data() + static_cast<std::size_t>(y - rowLo) * viewWidth;
  };

  const bool plainCopy = mode == cmSrcCopy && IsIdentityRun(cols);
  for (int y = y0; y < y1; ++y) {
    const int sy = rows[static_cast<std::size_t>(y - y0)];
    if (sy < 0) continue;
    const std::uint32_t* in = viewRow(sy);
    std::uint32_t* out = dst.Row(y);
    if (plainCopy) {
      std::copy_n(in + (cols.front() - colLo), cols.size(), out + x0);
      continue;
    }
    for (int x = x0; x < x1; ++x) {
      const int sx = cols[static_cast<std::size_t>(x - x0)];
      if (sx < 0) continue;
      out[x] = ApplyCopyMode(mode, in[sx - colLo], out[x], brush);
    }
  }
}

}  // namespace pelk
