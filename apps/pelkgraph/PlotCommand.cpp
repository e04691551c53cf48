// "plot": reads a table of numbers, fits the axes to the chosen columns and
// draws each series with its pen and a legend; "print" (or a document as the
// output) prints the same graph.
#include <optional>
#include <span>
#include <string>

#include "common/DataFile.h"
#include "common/Distances.h"
#include "common/GraphLegend.h"
#include "common/Output.h"
#include "common/OutputName.h"
#include "common/Picture.h"
#include "common/PictureFit.h"
#include "common/Plural.h"
#include "pelkgraph/Commands.h"
#include "pelkgraph/Plot.h"
#include "pelkgraph/PrintJob.h"
#include "core/FormFiles.h"

namespace pelk::cli {

namespace {

// Sets the graph up for the data and renders its frame on the screen.
void RenderFrame(GraphPicture& picture, const PlotOptions& options, const view::DataFile& file, double scale,
                 std::ostream& err) {
  TPelkgraph& graph = picture.Graph();
  ScaleGraphDistances(graph, scale);
  for (const std::string& note : view::SetUpGraphForData(graph, options, file)) {
    err << "pelkgraph: warning: " << note << std::endl;
  }
  if (options.size) {
    RenderAtFixedSize(picture, *options.size);
  } else {
    RenderAtNaturalSize(picture);
  }
}

void ReportSkipped(long long skipped, std::ostream& err) {
  if (skipped > 0) {
    err << "pelkgraph: " << CountOf(skipped, "point")
        << " not plotted (not finite, not positive on a logarithmic axis, or too far off the axes)" << std::endl;
  }
}

// Draws each series with its pen from the file's blocks of rows, one series
// after another as they lie over each other, then the legend, whose corner
// may depend on the points drawn.
std::optional<PlacedLegend> DrawDataAndLegend(TPelkgraph& graph, const PlotOptions& options,
                                              const view::DataFile& file, double scale) {
  ScreenLegend legend(graph, file.series, options.legend, scale);
  for (std::size_t i = 0; i < file.series.size(); ++i) {
    const view::SeriesStyle& style = file.series[i];
    SeriesTrace trace(graph, view::ScaledPen(style.pen, scale), style.secondY, view::ExtentOf(file, i));
    view::ForEachSeriesBlock(file, i, [&](std::span<const float> x, std::span<const float> y) {
      trace.Draw(x, y);
      legend.Count(x, y, style.secondY);
    });
  }
  return legend.Draw();
}

// The graph on the screen and, with the frame printed first, on the page in
// the same drawing; the legend's corner is the screen's.
void PrintPlot(const PlotOptions& options, const view::DataFile& file, const CommandStreams& streams) {
  GraphPicture picture(options.dpi);
  TPelkgraph& graph = picture.Graph();
  const double scale = DpiScale(options.dpi);
  RenderFrame(picture, options, file, scale, streams.err);
  PrintJob job(options.print, options.output);
  job.PrintFrame(graph, options.print.left, options.print.top, options.print.width);
  const std::optional<PlacedLegend> legend = DrawDataAndLegend(graph, options, file, scale);
  ReportSkipped(graph.SkippedPoints(), streams.err);
  if (legend) DrawPrintedLegend(graph, file.series, legend->corner, scale);
  job.Finish();
  if (options.saveForm) WriteFormFile(*options.saveForm, graph);
}

}  // namespace

DrawnPlot DrawPlot(const PlotOptions& options, const view::DataFile& file, std::ostream& err) {
  DrawnPlot drawn{std::make_unique<GraphPicture>(options.dpi), std::nullopt};
  const double scale = DpiScale(options.dpi);
  RenderFrame(*drawn.picture, options, file, scale, err);
  drawn.legend = DrawDataAndLegend(drawn.picture->Graph(), options, file, scale);
  return drawn;
}

void RunPlot(const PlotOptions& options, const CommandStreams& streams) {
  const view::DataFile file = view::ReadDataFile(
      options, streams.in,
      [&](long long rows) { streams.err << "pelkgraph: read " << CountOf(rows, "row") << std::endl; },
      view::RowKeeping::ReadAgain);
  if (PrintFormatOf(options.output)) {
    PrintPlot(options, file, streams);
  } else {
    const DrawnPlot drawn = DrawPlot(options, file, streams.err);
    ReportSkipped(drawn.picture->Graph().SkippedPoints(), streams.err);
    SavePicture(drawn.picture->Graph(), options.output);
    if (options.saveForm) WriteFormFile(*options.saveForm, drawn.picture->Graph());
  }
  streams.out << options.output << std::endl;
  if (file.BadRows() > 0) streams.err << "pelkgraph: skipped " << CountOf(file.BadRows(), "bad row") << std::endl;
}

}  // namespace pelk::cli
