// Printing a graph with its data: PrintGrids on a Letter page at 600 dpi and
// a million-point random walk plotted with PlotDestination Both, written as a
// PDF; as vector graphics, and with an xor pen, which writes the raster page
// instead. Each reports its time and the peak resident memory of its run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "ProcessMemory.h"
#include "RandomWalk.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "platform/Printer.h"

namespace {

using namespace pelk;

constexpr int kDpi = 600;
constexpr std::size_t kPoints = 1'000'000;

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()) + ".pdf"))
      .string();
}

void PrintGraph(benchmark::State& state, TPenMode mode, const char* name) {
  static const bench::Walk walk = bench::MakeRandomWalk(kPoints);
  const std::string path = OutputPath(name);
  TForm form;
  form.SetClientSize(1000, 800);
  TPelkgraph graph(&form);
  graph.SetTitle("A million-point random walk");
  graph.SetAxis(graph.XAxis(), 10, 0.0f, static_cast<float>(kPoints), true);
  graph.SetAxis(graph.YAxis(), 8, walk.yMin, walk.yMax, true);
  graph.Refresh();
  graph.SetPlotColor(clRed);
  TPrinter& printer = Printer();
  printer.SetResolution(kDpi, kDpi);
  printer.SetPaperSize(TPaperSize::Letter);
  bench::ResetPeakMemory();
  const long before = bench::StatusKiB("VmHWM");
  for (auto _ : state) {
    printer.BeginDoc(path);
    graph.SetPlotDestination(TPlotDestination::ScreenOnly);
    graph.PrintGrids(0.5f, 0.5f, 7.5f);
    graph.SetPlotDestination(TPlotDestination::Both);
    graph.SetPenMode(mode);
    graph.MoveScaledTo(walk.x[0], walk.y[0]);
    for (std::size_t i = 1; i < kPoints; ++i) graph.LineScaledTo(walk.x[i], walk.y[i]);
    printer.EndDoc();
    graph.SetPenMode(pmCopy);
  }
  state.counters["peak_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM")) / 1024.0;
  state.counters["growth_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM") - before) / 1024.0;
  state.counters["pdf_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::filesystem::remove(path);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
}

void BM_PrintedGraphAsVectors(benchmark::State& state) { PrintGraph(state, pmCopy, "graph-vectors"); }
BENCHMARK(BM_PrintedGraphAsVectors)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintedGraphXorAsRaster(benchmark::State& state) { PrintGraph(state, pmXor, "graph-raster"); }
BENCHMARK(BM_PrintedGraphXorAsRaster)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
