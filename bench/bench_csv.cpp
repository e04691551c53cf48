// Reading a data file of two columns, a row number and a random walk with six
// decimals: the programs' reader alone, its first pass (with the ranges) and
// its second pass; beside them the peer that bounds a reader from below, a
// plain std::from_chars loop over the same file read the same way, in
// blocks, including the file read. Each reports bytes per second.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/DataTable.h"

namespace {

using namespace pelk::cli;

constexpr long kRows = 2'000'000;

// The file, written once and removed at exit.
struct DataFileOnDisk {
  std::filesystem::path path;
  long long bytes = 0;

  DataFileOnDisk() {
    path = std::filesystem::temp_directory_path() / ("pelk-bench-csv-" + std::to_string(::getpid()) + ".csv");
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-1.0, 1.0);
    double y = 0.0;
    std::fputs("x,y\n", file);
    for (long i = 0; i < kRows; ++i) {
      y += step(random);
      std::fprintf(file, "%ld,%.6f\n", i, y);
    }
    bytes = std::ftell(file);
    std::fclose(file);
  }
  ~DataFileOnDisk() { std::filesystem::remove(path); }
};

const DataFileOnDisk& File() {
  static const DataFileOnDisk file;
  return file;
}

PlotOptions OptionsFor(const DataFileOnDisk& file) {
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

// The peer: whole lines from 1 MiB reads, two std::from_chars per line into
// blocks of floats; no checks beyond what from_chars makes.
void BM_FromCharsLoop(benchmark::State& state) {
  constexpr std::size_t kBlock = 8192;
  std::vector<char> buffer(1 << 21);
  std::vector<float> xs(kBlock), ys(kBlock);
  for (auto _ : state) {
    const int descriptor = ::open(File().path.c_str(), O_RDONLY);
    std::size_t kept = 0, filled = 0, rows = 0;
    float sum = 0.0f;
    bool header = true;
    while (true) {
      const ssize_t got = ::read(descriptor, buffer.data() + kept, (1 << 20));
      if (got <= 0) break;
      filled = kept + static_cast<std::size_t>(got);
      const char* p = buffer.data();
      const char* const end = p + filled;
      while (const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
        const char* newline = static_cast<const char*>(found);
        if (!header) {
          double x = 0.0, y = 0.0;
          const char* comma = std::from_chars(p, newline, x).ptr;
          std::from_chars(comma + 1, newline, y);
          xs[rows % kBlock] = static_cast<float>(x);
          ys[rows % kBlock] = static_cast<float>(y);
          if (++rows % kBlock == 0) sum += xs[kBlock - 1] + ys[kBlock - 1];
        }
        header = false;
        p = newline + 1;
      }
      kept = static_cast<std::size_t>(end - p);
      std::memmove(buffer.data(), p, kept);
    }
    ::close(descriptor);
    benchmark::DoNotOptimize(sum);
    if (rows != kRows) state.SkipWithError("rows lost");
  }
  CountBytes(state);
}
BENCHMARK(BM_FromCharsLoop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
