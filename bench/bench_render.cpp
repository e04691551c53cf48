// Rendering and painting a graph frame, beside one fill of an image of the
// same size.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/Pelkgraph.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"

using namespace pelk;

namespace {

struct Scene {
  explicit Scene(bool full) {
    if (!full) {
      form.SetClientSize(400, 400);
      graph = std::make_unique<TPelkgraph>(&form);
      graph->Refresh();  // settles the AutoSize resize
      form.ProcessMessages();
      return;
    }
    form.SetClientSize(1920, 1080);
    graph = std::make_unique<TPelkgraph>(&form);
    TPelkgraph& g = *graph;
    g.SetAutoSize(false);
    g.SetBounds(0, 0, 1920, 1080);
    g.SetStretchAxes(TStretchOption::Yes);
    g.SetSecondYaxis(true);
    g.SetMinorGridDivisions(5);
    g.XAxis().SetNdivs(12);
    g.XAxis().SetScale(1000);
    g.XAxis().SetAnnotationAngle(TAnnotationAngle::Vertical);
    g.YAxis().SetNdivs(8);
    g.YAxis().SetScale(0.01);
    g.YAxis2().SetLog(true);
    g.YAxis2().SetMinExponent(-3);
    g.YAxis2().SetNdivs(8);
    g.Refresh();
    form.ProcessMessages();
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

void BM_RefreshAndPaintDefault(benchmark::State& state) {
  Scene scene(false);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("300x300-class default graph");
}
BENCHMARK(BM_RefreshAndPaintDefault)->Unit(benchmark::kMicrosecond);

void BM_RefreshAndPaint1920x1080(benchmark::State& state) {
  Scene scene(true);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("all features");
}
BENCHMARK(BM_RefreshAndPaint1920x1080)->Unit(benchmark::kMicrosecond);

void BM_PaintRetained1920x1080(benchmark::State& state) {
  Scene scene(true);
  scene.graph->MoveTo(0, 0);
  scene.graph->LineTo(10, 10);  // the image now holds data: paints only copy it
  for (auto _ : state) scene.graph->Paint();
}
BENCHMARK(BM_PaintRetained1920x1080)->Unit(benchmark::kMicrosecond);

void BM_FillImage1920x1080(benchmark::State& state) {
  TBitmap image;
  image.SetSize(1920, 1080);
  image.Canvas().Brush().SetColor(clSilver);
  for (auto _ : state) {
    image.Canvas().FillRect(TRect{0, 0, 1920, 1080});
    benchmark::DoNotOptimize(image.Pixels().Row(0));
  }
  state.SetLabel("one fill, the peer");
}
BENCHMARK(BM_FillImage1920x1080)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
