// The most expensive arguments a caller can pass: a huge title in a huge
// font on a tiny graph, and an axis of a hundred million one-pixel divisions
// on a tall graph, each beside the default graph's Refresh as the peer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"

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

void BM_RefreshHugeTitle(benchmark::State& state) {
  FixedGraph scene(10, 10);
  scene.graph->TitleFont().SetSize(768);
  std::string title;
  for (int i = 0; i < 20000; ++i) title += static_cast<char>('!' + i % 94);  // every printable glyph
  scene.graph->SetTitle(title);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("20,000 characters at 768 pt on 10x10");
}
BENCHMARK(BM_RefreshHugeTitle)->Unit(benchmark::kMillisecond);

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
