#include "common/Legend.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/GraphMapping.h"
#include "platform/Gdi.h"

namespace pelk::cli {

namespace {

int Scaled(int pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

}  // namespace

LegendMetrics LegendMetricsFor(double scale, int cellHeight) {
  return {Scaled(6, scale), Scaled(4, scale), Scaled(24, scale), Scaled(6, scale), cellHeight + Scaled(2, scale),
          Scaled(1, scale)};
}

std::optional<TRect> LegendFrame(const TRect& plotArea, Corner corner, const LegendMetrics& m, int widestName,
                                 int rows) {
  const long long width = 2LL * m.padding + m.sampleLength + m.gap + widestName;
  const long long height = 2LL * m.padding + static_cast<long long>(rows) * m.rowHeight;
  if (width + 2LL * m.inset > plotArea.Width() || height + 2LL * m.inset > plotArea.Height()) return std::nullopt;
  const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
  const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
  const int x = left ? plotArea.Left + m.inset : plotArea.Right - m.inset - static_cast<int>(width);
  const int y = top ? plotArea.Top + m.inset : plotArea.Bottom - m.inset - static_cast<int>(height);
  return TRect{x, y, x + static_cast<int>(width), y + static_cast<int>(height)};
}

std::optional<CornerFrames> LegendFrames(const TRect& plotArea, const LegendMetrics& metrics, int widestName,
                                         int rows) {
  CornerFrames frames;
  for (Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}) {
    const std::optional<TRect> frame = LegendFrame(plotArea, corner, metrics, widestName, rows);
    if (!frame) return std::nullopt;
    frames[static_cast<std::size_t>(corner)] = *frame;
  }
  return frames;
}

void CountCoveredPoints(const TPelkgraph& graph, std::span<const float> x, std::span<const float> y, bool secondY,
                        const CornerFrames& frames, CornerCounts& covered) {
  const AxisMap xMap = XMapOf(graph);
  const AxisMap yMap = YMapOf(graph, secondY);
  const std::size_t count = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < count; ++i) {
    const float px = xMap.UncheckedPixel(x[i]);
    const float py = yMap.UncheckedPixel(y[i]);
    if (!(std::fabs(px) < 1e9f && std::fabs(py) < 1e9f)) continue;
    const TPoint p{static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
    for (std::size_t k = 0; k < frames.size(); ++k) covered[k] += Inside(frames[k], p);
  }
}

Corner FreestCorner(const CornerCounts& covered) {
  constexpr std::array<Corner, 4> kOrder{Corner::TopRight, Corner::TopLeft, Corner::BottomRight, Corner::BottomLeft};
  Corner best = kOrder[0];
  for (Corner corner : kOrder) {
    if (covered[static_cast<std::size_t>(corner)] < covered[static_cast<std::size_t>(best)]) best = corner;
  }
  return best;
}

std::optional<Corner> LegendCorner(LegendPlace place, int rows, bool fits, const CornerCounts& covered) {
  if (!fits) return std::nullopt;
  switch (place) {
    case LegendPlace::None: break;
    case LegendPlace::Auto:
      if (rows >= 2) return FreestCorner(covered);
      break;
    case LegendPlace::TopLeft: return rows >= 1 ? std::optional(Corner::TopLeft) : std::nullopt;
    case LegendPlace::TopRight: return rows >= 1 ? std::optional(Corner::TopRight) : std::nullopt;
    case LegendPlace::BottomLeft: return rows >= 1 ? std::optional(Corner::BottomLeft) : std::nullopt;
    case LegendPlace::BottomRight: return rows >= 1 ? std::optional(Corner::BottomRight) : std::nullopt;
  }
  return std::nullopt;
}

std::vector<TextBox> DrawLegend(TCanvas& canvas, const TRect& frame, const LegendMetrics& m,
                                std::span<const view::SeriesStyle> series, const TFont& font, double scale,
                                bool monochrome) {
  std::vector<TextBox> boxes;
  TPen& pen = canvas.Pen();
  pen.SetMode(pmCopy);
  pen.SetStyle(psSolid);
  pen.SetWidth(m.frameWidth);
  pen.SetColor(clBlack);
  canvas.Brush().SetColor(clWhite);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Rectangle(frame.Left, frame.Top, frame.Right, frame.Bottom);
  canvas.Font().Assign(font);
  if (monochrome) canvas.Font().SetColor(clBlack);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextAlign(canvas.Handle(), TA_LEFT | TA_TOP);
  const int cell = canvas.TextHeight("Hg");
  int top = frame.Top + m.padding;
  for (const view::SeriesStyle& style : series) {
    const int middle = top + m.rowHeight / 2;
    const int lineLeft = frame.Left + m.padding;
    pen.SetColor(monochrome ? clBlack : style.pen.color);
    pen.SetWidth(std::max(1, static_cast<int>(std::lround(style.pen.width * scale))));
    pen.SetStyle(PenStyleOf(style.pen.style));
    canvas.MoveTo(lineLeft, middle);
    canvas.LineTo(lineLeft + m.sampleLength, middle);
    const int textLeft = lineLeft + m.sampleLength + m.gap;
    const int textTop = middle - cell / 2;
    canvas.TextOut(textLeft, textTop, style.name);
    boxes.push_back({TRect{textLeft, textTop, textLeft + canvas.TextWidth(style.name), textTop + cell}, style.name,
                     TextKind::Legend});
    top += m.rowHeight;
  }
  pen.SetStyle(psSolid);
  pen.SetWidth(1);
  return boxes;
}

}  // namespace pelk::cli
