#include "platform/PixelLayers.h"

#include <algorithm>
#include <vector>

namespace pelk {

namespace {

// A layer cut to the clip, in surface coordinates.
struct ClippedLayer {
  PixelLayer::Shape shape;
  std::uint32_t rgb;
  int top, bottom;
  int left, right;                 // Span
  std::size_t firstColumn, count;  // Columns: a stretch of the shared list
};

int ClampTo(std::int64_t v, int lo, int hi) { return static_cast<int>(std::clamp<std::int64_t>(v, lo, hi)); }

}  // namespace

void PaintPixelLayers(Surface& surface, const TRect& within, TPoint origin, std::span<const PixelLayer> layers) {
  const TRect clip{std::max(within.Left, 0), std::max(within.Top, 0), std::min(within.Right, surface.Width()),
                   std::min(within.Bottom, surface.Height())};
  if (clip.IsEmpty()) return;
  std::vector<ClippedLayer> cut;
  cut.reserve(layers.size());
  std::vector<int> columns;
  int rowsTop = clip.Bottom, rowsBottom = clip.Top;
  for (const PixelLayer& layer : layers) {
    ClippedLayer c{layer.shape, layer.rgb, ClampTo(layer.top + origin.Y, clip.Top, clip.Bottom),
                   ClampTo(layer.bottom + origin.Y, clip.Top, clip.Bottom), 0, 0, columns.size(), 0};
    if (layer.shape == PixelLayer::Shape::Span) {
      c.left = ClampTo(layer.left + origin.X, clip.Left, clip.Right);
      c.right = ClampTo(layer.right + origin.X, clip.Left, clip.Right);
      if (c.left >= c.right) continue;
    } else {
      for (const int x : layer.columns) {
        const std::int64_t sx = std::int64_t{x} + origin.X;
        if (sx >= clip.Left && sx < clip.Right) columns.push_back(static_cast<int>(sx));
      }
      c.count = columns.size() - c.firstColumn;
      if (c.count == 0) continue;
    }
    if (c.top >= c.bottom) continue;
    rowsTop = std::min(rowsTop, c.top);
    rowsBottom = std::max(rowsBottom, c.bottom);
    cut.push_back(c);
  }
  for (int y = rowsTop; y < rowsBottom; ++y) {
    std::uint32_t* row = surface.Row(y);
    for (const ClippedLayer& c : cut) {
      if (y < c.top || y >= c.bottom) continue;
      if (c.shape == PixelLayer::Shape::Span) {
        std::fill_n(row + c.left, c.right - c.left, c.rgb);
      } else {
        for (std::size_t i = c.firstColumn; i < c.firstColumn + c.count; ++i) row[columns[i]] = c.rgb;
      }
    }
  }
}

}  // namespace pelk
