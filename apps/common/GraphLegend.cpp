#include "common/GraphLegend.h"

#include <algorithm>
#include <cmath>

#include "platform/Bitmap.h"
#include "platform/Printer.h"
#include "platform/Screen.h"

namespace pelk::cli {

namespace {

struct NameMeasure {
  int widest = 0;
  int cell = 0;
};

NameMeasure MeasureNames(TCanvas& canvas, const TFont& font, const view::PlotData& data) {
  canvas.Font().Assign(font);
  NameMeasure measure{0, canvas.TextHeight("Hg")};
  for (const view::SeriesData& series : data.series) measure.widest = std::max(measure.widest, canvas.TextWidth(series.name));
  return measure;
}

}  // namespace

std::optional<PlacedLegend> DrawScreenLegend(TPelkgraph& graph, const view::PlotData& data, LegendPlace place,
                                             double scale) {
  const TFont& font = graph.XAxis().Font();
  const NameMeasure names = MeasureNames(graph.Canvas(), font, data);
  const LegendMetrics metrics = LegendMetricsFor(scale, names.cell);
  const TRect area{graph.Xorigin(), graph.Yend(), graph.Xend(), graph.Yorigin()};
  const int rows = static_cast<int>(data.series.size());
  const std::vector<TPoint> points = DataPoints(graph, data);
  const std::optional<Corner> corner = LegendCorner(place, area, metrics, names.widest, rows, points);
  if (!corner) return std::nullopt;
  const TRect frame = *LegendFrame(area, *corner, metrics, names.widest, rows);
  PlacedLegend placed{*corner, DrawLegend(graph.Canvas(), frame, metrics, data, font, scale, false)};
  graph.SaveCanvas();
  return placed;
}

void DrawPrintedLegend(TPelkgraph& graph, const view::PlotData& data, Corner corner, double scale) {
  TCanvas& page = Printer().Canvas();
  const float factor = graph.PrinterScaleFactor();
  // The printed graph's fonts grow with it as its distances do.
  TFont font;
  font.Assign(graph.XAxis().Font());
  const double points = font.Size() * factor * Screen().PixelsPerInch() / std::max(1, graph.PrinterPixelsPerInch());
  font.SetSize(std::max(1, static_cast<int>(std::lround(points))));
  const NameMeasure names = MeasureNames(page, font, data);
  const LegendMetrics metrics = LegendMetricsFor(scale * factor, names.cell);
  const TRect area{graph.PrinterXorigin(), graph.PrinterYend(), graph.PrinterXend(), graph.PrinterYorigin()};
  const std::optional<TRect> frame =
      LegendFrame(area, corner, metrics, names.widest, static_cast<int>(data.series.size()));
  if (frame) DrawLegend(page, *frame, metrics, data, font, scale * factor, graph.PrintMonoChrome());
}

}  // namespace pelk::cli
