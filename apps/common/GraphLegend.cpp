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

NameMeasure MeasureNames(TCanvas& canvas, const TFont& font, std::span<const view::SeriesStyle> series) {
  canvas.Font().Assign(font);
  NameMeasure measure{0, canvas.TextHeight("Hg")};
  for (const view::SeriesStyle& style : series) measure.widest = std::max(measure.widest, canvas.TextWidth(style.name));
  return measure;
}

}  // namespace

ScreenLegend::ScreenLegend(TPelkgraph& graph, std::vector<view::SeriesStyle> series, LegendPlace place, double scale)
    : graph_(graph), series_(std::move(series)), place_(place), scale_(scale) {
  const NameMeasure names = MeasureNames(graph.Canvas(), graph.XAxis().Font(), series_);
  metrics_ = LegendMetricsFor(scale, names.cell);
  const TRect area{graph.Xorigin(), graph.Yend(), graph.Xend(), graph.Yorigin()};
  frames_ = LegendFrames(area, metrics_, names.widest, static_cast<int>(series_.size()));
  counting_ = frames_ && place == LegendPlace::Auto && series_.size() >= 2;
}

void ScreenLegend::Count(std::span<const float> x, std::span<const float> y, bool secondY) {
  if (counting_) CountCoveredPoints(graph_, x, y, secondY, *frames_, covered_);
}

std::optional<PlacedLegend> ScreenLegend::Draw() {
  const std::optional<Corner> corner =
      LegendCorner(place_, static_cast<int>(series_.size()), frames_.has_value(), covered_);
  if (!corner) return std::nullopt;
  const TRect& frame = (*frames_)[static_cast<std::size_t>(*corner)];
  PlacedLegend placed{*corner, DrawLegend(graph_.Canvas(), frame, metrics_, series_, graph_.XAxis().Font(), scale_, false)};
  graph_.SaveCanvas();
  return placed;
}

void DrawPrintedLegend(TPelkgraph& graph, std::span<const view::SeriesStyle> series, Corner corner, double scale) {
  TCanvas& page = Printer().Canvas();
  const float factor = graph.PrinterScaleFactor();
  // The printed graph's fonts grow with it as its distances do.
  TFont font;
  font.Assign(graph.XAxis().Font());
  const double points = font.Size() * factor * Screen().PixelsPerInch() / std::max(1, graph.PrinterPixelsPerInch());
  font.SetSize(std::max(1, static_cast<int>(std::lround(points))));
  const NameMeasure names = MeasureNames(page, font, series);
  const LegendMetrics metrics = LegendMetricsFor(scale * factor, names.cell);
  const TRect area{graph.PrinterXorigin(), graph.PrinterYend(), graph.PrinterXend(), graph.PrinterYorigin()};
  const std::optional<TRect> frame = LegendFrame(area, corner, metrics, names.widest, static_cast<int>(series.size()));
  if (frame) DrawLegend(page, *frame, metrics, series, font, scale * factor, graph.PrintMonoChrome());
}

}  // namespace pelk::cli
