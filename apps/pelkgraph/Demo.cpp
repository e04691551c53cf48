// "demo": sample graphs on the library's defaults, each with data, saved as
// BMP and PNG.
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "pelkgraph/Commands.h"
#include "common/Output.h"
#include "common/OutputName.h"
#include "common/Picture.h"
#include "common/Series.h"

namespace pelk::cli {

namespace {

constexpr int kSamples = 400;

struct Curve {
  std::vector<float> x, y;
};

// Samples f at evenly spaced x in [from, to], or evenly spaced in log10(x).
Curve Sample(double from, double to, bool logSpaced, const std::function<double(double)>& f) {
  Curve curve;
  for (int i = 0; i <= kSamples; ++i) {
    const double t = static_cast<double>(i) / kSamples;
    const double x = logSpaced ? from * std::pow(to / from, t) : from + (to - from) * t;
    curve.x.push_back(static_cast<float>(x));
    curve.y.push_back(static_cast<float>(f(x)));
  }
  return curve;
}

// The value at the far end of a linear axis.
double AxisEnd(const TAxis& axis) { return axis.OriginValue() + axis.NumberOfDivisions() * axis.ScalePerDivision(); }

void Draw(TPelkgraph& graph, const Curve& curve, TColor color, bool secondY) {
  DrawSeries(graph, curve.x, curve.y, color, secondY);
}

// 1. The default graph with a sine across it.
void DrawDefaultGraph(GraphPicture& picture) {
  TPelkgraph& graph = picture.Graph();
  picture.Render();
  const TAxis& x = graph.XAxis();
  const TAxis& y = graph.YAxis();
  const double x0 = x.OriginValue(), x1 = AxisEnd(x);
  const double middle = (y.OriginValue() + AxisEnd(y)) / 2, amplitude = (AxisEnd(y) - y.OriginValue()) * 0.4;
  Draw(graph,
       Sample(x0, x1, false,
              [&](double v) { return middle + amplitude * std::sin(2 * std::numbers::pi * (v - x0) / (x1 - x0) * 2); }),
       SeriesColor(0), false);
}

// 2. A logarithmic X axis with vertical numbers and a second Y axis: a
// decaying exponential on the first Y axis, a phase-like curve on the second.
void DrawLogGraph(GraphPicture& picture) {
  TPelkgraph& graph = picture.Graph();
  graph.SetTitle("Logarithmic X axis");
  graph.SetSubtitle("decaying exponential, and a curve on the second Y axis");
  graph.XAxis().SetLog(true);
  graph.XAxis().SetAnnotationAngle(TAnnotationAngle::Vertical);
  graph.XAxis().SetAxisLabel("Time (s)");
  graph.YAxis().SetAxisLabel("Amplitude");
  graph.SetSecondYaxis(true);
  graph.YAxis2().SetAxisLabel("Phase (deg)");
  graph.YAxis2().SetScale(-30.0);
  graph.YAxis2().SetOrgVal(0.0);
  picture.Render();
  const TAxis& x = graph.XAxis();
  const double from = std::pow(10.0, x.MinExponent());
  const double to = std::pow(10.0, x.MinExponent() + x.NumberOfDivisions());
  const double top = AxisEnd(graph.YAxis());
  Draw(graph, Sample(from, to, true, [&](double v) { return top * 0.95 * std::exp(-(v - from) / (to - from) * 12); }),
       SeriesColor(0), false);
  const double depth = AxisEnd(graph.YAxis2());
  Draw(graph,
       Sample(from, to, true, [&](double v) { return depth * std::atan(std::log10(v / from)) / std::atan(3.0) * 0.9; }),
       SeriesColor(1), true);
}

// 3. Axes whose numbers share a power of ten: thousands on Y, hundredths on X.
void DrawScaledGraph(GraphPicture& picture) {
  TPelkgraph& graph = picture.Graph();
  graph.SetTitle("Numbers with a common power of ten");
  graph.XAxis().SetScale(0.01);
  graph.YAxis().SetScale(1000.0);
  graph.XAxis().SetAxisLabel("Distance (m)");
  graph.YAxis().SetAxisLabel("Pressure (Pa)");
  picture.Render();
  const TAxis& x = graph.XAxis();
  const TAxis& y = graph.YAxis();
  const double x0 = x.OriginValue(), x1 = AxisEnd(x);
  const double middle = (y.OriginValue() + AxisEnd(y)) / 2, amplitude = (AxisEnd(y) - y.OriginValue()) * 0.45;
  Draw(graph,
       Sample(x0, x1, false,
              [&](double v) {
                const double t = (v - x0) / (x1 - x0);
                return middle + amplitude * std::exp(-2 * t) * std::cos(2 * std::numbers::pi * 4 * t);
              }),
       SeriesColor(2), false);
}

}  // namespace

void RunDemo(const DemoOptions& options, const CommandStreams& streams) {
  const std::string_view base = WithoutImageExtension(options.output);
  const std::function<void(GraphPicture&)> graphs[] = {DrawDefaultGraph, DrawLogGraph, DrawScaledGraph};
  int index = 0;
  for (const auto& draw : graphs) {
    ++index;
    GraphPicture picture(options.dpi);
    draw(picture);
    for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png}) {
      const std::string name = NumberedFileName(base, index, format);
      SavePicture(picture.Graph(), name);
      streams.out << name << std::endl;
    }
  }
}

}  // namespace pelk::cli
