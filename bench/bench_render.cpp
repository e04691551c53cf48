// Rendering and painting a graph frame at 1920 x 1080, beside one fill of an
// image of the same size (a minimal loop writing every pixel once), and the
// default graph. After the runs the ratios of the medians are printed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/EveryFrameFeature.h"

using namespace pelk;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Scene {
  explicit Scene(bool full) {
    if (!full) {
      form.SetClientSize(400, 400);
      graph = std::make_unique<TPelkgraph>(&form);
      graph->Refresh();  // settles the AutoSize resize
      form.ProcessMessages();
      return;
    }
    form.SetClientSize(kWidth, kHeight);
    graph = std::make_unique<TPelkgraph>(&form);
    TPelkgraph& g = *graph;
    g.SetAutoSize(false);
    g.SetBounds(0, 0, kWidth, kHeight);
    ShowEveryFrameFeature(g);
    g.Refresh();
    form.ProcessMessages();
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

void BM_RefreshDefault(benchmark::State& state) {
  Scene scene(false);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("the default graph");
}
BENCHMARK(BM_RefreshDefault)->Unit(benchmark::kMicrosecond);

void BM_Refresh1920x1080(benchmark::State& state) {
  Scene scene(true);
  for (auto _ : state) scene.graph->Refresh();
  state.SetLabel("all features, rendered and shown");
}
BENCHMARK(BM_Refresh1920x1080)->Unit(benchmark::kMicrosecond);

void BM_Paint1920x1080(benchmark::State& state) {
  Scene scene(true);
  scene.graph->MoveTo(0, 0);
  scene.graph->LineTo(10, 10);  // the image now holds data: paints only copy it
  for (auto _ : state) scene.graph->Paint();
  state.SetLabel("the retained image shown");
}
BENCHMARK(BM_Paint1920x1080)->Unit(benchmark::kMicrosecond);

// The peer: every pixel of an image of the same size written once.
void BM_OneFill1920x1080(benchmark::State& state) {
  std::vector<std::uint32_t> pixels(std::size_t{kWidth} * kHeight);
  std::uint32_t colour = clSilver;
  for (auto _ : state) {
    std::fill_n(pixels.data(), pixels.size(), colour);
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
    colour ^= 1;
  }
  state.SetLabel("one fill, the peer");
}
BENCHMARK(BM_OneFill1920x1080)->Unit(benchmark::kMicrosecond);

// Shows the runs as usual and keeps the CPU time of each repetition.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times_[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Median CPU time in microseconds; 0 when the benchmark did not run.
  double Median(const std::string& name) const {
    const auto found = times_.find(name);
    if (found == times_.end()) return 0;
    std::vector<double> t = found->second;
    std::sort(t.begin(), t.end());
    const std::size_t n = t.size();
    return n % 2 == 1 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
  }

 private:
  std::map<std::string, std::vector<double>> times_;
};

void PrintRatio(const RatioReporter& r, const char* name, const char* peer) {
  const double time = r.Median(name), peerTime = r.Median(peer);
  if (time <= 0 || peerTime <= 0) return;
  std::printf("%-22s %9.1f us  = %5.2f x %s (%.1f us)\n", name, time, time / peerTime, peer, peerTime);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nMedian CPU times and ratios:\n");
  PrintRatio(reporter, "BM_Refresh1920x1080", "BM_OneFill1920x1080");
  PrintRatio(reporter, "BM_Paint1920x1080", "BM_OneFill1920x1080");
  if (const double t = reporter.Median("BM_RefreshDefault"); t > 0) {
    std::printf("%-22s %9.1f us  (%.2f ms)\n", "BM_RefreshDefault", t, t / 1000);
  }
  benchmark::Shutdown();
  return 0;
}
