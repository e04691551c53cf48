// The most expensive arguments a caller can pass: a huge title in a huge
// font on a tiny graph, and an axis of a hundred million one-pixel divisions
// on a tall graph, each beside the default graph's Refresh as the peer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "platform/Printer.h"

using namespace pelk;

namespace {

struct FixedGraph {
  FixedGraph(int width, int height) {
    form.SetClientSize(std::min(width, 1000), std::min(height, 1000));
    graph = std::make_unique<TPelkgraph>(&form);
    graph->SetAutoSize(false);
    graph->SetStretchAxes(TStretchOption::No);
    graph->SetBounds(0, 0, width, height);
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

void BM_RefreshDefaultGraph(benchmark::State& state) {
  TForm form;
  form.SetClientSize(400, 400);
  TPelkgraph graph(&form);
  for (auto _ : state) graph.Refresh();
  state.SetLabel("the peer: an ordinary frame");
}
BENCHMARK(BM_RefreshDefaultGraph)->Unit(benchmark::kMillisecond);

// 20,000 characters cycling through every printable glyph.
std::string HugeText() {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += static_cast<char>('!' + i % 94);
  return text;
}

void HugeTitle(benchmark::State& state, int width, int height) {
  FixedGraph scene(width, height);
  scene.graph->TitleFont().SetSize(768);
  scene.graph->SetTitle(HugeText());
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("20,000 characters at 768 pt on " + std::to_string(width) + "x" + std::to_string(height));
}

void BM_RefreshHugeTitle(benchmark::State& state) { HugeTitle(state, 10, 10); }
BENCHMARK(BM_RefreshHugeTitle)->Unit(benchmark::kMillisecond);

void BM_RefreshHugeTitle16Megapixels(benchmark::State& state) { HugeTitle(state, 4000, 4000); }
BENCHMARK(BM_RefreshHugeTitle16Megapixels)->Unit(benchmark::kMillisecond);

void BM_RefreshHugeLabelsAndNumbers(benchmark::State& state) {
  FixedGraph scene(2000, 2000);
  TPelkgraph& g = *scene.graph;
  for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) {
    axis->SetAxisLabel(HugeText());
    axis->Font().SetSize(768);
    axis->SetNdivs(1000000);
    axis->SetDivWidth(1);
    axis->SetAnnotationAngle(TAnnotationAngle::Vertical);
  }
  g.SetSecondYaxis(true);
  for (auto _ : state) g.Refresh();
  state.SetLabel("768 pt labels of 20,000 characters and a million divisions on each axis, 2000x2000");
}
BENCHMARK(BM_RefreshHugeLabelsAndNumbers)->Unit(benchmark::kMillisecond);

void BM_RefreshOverlappingHugeNumbers(benchmark::State& state) {
  FixedGraph scene(48, 48);
  TPelkgraph& g = *scene.graph;
  TAxis& axis = g.XAxis();
  axis.Font().SetSize(768);
  axis.SetNdivs(1000000000);
  axis.SetDivWidth(1);
  axis.SetScale(1.234567e-3);
  axis.SetNdecs(18);
  for (auto _ : state) g.Refresh();
  state.SetLabel("768 pt numbers on a billion divisions of 1 pixel, 48x48: every number overlaps the image");
}
BENCHMARK(BM_RefreshOverlappingHugeNumbers)->Unit(benchmark::kMillisecond);

void BM_PrintGridsHugeTitle(benchmark::State& state) {
  FixedGraph scene(400, 300);
  scene.graph->TitleFont().SetSize(768);
  scene.graph->SetTitle(HugeText());
  scene.graph->Refresh();
  TPrinter& printer = Printer();
  printer.SetResolution(600, 600);
  for (auto _ : state) {
    printer.BeginDoc();
    scene.graph->PrintGrids(0.5f, 0.5f, 7.5f);
    printer.EndDoc();
  }
  state.SetLabel("the same title printed at 600 dpi, raster page");
}
BENCHMARK(BM_PrintGridsHugeTitle)->Unit(benchmark::kMillisecond);

void BM_RefreshManyDivisions(benchmark::State& state) {
  FixedGraph scene(10, 4000000);
  scene.graph->XAxis().SetNdivs(100000000);
  scene.graph->XAxis().SetDivWidth(1);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("10x4,000,000, 100,000,000 X divisions of 1 pixel");
}
BENCHMARK(BM_RefreshManyDivisions)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
