// One-pixel LineTo throughput: a 1,000,000-segment random walk drawn into a
// 1920 x 1080 image by the bitmap canvas, by cairo (no antialiasing) and by a
// plain Bresenham loop. Each iteration draws the whole walk.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "Peers.h"
#include "platform/Bitmap.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kSegments = 1000000;

// Mirrors a coordinate that stepped past [0, limit) back inside.
int Reflect(int v, int limit) {
  if (v < 0) return -v;
  if (v >= limit) return 2 * (limit - 1) - v;
  return v;
}

// kSegments + 1 points, steps uniform in [-16, 16] on each axis.
const std::vector<pelk::TPoint>& Walk() {
  static const std::vector<pelk::TPoint> points = [] {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> step(-16, 16);
    std::vector<pelk::TPoint> p;
    p.reserve(kSegments + 1);
    pelk::TPoint at{kWidth / 2, kHeight / 2};
    p.push_back(at);
    for (int i = 0; i < kSegments; ++i) {
      at.X = Reflect(at.X + step(rng), kWidth);
      at.Y = Reflect(at.Y + step(rng), kHeight);
      p.push_back(at);
    }
    return p;
  }();
  return points;
}

void BM_CanvasLineTo(benchmark::State& state) {
  const auto& walk = Walk();
  pelk::TBitmap bitmap;
  bitmap.SetSize(kWidth, kHeight);
  bitmap.Pixels().Fill(pelk::clWhite);
  pelk::TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetColor(pelk::clBlack);
  for (auto _ : state) {
    canvas.MoveTo(walk[0].X, walk[0].Y);
    for (std::size_t i = 1; i < walk.size(); ++i) canvas.LineTo(walk[i].X, walk[i].Y);
    benchmark::DoNotOptimize(bitmap.Pixels().Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}

void BM_CairoStroke(benchmark::State& state) {
  const auto& walk = Walk();
  pelk::bench::CairoImage image(kWidth, kHeight);
  for (auto _ : state) {
    image.StrokePolyline(walk);
    benchmark::DoNotOptimize(image.Data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}

void BM_PlainBresenham(benchmark::State& state) {
  const auto& walk = Walk();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight, 0xFFFFFF);
  for (auto _ : state) {
    for (std::size_t i = 1; i < walk.size(); ++i) {
      pelk::bench::PlainBresenhamLine(pixels.data(), kWidth, walk[i - 1].X, walk[i - 1].Y, walk[i].X, walk[i].Y, 0, false);
    }
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}

}  // namespace

BENCHMARK(BM_CanvasLineTo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoStroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainBresenham)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
