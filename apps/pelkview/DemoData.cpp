#include "pelkview/DemoData.h"

#include <cmath>
#include <numbers>

#include "pelkview/AxisSetup.h"

namespace pelk::view {

namespace {

constexpr int kSamples = 4000;
constexpr double kPeriods = 2.0;
constexpr double kRipplePeriods = 60.0;
constexpr double kAmplitude = 0.4;   // of the Y axis's span
constexpr double kRipple = 0.02;     // of the Y axis's span

}  // namespace

PlotData DemoData(const TPelkgraph& graph) {
  const AxisRange x = ShownRange(graph.XAxis());
  const AxisRange y = ShownRange(graph.YAxis());
  const double x0 = x.from, x1 = x.to, y0 = y.from;
  const double span = y.to - y0;
  const double middle = y0 + span / 2;
  PlotData data;
  SeriesData& series = data.series.emplace_back();
  for (int i = 0; i <= kSamples; ++i) {
    const double t = static_cast<double>(i) / kSamples;
    const double phase = 2 * std::numbers::pi * t;
    data.x.push_back(static_cast<float>(x0 + (x1 - x0) * t));
    series.y.push_back(static_cast<float>(middle + span * (kAmplitude * std::sin(kPeriods * phase) +
                                                           kRipple * std::sin(kRipplePeriods * phase))));
  }
  return data;
}

}  // namespace pelk::view
