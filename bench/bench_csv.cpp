// Reading a data file of two columns, a row number and a random walk with six
// decimals: the programs' reader alone, its first pass (with the ranges) and
// its second pass; beside them the peer that bounds a reader from below, a
// plain std::from_chars loop over the same file read the same way, in
// blocks, including the file read. Each reports bytes per second.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "WalkFile.h"
#include "common/DataTable.h"

namespace {

using namespace pelk::cli;

constexpr long kRows = 2'000'000;

const pelk::bench::WalkFile& File() {
  static const pelk::bench::WalkFile file(kRows);
  return file;
}

PlotOptions OptionsFor(const pelk::bench::WalkFile& file) {
  PlotOptions options;
  options.input = file.path.string();
  return options;
}

void CountBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * File().bytes);
}

void BM_ReadCsvBlocks(benchmark::State& state) {
  const InputFile file(File().path.string());
  for (auto _ : state) {
    FileSource source(file);
    std::size_t rows = 0;
    const CsvSummary summary = ReadCsvBlocks(source, {}, [&](const CsvBlock& block) { rows += block.rows; });
    benchmark::DoNotOptimize(rows);
    if (summary.rows != kRows) state.SkipWithError("rows lost");
  }
  CountBytes(state);
}
BENCHMARK(BM_ReadCsvBlocks)->Unit(benchmark::kMillisecond);

void BM_ScanDataTable(benchmark::State& state) {
  std::istringstream none;
  for (auto _ : state) {
    const DataTable table = ScanDataTable(OptionsFor(File()), none, nullptr);
    benchmark::DoNotOptimize(table.ranges.data());
  }
  CountBytes(state);
}
BENCHMARK(BM_ScanDataTable)->Unit(benchmark::kMillisecond);

void BM_ForEachRowBlock(benchmark::State& state) {
  std::istringstream none;
  const DataTable table = ScanDataTable(OptionsFor(File()), none, nullptr);
  for (auto _ : state) {
    float sum = 0.0f;
    ForEachRowBlock(table, [&](const CsvBlock& block) { sum += block.values[1][block.rows - 1]; });
    benchmark::DoNotOptimize(sum);
  }
  CountBytes(state);
}
BENCHMARK(BM_ForEachRowBlock)->Unit(benchmark::kMillisecond);

// The peer: the plain reader over the same file, into blocks of floats.
void BM_FromCharsLoop(benchmark::State& state) {
  constexpr std::size_t kBlock = 8192;
  std::vector<float> xs(kBlock), ys(kBlock);
  for (auto _ : state) {
    std::size_t rows = 0;
    float sum = 0.0f;
    const long read = pelk::bench::ForEachFromCharsRow(File().path, [&](double x, double y) {
      xs[rows % kBlock] = static_cast<float>(x);
      ys[rows % kBlock] = static_cast<float>(y);
      if (++rows % kBlock == 0) sum += xs[kBlock - 1] + ys[kBlock - 1];
    });
    benchmark::DoNotOptimize(sum);
    if (read != kRows) state.SkipWithError("rows lost");
  }
  CountBytes(state);
}
BENCHMARK(BM_FromCharsLoop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
