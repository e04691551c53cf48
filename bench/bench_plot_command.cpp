// "pelkgraph plot" end to end on a data file of a row number and a random
// walk with six decimals, with the tool's defaults: the file read for its
// ranges, the axes fitted, the frame rendered, the file read again to draw
// the walk, the picture saved as PNG. Beside it in the same run the peer that
// bounds such a plot from below: the plain std::from_chars reader over the
// same file twice, once for the ranges and once mapping each point to its
// pixel in a 1920 x 1080 image. Each reports its peak resident memory; the rows are
// 10,000 and 10,000,000, and with PELK_BENCH_HUGE=1 also 100,000,000 (a file
// of about 2 GB).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "ProcessMemory.h"
#include "WalkFile.h"
#include "pelkgraph/Commands.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

const pelk::bench::WalkFile& FileOf(long rows) {
  static std::map<long, std::unique_ptr<pelk::bench::WalkFile>> files;
  std::unique_ptr<pelk::bench::WalkFile>& file = files[rows];
  if (!file) file = std::make_unique<pelk::bench::WalkFile>(rows);
  return *file;
}

void RowCounts(benchmark::internal::Benchmark* b) {
  b->Arg(10'000)->Arg(10'000'000);
  if (const char* huge = std::getenv("PELK_BENCH_HUGE"); huge && std::string(huge) == "1") b->Arg(100'000'000);
}

void Report(benchmark::State& state, const pelk::bench::WalkFile& file, long peakKiB) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * file.bytes);
  state.counters["peak_MB"] = static_cast<double>(peakKiB) / 1024.0;
}

void BM_PlotCommand(benchmark::State& state) {
  const pelk::bench::WalkFile& file = FileOf(state.range(0));
  pelk::cli::PlotOptions options;
  options.input = file.path.string();
  options.output = (std::filesystem::temp_directory_path() / "pelk-bench-plot-command.png").string();
  long peak = 0;
  for (auto _ : state) {
    pelk::bench::ResetPeakMemory();
    std::istringstream in;
    std::ostringstream out, err;
    pelk::cli::RunPlot(options, {in, out, err});
    peak = std::max(peak, pelk::bench::StatusKiB("VmHWM"));
  }
  std::filesystem::remove(options.output);
  Report(state, file, peak);
}
BENCHMARK(BM_PlotCommand)->Apply(RowCounts)->Unit(benchmark::kMillisecond);

// The essential work: parse every row twice, find the ranges, map each point
// linearly to the image and set its pixel.
void BM_MinimalTwoPassPlot(benchmark::State& state) {
  const pelk::bench::WalkFile& file = FileOf(state.range(0));
  std::vector<std::uint32_t> image(static_cast<std::size_t>(kWidth) * kHeight);
  long peak = 0;
  for (auto _ : state) {
    pelk::bench::ResetPeakMemory();
    double xLo = INFINITY, xHi = -INFINITY, yLo = INFINITY, yHi = -INFINITY;
    pelk::bench::ForEachFromCharsRow(file.path, [&](double x, double y) {
      xLo = std::min(xLo, x);
      xHi = std::max(xHi, x);
      yLo = std::min(yLo, y);
      yHi = std::max(yHi, y);
    });
    const double xScale = (kWidth - 1) / std::max(xHi - xLo, 1e-30);
    const double yScale = (kHeight - 1) / std::max(yHi - yLo, 1e-30);
    std::fill(image.begin(), image.end(), 0xFFFFFFu);
    pelk::bench::ForEachFromCharsRow(file.path, [&](double x, double y) {
      const auto px = static_cast<std::size_t>(std::lrint((x - xLo) * xScale));
      const auto py = static_cast<std::size_t>(std::lrint((yHi - y) * yScale));
      image[py * kWidth + px] = 0x0000FFu;
    });
    benchmark::DoNotOptimize(image.data());
    benchmark::ClobberMemory();
    peak = std::max(peak, pelk::bench::StatusKiB("VmHWM"));
  }
  Report(state, file, peak);
}
BENCHMARK(BM_MinimalTwoPassPlot)->Apply(RowCounts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
