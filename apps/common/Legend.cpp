#include "common/Legend.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "plot/Mapping.h"
#include "platform/Gdi.h"

namespace pelk::cli {

namespace {

int Scaled(int pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

AxisMap MapOf(const TAxis& axis, int divisionWidth, int originPixel, AxisOrientation orientation) {
  static const double ln10 = std::log(10.0);
  return AxisMap({axis.LogAxis(), axis.OriginValue(), axis.ScalePerDivision(), axis.MinExponent()},
                 {divisionWidth, originPixel, orientation}, ln10);
}

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

std::optional<Corner> FreestCorner(const TRect& plotArea, const LegendMetrics& metrics, int widestName, int rows,
                                   std::span<const TPoint> points) {
  constexpr std::array<Corner, 4> kOrder{Corner::TopRight, Corner::TopLeft, Corner::BottomRight, Corner::BottomLeft};
  std::optional<Corner> best;
  long long fewest = 0;
  for (Corner corner : kOrder) {
    const std::optional<TRect> frame = LegendFrame(plotArea, corner, metrics, widestName, rows);
    if (!frame) return std::nullopt;
    const long long covered = std::count_if(points.begin(), points.end(), [&](TPoint p) { return Inside(*frame, p); });
    if (!best || covered < fewest) {
      best = corner;
      fewest = covered;
    }
  }
  return best;
}

std::optional<Corner> LegendCorner(LegendPlace place, const TRect& plotArea, const LegendMetrics& metrics,
                                   int widestName, int rows, std::span<const TPoint> points) {
  std::optional<Corner> corner;
  switch (place) {
    case LegendPlace::None: return std::nullopt;
    case LegendPlace::Auto:
      if (rows < 2) return std::nullopt;
      return FreestCorner(plotArea, metrics, widestName, rows, points);
    case LegendPlace::TopLeft: corner = Corner::TopLeft; break;
    case LegendPlace::TopRight: corner = Corner::TopRight; break;
    case LegendPlace::BottomLeft: corner = Corner::BottomLeft; break;
    case LegendPlace::BottomRight: corner = Corner::BottomRight; break;
  }
  if (rows < 1 || !LegendFrame(plotArea, *corner, metrics, widestName, rows)) return std::nullopt;
  return corner;
}

std::vector<TPoint> DataPoints(const TPelkgraph& graph, const view::PlotData& data) {
  const TRect area{graph.Xorigin(), graph.Yend(), graph.Xend() + 1, graph.Yorigin() + 1};
  const AxisMap x = MapOf(graph.XAxis(), graph.XAxis().DivisionWidth(), graph.Xorigin(), AxisOrientation::Horizontal);
  const AxisMap y = MapOf(graph.YAxis(), graph.YAxis().DivisionWidth(), graph.Yorigin(), AxisOrientation::Vertical);
  const AxisMap y2 = MapOf(graph.YAxis2(), graph.YAxis().DivisionWidth(), graph.Yorigin(), AxisOrientation::Vertical);
  std::vector<TPoint> points;
  for (const view::SeriesData& series : data.series) {
    const AxisMap& ys = series.secondY && graph.SecondYaxis() ? y2 : y;
    const std::size_t count = std::min(data.x.size(), series.y.size());
    for (std::size_t i = 0; i < count; ++i) {
      const float px = x.UncheckedPixel(data.x[i]);
      const float py = ys.UncheckedPixel(series.y[i]);
      if (!(std::fabs(px) < 1e9f && std::fabs(py) < 1e9f)) continue;
      const TPoint p{static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
      if (Inside(area, p)) points.push_back(p);
    }
  }
  return points;
}

std::vector<TextBox> DrawLegend(TCanvas& canvas, const TRect& frame, const LegendMetrics& m,
                                const view::PlotData& data, const TFont& font, double scale, bool monochrome) {
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
  for (const view::SeriesData& series : data.series) {
    const int middle = top + m.rowHeight / 2;
    const int lineLeft = frame.Left + m.padding;
    pen.SetColor(monochrome ? clBlack : series.pen.color);
    pen.SetWidth(std::max(1, static_cast<int>(std::lround(series.pen.width * scale))));
    pen.SetStyle(PenStyleOf(series.pen.style));
    canvas.MoveTo(lineLeft, middle);
    canvas.LineTo(lineLeft + m.sampleLength, middle);
    const int textLeft = lineLeft + m.sampleLength + m.gap;
    const int textTop = middle - cell / 2;
    canvas.TextOut(textLeft, textTop, series.name);
    boxes.push_back({TRect{textLeft, textTop, textLeft + canvas.TextWidth(series.name), textTop + cell}, series.name,
                     TextKind::Legend});
    top += m.rowHeight;
  }
  pen.SetStyle(psSolid);
  pen.SetWidth(1);
  return boxes;
}

}  // namespace pelk::cli
