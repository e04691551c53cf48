// "demo": sample graphs on the library's defaults, each with data, saved as
// BMP and PNG, or printed on one page.
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "common/Distances.h"
#include "common/Output.h"
#include "common/OutputName.h"
#include "common/Picture.h"
#include "common/PictureFit.h"
#include "common/PlotData.h"
#include "common/SeriesColors.h"
#include "pelkgraph/Commands.h"
#include "pelkgraph/DemoGraphs.h"
#include "pelkgraph/PrintJob.h"

namespace pelk::cli {

namespace {

constexpr int kSamples = 400;

// Samples f at evenly spaced x in [from, to], or evenly spaced in log10(x),
// as the X values of `data` and one series.
void Sample(view::PlotData& data, double from, double to, bool logSpaced, const std::function<double(double)>& f,
            std::size_t color, bool secondY) {
  data.x.clear();
  view::SeriesData series;
  for (int i = 0; i <= kSamples; ++i) {
    const double t = static_cast<double>(i) / kSamples;
    const double x = logSpaced ? from * std::pow(to / from, t) : from + (to - from) * t;
    data.x.push_back(static_cast<float>(x));
    series.y.push_back(static_cast<float>(f(x)));
  }
  series.secondY = secondY;
  series.pen.color = SeriesColor(color);
  data.series.push_back(std::move(series));
}

// The value at the far end of a linear axis.
double AxisEnd(const TAxis& axis) { return axis.OriginValue() + axis.NumberOfDivisions() * axis.ScalePerDivision(); }

// A demo graph: its settings, then its data from the axes it was given.
struct DemoGraph {
  std::function<void(TPelkgraph&)> setUp;
  std::function<view::PlotData(const TPelkgraph&)> data;
};

// 1. The default axes with a sine across them.
void SetUpDefaultGraph(TPelkgraph& graph) {
  graph.SetTitle("The default axes");
  graph.SetSubtitle("");
  graph.SetIdentification("");
}

view::PlotData DefaultGraphData(const TPelkgraph& graph) {
  const TAxis& x = graph.XAxis();
  const TAxis& y = graph.YAxis();
  const double x0 = x.OriginValue(), x1 = AxisEnd(x);
  const double middle = (y.OriginValue() + AxisEnd(y)) / 2, amplitude = (AxisEnd(y) - y.OriginValue()) * 0.4;
  view::PlotData data;
  Sample(
      data, x0, x1, false,
      [&](double v) { return middle + amplitude * std::sin(2 * std::numbers::pi * (v - x0) / (x1 - x0) * 2); }, 0,
      false);
  return data;
}

// 2. A logarithmic X axis with vertical numbers and a second Y axis: a
// decaying exponential on the first Y axis, a phase-like curve on the second.
void SetUpLogGraph(TPelkgraph& graph) {
  graph.SetTitle("Logarithmic X axis");
  graph.SetSubtitle("exponential decay, phase on the second Y axis");
  graph.SetIdentification("");
  graph.XAxis().SetLog(true);
  graph.XAxis().SetAnnotationAngle(TAnnotationAngle::Vertical);
  graph.XAxis().SetAxisLabel("Time (s)");
  graph.YAxis().SetAxisLabel("Amplitude");
  graph.SetSecondYaxis(true);
  graph.YAxis2().SetAxisLabel("Phase (deg)");
  graph.YAxis2().SetScale(-30.0);
  graph.YAxis2().SetOrgVal(0.0);
}

view::PlotData LogGraphData(const TPelkgraph& graph) {
  const TAxis& x = graph.XAxis();
  const double from = std::pow(10.0, x.MinExponent());
  const double to = std::pow(10.0, x.MinExponent() + x.NumberOfDivisions());
  const double top = AxisEnd(graph.YAxis());
  const double depth = AxisEnd(graph.YAxis2());
  view::PlotData data;
  Sample(data, from, to, true, [&](double v) { return top * 0.95 * std::exp(-(v - from) / (to - from) * 12); }, 0,
         false);
  Sample(
      data, from, to, true,
      [&](double v) { return depth * std::atan(std::log10(v / from)) / std::atan(3.0) * 0.9; }, 1, true);
  return data;
}

// 3. Axes whose numbers share a power of ten: thousands on Y, hundredths on X.
void SetUpScaledGraph(TPelkgraph& graph) {
  graph.SetTitle("Numbers with a common power of ten");
  graph.SetSubtitle("");
  graph.SetIdentification("");
  graph.XAxis().SetScale(0.01);
  graph.YAxis().SetScale(1000.0);
  graph.XAxis().SetAxisLabel("Distance (m)");
  graph.YAxis().SetAxisLabel("Pressure (Pa)");
}

view::PlotData ScaledGraphData(const TPelkgraph& graph) {
  const TAxis& x = graph.XAxis();
  const TAxis& y = graph.YAxis();
  const double x0 = x.OriginValue(), x1 = AxisEnd(x);
  const double middle = (y.OriginValue() + AxisEnd(y)) / 2, amplitude = (AxisEnd(y) - y.OriginValue()) * 0.45;
  view::PlotData data;
  Sample(
      data, x0, x1, false,
      [&](double v) {
        const double t = (v - x0) / (x1 - x0);
        return middle + amplitude * std::exp(-2 * t) * std::cos(2 * std::numbers::pi * 4 * t);
      },
      2, false);
  return data;
}

const std::array<DemoGraph, kDemoGraphs>& DemoGraphs() {
  static const std::array<DemoGraph, kDemoGraphs> graphs{DemoGraph{SetUpDefaultGraph, DefaultGraphData},
                                                         DemoGraph{SetUpLogGraph, LogGraphData},
                                                         DemoGraph{SetUpScaledGraph, ScaledGraphData}};
  return graphs;
}

// Room left between the printed graphs and below the last, in inches.
constexpr double kPrintedGap = 0.3;

// The three graphs one above the other on one page, as wide as the page
// leaves room for (at most the width asked for).
void PrintDemo(const DemoOptions& options) {
  const double scale = DpiScale(options.dpi);
  std::vector<std::unique_ptr<GraphPicture>> pictures;
  double heightPerWidth = 0.0;
  for (const DemoGraph& demo : DemoGraphs()) {
    auto picture = std::make_unique<GraphPicture>(options.dpi);
    ScaleGraphDistances(picture->Graph(), scale);
    demo.setUp(picture->Graph());
    RenderAtNaturalSize(*picture);
    heightPerWidth += static_cast<double>(picture->Graph().Height()) / picture->Graph().Width();
    pictures.push_back(std::move(picture));
  }
  const PaperInches paper = PaperOf(options.print.paper);
  const double roomDown = paper.height - options.print.top - kPrintedGap * static_cast<double>(pictures.size());
  const double roomAcross = paper.width - 2 * options.print.left;
  double width = std::min(roomDown / heightPerWidth, roomAcross);
  if (options.print.width > 0.0f) width = std::min<double>(width, options.print.width);
  if (!(width > 0.0)) throw std::runtime_error("the demo's three graphs leave no room on the page");

  PrintJob job(options.print, options.output);
  double top = options.print.top;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    TPelkgraph& graph = pictures[i]->Graph();
    job.PrintFrame(graph, options.print.left, static_cast<float>(top), static_cast<float>(width));
    view::DrawPlotData(graph, DemoGraphs()[i].data(graph), scale);
    top += width * graph.Height() / graph.Width() + kPrintedGap;
  }
  job.Finish();
}

}  // namespace

std::unique_ptr<GraphPicture> DrawDemoGraph(std::size_t index, int dpi) {
  const double scale = DpiScale(dpi);
  auto picture = std::make_unique<GraphPicture>(dpi);
  TPelkgraph& graph = picture->Graph();
  ScaleGraphDistances(graph, scale);
  DemoGraphs().at(index).setUp(graph);
  RenderAtNaturalSize(*picture);
  view::DrawPlotData(graph, DemoGraphs()[index].data(graph), scale);
  return picture;
}

void RunDemo(const DemoOptions& options, const CommandStreams& streams) {
  if (PrintFormatOf(options.output)) {
    PrintDemo(options);
    streams.out << options.output << std::endl;
    return;
  }
  const std::string_view base = WithoutImageExtension(options.output);
  for (std::size_t i = 0; i < kDemoGraphs; ++i) {
    const std::unique_ptr<GraphPicture> picture = DrawDemoGraph(i, options.dpi);
    for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png}) {
      const std::string name = NumberedFileName(base, static_cast<int>(i) + 1, format);
      SavePicture(picture->Graph(), name);
      streams.out << name << std::endl;
    }
  }
}

}  // namespace pelk::cli
