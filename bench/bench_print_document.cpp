// Printing a Letter page at 600 dpi as a PDF: a framed drawing and a
// million-point random walk drawn with LineTo on the printer canvas and,
// as plotting to both destinations does, into a screen-sized image; as
// vector graphics, and with an xor pen, which writes the raster page
// instead. The peer is cairo alone stroking the same path into a PDF.
// Each reports its time and the peak resident memory of its run.
#include <benchmark/benchmark.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ProcessMemory.h"
#include "platform/Bitmap.h"
#include "platform/Printer.h"

namespace {

using namespace pelk;

constexpr int kDpi = 600;
constexpr std::size_t kPoints = 1'000'000;
// The screen graph is the printed one at 96 dpi.
constexpr double kScreenScale = 96.0 / kDpi;
constexpr int kPlotLeft = 900, kPlotTop = 1200, kPlotRight = 4500, kPlotBottom = 5400;

// A random walk in printer pixels, reflected at the plot area's edges.
const std::vector<TPoint>& RandomWalk() {
  static const std::vector<TPoint> walk = [] {
    std::vector<TPoint> points(kPoints);
    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int> step(-3, 3);
    int x = (kPlotLeft + kPlotRight) / 2, y = (kPlotTop + kPlotBottom) / 2;
    const auto reflect = [](int v, int lo, int hi) { return v < lo ? 2 * lo - v : v > hi ? 2 * hi - v : v; };
    for (TPoint& p : points) {
      x = reflect(x + step(rng), kPlotLeft, kPlotRight);
      y = reflect(y + step(rng), kPlotTop, kPlotBottom);
      p = {x, y};
    }
    return points;
  }();
  return walk;
}

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()) + ".pdf"))
      .string();
}

// A frame like a printed graph's: border, plot area, grid, axes, texts.
void DrawFrame(TCanvas& canvas) {
  canvas.Pen().SetWidth(3);
  canvas.Brush().SetColor(clWhite);
  canvas.Rectangle(kPlotLeft - 600, kPlotTop - 600, kPlotRight + 300, kPlotBottom + 600);
  canvas.Rectangle(kPlotLeft, kPlotTop, kPlotRight + 1, kPlotBottom + 1);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(psDot);
  for (int x = kPlotLeft; x <= kPlotRight; x += 360) {
    canvas.MoveTo(x, kPlotTop);
    canvas.LineTo(x, kPlotBottom);
  }
  for (int y = kPlotTop; y <= kPlotBottom; y += 420) {
    canvas.MoveTo(kPlotLeft, y);
    canvas.LineTo(kPlotRight, y);
  }
  canvas.Pen().SetStyle(psSolid);
  canvas.SetBackgroundMode(TRANSPARENT);
  canvas.Font().SetSize(10);
  canvas.SetTextAlign(TA_CENTER | TA_TOP);
  for (int i = 0, x = kPlotLeft; x <= kPlotRight; x += 360, ++i) canvas.TextOut(x, kPlotBottom + 40, std::to_string(i));
  canvas.Font().SetSize(16);
  canvas.TextOut((kPlotLeft + kPlotRight) / 2, kPlotTop - 400, "Random walk");
}

// The walk on the printer and, scaled down, in the screen image.
void DrawWalk(TCanvas& printer, TCanvas& image, TPenMode mode) {
  const std::vector<TPoint>& walk = RandomWalk();
  printer.SelectClipRect(TRect{kPlotLeft, kPlotTop, kPlotRight + 1, kPlotBottom + 1});
  printer.Pen().SetColor(clRed);
  printer.Pen().SetMode(mode);
  image.Pen().SetColor(clRed);
  const auto screen = [](int v) { return static_cast<int>(v * kScreenScale); };
  printer.MoveTo(walk[0].X, walk[0].Y);
  image.MoveTo(screen(walk[0].X), screen(walk[0].Y));
  for (std::size_t i = 1; i < walk.size(); ++i) {
    printer.LineToAndSetEnd(walk[i].X, walk[i].Y, clRed);
    image.LineToAndSetEnd(screen(walk[i].X), screen(walk[i].Y), clRed);
  }
  printer.Pen().SetMode(pmCopy);
  printer.SelectClipRect(std::nullopt);
}

void PrintWalk(benchmark::State& state, TPenMode mode, const char* name) {
  const std::string path = OutputPath(name);
  TPrinter& printer = Printer();
  printer.SetResolution(kDpi, kDpi);
  printer.SetPaperSize(TPaperSize::Letter);
  TBitmap image;
  image.SetSize(static_cast<int>(5100 * kScreenScale), static_cast<int>(6600 * kScreenScale));
  RandomWalk();
  bench::ResetPeakMemory();
  const long before = bench::StatusKiB("VmHWM");
  for (auto _ : state) {
    printer.BeginDoc(path);
    DrawFrame(printer.Canvas());
    DrawWalk(printer.Canvas(), image.Canvas(), mode);
    printer.EndDoc();
  }
  state.counters["peak_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM")) / 1024.0;
  state.counters["growth_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM") - before) / 1024.0;
  state.counters["pdf_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::filesystem::remove(path);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
}

void BM_PrintedWalkAsVectors(benchmark::State& state) { PrintWalk(state, pmCopy, "walk-vectors"); }
BENCHMARK(BM_PrintedWalkAsVectors)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintedWalkXorAsRaster(benchmark::State& state) { PrintWalk(state, pmXor, "walk-raster"); }
BENCHMARK(BM_PrintedWalkXorAsRaster)->Unit(benchmark::kMillisecond)->Iterations(3);

// The essential work of the vector page alone: cairo stroking the walk as
// one path into a Letter PDF, in printer pixels.
void BM_CairoPdfWalk(benchmark::State& state) {
  const std::string path = OutputPath("walk-cairo");
  const std::vector<TPoint>& walk = RandomWalk();
  bench::ResetPeakMemory();
  const long before = bench::StatusKiB("VmHWM");
  for (auto _ : state) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 612, 792);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, 72.0 / kDpi, 72.0 / kDpi);
    cairo_move_to(cr, walk[0].X + 0.5, walk[0].Y + 0.5);
    for (std::size_t i = 1; i < walk.size(); ++i) cairo_line_to(cr, walk[i].X + 0.5, walk[i].Y + 0.5);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_stroke(cr);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  state.counters["peak_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM")) / 1024.0;
  state.counters["growth_MiB"] = static_cast<double>(bench::StatusKiB("VmHWM") - before) / 1024.0;
  state.counters["pdf_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::filesystem::remove(path);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
}
BENCHMARK(BM_CairoPdfWalk)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
