// Plotting speed and memory: a million-point random walk drawn into a
// full-HD graph (image and visible control canvas) by LineScaledTo, one call
// per point and in one batch call, against the minimal loop that does only
// the essential work (map, round, draw the same lines on two pixel arrays),
// a plain Bresenham loop on one surface and cairo (for comparison only);
// and the peak memory of plotting a thousand against a hundred million
// points.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "Peers.h"
#include "ProcessMemory.h"
#include "RandomWalk.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "plot/Mapping.h"
#include "tests/PelkgraphInternals.h"

namespace {

using namespace pelk;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kPoints = 1'000'000;
constexpr int kDivisions = 10;

using bench::Walk;

const Walk& RandomWalk() {
  static const Walk walk = bench::MakeRandomWalk(kPoints);
  return walk;
}

// A 1920 x 1080 graph on a form of its size, without text lines or axis
// labels, whose axes stretch to fill the control and span [xMin, xMax] and
// [yMin, yMax] exactly.
struct Scene {
  TForm form;
  TPelkgraph graph{&form};

  Scene(float xMin, float xMax, float yMin, float yMax) {
    form.SetClientSize(kWidth, kHeight);
    graph.SetAutoSize(false);
    graph.SetBounds(0, 0, kWidth, kHeight);
    graph.SetTitle("");
    graph.SetSubtitle("");
    graph.SetIdentification("");
    graph.XAxis().SetAxisLabel("");
    graph.YAxis().SetAxisLabel("");
    graph.SetLRmargin(0);
    graph.SetTBmargin(0);
    graph.SetStretchAxes(TStretchOption::Yes);
    graph.SetAxis(graph.XAxis(), kDivisions, xMin, (xMax - xMin) / kDivisions, false);
    graph.SetAxis(graph.YAxis(), kDivisions, yMin, (yMax - yMin) / kDivisions, false);
    // Stretching converges over two renders.
    graph.Refresh();
    graph.Refresh();
  }
};

void ReportPlotArea(benchmark::State& state, const TPelkgraph& g) {
  state.counters["plot_w"] = g.Xend() - g.Xorigin() + 1;
  state.counters["plot_h"] = g.Yorigin() - g.Yend() + 1;
}

enum Variant { kFull, kNoClip, kHiddenControl };

// The library's path; the variants show what clipping and the second canvas cost.
void BM_LineScaledTo(benchmark::State& state) {
  const Walk& w = RandomWalk();
  Scene scene(w.x.front(), w.x.back(), w.yMin, w.yMax);
  TPelkgraph& g = scene.graph;
  const auto variant = static_cast<Variant>(state.range(0));
  g.SetClipData(variant != kNoClip);
  g.SetVisible(variant != kHiddenControl);
  g.Refresh();
  for (auto _ : state) {
    g.MoveScaledTo(w.x[0], w.y[0]);
    for (std::size_t i = 1; i < kPoints; ++i) g.LineScaledTo(w.x[i], w.y[i]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
  state.counters["skipped"] = static_cast<double>(g.SkippedPoints());
  ReportPlotArea(state, g);
}
BENCHMARK(BM_LineScaledTo)->Arg(kFull)->Arg(kNoClip)->Arg(kHiddenControl)->Unit(benchmark::kMillisecond);

// The same walk in one batch call.
void BM_LineScaledToBatch(benchmark::State& state) {
  const Walk& w = RandomWalk();
  Scene scene(w.x.front(), w.x.back(), w.yMin, w.yMax);
  TPelkgraph& g = scene.graph;
  g.Refresh();
  const std::span<const float> xs(w.x), ys(w.y);
  for (auto _ : state) {
    g.MoveScaledTo(w.x[0], w.y[0]);
    g.LineScaledTo(xs.subspan(1), ys.subspan(1));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
  state.counters["skipped"] = static_cast<double>(g.SkippedPoints());
}
BENCHMARK(BM_LineScaledToBatch)->Unit(benchmark::kMillisecond);

// The walk's pixels as the graph maps them, computed once.
const std::vector<TPoint>& MappedWalk() {
  static const std::vector<TPoint> points = [] {
    const Walk& w = RandomWalk();
    Scene scene(w.x.front(), w.x.back(), w.yMin, w.yMax);
    std::vector<TPoint> p(kPoints);
    for (std::size_t i = 0; i < kPoints; ++i) {
      scene.graph.MoveScaledTo(w.x[i], w.y[i]);
      p[i] = {std::clamp(scene.graph.XCanvas(), 0, kWidth - 1), std::clamp(scene.graph.YCanvas(), 0, kHeight - 1)};
    }
    return p;
  }();
  return points;
}

// The two ways the minimal loop maps a value.
enum class Mapping {
  kExact,       // as the graph maps it: bit-identical to the extended rule
  kDoubleOnly,  // one double product, stored as float: not always the rule's float
};

// The essential work of LineScaledTo on a visible graph, and nothing else:
// each point mapped, rounded, and a thin line with its end pixel drawn into
// two pixel arrays (the image and the form). "differ" counts the pixels of
// the image array that the graph's own image does not have in the pen
// colour, or the other way round.
template <Mapping kMapping>
void BM_MinimalTwoSurfaceLoop(benchmark::State& state) {
  const Walk& w = RandomWalk();
  Scene scene(w.x.front(), w.x.back(), w.yMin, w.yMax);
  TPelkgraph& g = scene.graph;
  const TAxis& xAxis = g.XAxis();
  const TAxis& yAxis = g.YAxis();
  const AxisMap xMap({false, xAxis.OriginValue(), xAxis.ScalePerDivision(), 0},
                     {xAxis.DivisionWidth(), g.Xorigin(), AxisOrientation::Horizontal}, std::log(10.0));
  const AxisMap yMap({false, yAxis.OriginValue(), yAxis.ScalePerDivision(), 0},
                     {yAxis.DivisionWidth(), g.Yorigin(), AxisOrientation::Vertical}, std::log(10.0));
  const double xPerValue = xAxis.DivisionWidth() / xAxis.ScalePerDivision();
  const double yPerValue = yAxis.DivisionWidth() / yAxis.ScalePerDivision();
  const auto pixel = [&](float x, float y) {
    if constexpr (kMapping == Mapping::kExact) {
      return TPoint{*RoundPixel(xMap.UncheckedPixel(x)), *RoundPixel(yMap.UncheckedPixel(y))};
    } else {
      const auto px = static_cast<float>(g.Xorigin() + (x - xAxis.OriginValue()) * xPerValue);
      const auto py = static_cast<float>(g.Yorigin() - (y - yAxis.OriginValue()) * yPerValue);
      return TPoint{*RoundPixel(px), *RoundPixel(py)};
    }
  };
  constexpr std::uint32_t kPen = 0x0000FFu;
  std::vector<std::uint32_t> image(static_cast<std::size_t>(kWidth) * kHeight, 0xFFFFFFu);
  std::vector<std::uint32_t> form(image);
  for (auto _ : state) {
    TPoint from = pixel(w.x[0], w.y[0]);
    for (std::size_t i = 1; i < kPoints; ++i) {
      const TPoint to = pixel(w.x[i], w.y[i]);
      if (std::abs(to.X - from.X) <= 1 && std::abs(to.Y - from.Y) <= 1) {
        // A step of a pixel or none is its two end pixels.
        for (std::uint32_t* s : {image.data(), form.data()}) {
          s[static_cast<std::size_t>(from.Y) * kWidth + from.X] = kPen;
          s[static_cast<std::size_t>(to.Y) * kWidth + to.X] = kPen;
        }
      } else {
        bench::PlainBresenhamLine(image.data(), kWidth, from.X, from.Y, to.X, to.Y, kPen, true);
        bench::PlainBresenhamLine(form.data(), kWidth, from.X, from.Y, to.X, to.Y, kPen, true);
      }
      from = to;
    }
    benchmark::DoNotOptimize(image.data());
    benchmark::DoNotOptimize(form.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
  g.SetPlotColor(clRed);
  g.Refresh();
  g.MoveScaledTo(w.x[0], w.y[0]);
  g.LineScaledTo(std::span<const float>(w.x).subspan(1), std::span<const float>(w.y).subspan(1));
  const Surface& drawn = TPelkgraphInternals::Bitmap(g).Pixels();
  std::int64_t differ = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      differ += (image[static_cast<std::size_t>(y) * kWidth + x] == kPen) != (drawn.Get(x, y) == kPen);
  state.counters["differ"] = static_cast<double>(differ);
}
BENCHMARK(BM_MinimalTwoSurfaceLoop<Mapping::kExact>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinimalTwoSurfaceLoop<Mapping::kDoubleOnly>)->Unit(benchmark::kMillisecond);

void BM_PlainBresenham(benchmark::State& state) {
  const std::vector<TPoint>& p = MappedWalk();
  std::vector<std::uint32_t> image(static_cast<std::size_t>(kWidth) * kHeight, 0xFFFFFFu);
  for (auto _ : state) {
    for (std::size_t i = 1; i < p.size(); ++i) pelk::bench::PlainBresenhamLine(image.data(), kWidth, p[i - 1].X, p[i - 1].Y, p[i].X, p[i].Y, 0x0000FFu, true);
    benchmark::DoNotOptimize(image.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * p.size()));
}
BENCHMARK(BM_PlainBresenham)->Unit(benchmark::kMillisecond);

// One path through pixel centres, one aliased stroke of width 1.
void BM_Cairo(benchmark::State& state) {
  const std::vector<TPoint>& p = MappedWalk();
  bench::CairoImage image(kWidth, kHeight);
  for (auto _ : state) {
    image.StrokePolyline(p);
    benchmark::DoNotOptimize(image.Data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * p.size()));
}
BENCHMARK(BM_Cairo)->Unit(benchmark::kMillisecond);

// Peak memory growth while plotting state.range(0) points of a walk that
// is generated on the fly and never stored.
void BM_PeakMemory(benchmark::State& state) {
  const auto points = static_cast<std::int64_t>(state.range(0));
  const float spread = 4.0f * std::sqrt(static_cast<float>(points));
  Scene scene(0.0f, static_cast<float>(points), -spread, spread);
  TPelkgraph& g = scene.graph;
  const bool reset = bench::ResetPeakMemory();
  const long before = bench::StatusKiB("VmHWM");
  for (auto _ : state) {
    std::minstd_rand rng(7);
    std::uniform_real_distribution<float> step(-1.0f, 1.0f);
    float y = 0.0f;
    g.MoveScaledTo(0.0f, 0.0f);
    for (std::int64_t i = 1; i < points; ++i) {
      y += step(rng);
      g.LineScaledTo(static_cast<float>(i), y);
    }
  }
  const long after = bench::StatusKiB("VmHWM");
  state.counters["peak_KiB"] = static_cast<double>(after);
  state.counters["peak_growth_KiB"] = reset ? static_cast<double>(after - before) : -1.0;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * points);
}
BENCHMARK(BM_PeakMemory)->Arg(1000)->Arg(100'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
