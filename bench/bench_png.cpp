// PNG writing of a full-HD graph (frame, texts, grids and a 100,000-point
// walk, 189 colours): the encoder's own choice, libpng's defaults, and the
// other palette and RGB settings tried; beside them the peers that bound an
// encoder from below, a plain copy of the pixels and zlib storing the RGB
// rows without compression. Each reports the file size, also against the
// size with libpng's defaults.
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "RandomWalk.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "platform/ImageFiles.h"
#include "tests/PelkgraphInternals.h"

namespace {

using namespace pelk;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The graph's image, rendered and plotted once.
const Surface& GraphImage() {
  static const Surface image = [] {
    TForm form;
    form.SetClientSize(kWidth, kHeight);
    TPelkgraph graph(&form);
    graph.SetAutoSize(false);
    graph.SetBounds(0, 0, kWidth, kHeight);
    graph.SetStretchAxes(TStretchOption::Yes);
    const bench::Walk walk = bench::MakeRandomWalk(100'000);
    graph.SetAxis(graph.XAxis(), 10, walk.x.front(), walk.x.back(), true);
    graph.SetAxis(graph.YAxis(), 10, walk.yMin, walk.yMax, true);
    graph.Refresh();
    graph.Refresh();
    graph.MoveScaledTo(walk.x[0], walk.y[0]);
    graph.LineScaledTo(std::span<const float>(walk.x), std::span<const float>(walk.y));
    const Surface& pixels = TPelkgraphInternals::Bitmap(graph).Pixels();
    Surface copy(pixels.Width(), pixels.Height());
    for (int y = 0; y < pixels.Height(); ++y) std::memcpy(copy.Row(y), pixels.Row(y), pixels.Width() * 4);
    return copy;
  }();
  return image;
}

// libpng's and zlib's defaults, which the encoder used before: RGB, level 6,
// every filter tried on every row.
const PngCompression kDefaultPng{Z_DEFAULT_COMPRESSION, Z_DEFAULT_STRATEGY, PNG_ALL_FILTERS, false};

struct Candidate {
  const char* name;
  std::optional<PngCompression> compression;  // the encoder's own choice without
};

const Candidate kCandidates[] = {
    {"the encoder's choice (palette, RLE, up)", std::nullopt},
    {"libpng defaults", kDefaultPng},
    {"RGB, level 1, RLE, up", PngCompression{1, Z_RLE, PNG_FILTER_UP, false}},
    {"RGB, level 3, default strategy, up", PngCompression{3, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, false}},
    {"RGB, level 4, default strategy, up", PngCompression{4, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, false}},
    {"RGB, level 4, filtered, up", PngCompression{4, Z_FILTERED, PNG_FILTER_UP, false}},
    {"RGB, level 6, default strategy, up", PngCompression{6, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, false}},
    {"palette, level 1, default strategy, none", PngCompression{1, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE, true}},
    {"palette, level 1, default strategy, up", PngCompression{1, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, true}},
    {"palette, level 1, RLE, none", PngCompression{1, Z_RLE, PNG_FILTER_NONE, true}},
    {"palette, level 1, RLE, up", PngCompression{1, Z_RLE, PNG_FILTER_UP, true}},
    {"palette, level 3, default strategy, none", PngCompression{3, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE, true}},
    {"palette, level 4, default strategy, none", PngCompression{4, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE, true}},
    {"palette, level 4, default strategy, up", PngCompression{4, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, true}},
    {"palette, level 6, default strategy, none", PngCompression{6, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE, true}},
    {"palette, level 6, default strategy, all filters", PngCompression{6, Z_DEFAULT_STRATEGY, PNG_ALL_FILTERS, true}},
};

void BM_EncodePng(benchmark::State& state) {
  const Candidate& c = kCandidates[state.range(0)];
  const Surface& image = GraphImage();
  const std::size_t defaultSize = EncodePng(image, kDefaultPng).size();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::vector<std::uint8_t> png = c.compression ? EncodePng(image, *c.compression) : EncodePng(image);
    size = png.size();
    benchmark::DoNotOptimize(png.data());
  }
  state.SetLabel(c.name);
  state.counters["bytes"] = static_cast<double>(size);
  state.counters["size_vs_default"] = static_cast<double>(size) / static_cast<double>(defaultSize);
}
BENCHMARK(BM_EncodePng)->DenseRange(0, std::size(kCandidates) - 1)->Unit(benchmark::kMillisecond);

// The pixels copied once, as bytes: the floor of any encoder.
void BM_CopyPixels(benchmark::State& state) {
  const Surface& image = GraphImage();
  const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * 4;
  std::vector<std::uint8_t> out(rowBytes * static_cast<std::size_t>(image.Height()));
  for (auto _ : state) {
    for (int y = 0; y < image.Height(); ++y) std::memcpy(out.data() + rowBytes * y, image.Row(y), rowBytes);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK(BM_CopyPixels)->Unit(benchmark::kMillisecond);

// The RGB rows, each after its filter byte, stored by zlib at level 0: a
// PNG's data without any compression work.
void BM_DeflateStored(benchmark::State& state) {
  const Surface& image = GraphImage();
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(image.Width()) * 3;
  std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(image.Height()));
  std::vector<std::uint8_t> out(compressBound(static_cast<uLong>(rows.size())));
  uLongf size = 0;
  for (auto _ : state) {
    for (int y = 0; y < image.Height(); ++y) {
      const std::uint32_t* row = image.Row(y);
      std::uint8_t* p = rows.data() + rowBytes * static_cast<std::size_t>(y);
      *p++ = 0;
      for (int x = 0; x < image.Width(); ++x, p += 3) {
        p[0] = static_cast<std::uint8_t>(row[x]);
        p[1] = static_cast<std::uint8_t>(row[x] >> 8);
        p[2] = static_cast<std::uint8_t>(row[x] >> 16);
      }
    }
    size = static_cast<uLongf>(out.size());
    compress2(out.data(), &size, rows.data(), static_cast<uLong>(rows.size()), 0);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_DeflateStored)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
