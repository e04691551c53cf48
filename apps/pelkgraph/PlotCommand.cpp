// "plot": reads a table of numbers, fits the axes to the chosen columns and
// draws each series with its pen and a legend; "print" (or a document as the
// output) prints the same graph.
#include <stdexcept>
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

void PrintPlot(const PlotOptions& options, const view::DataFile& file, const CommandStreams& streams) {
  // The legend's corner is chosen on the screen, where the points are known.
  const DrawnPlot drawn = DrawPlot(options, file, streams.err);
  TPelkgraph& graph = drawn.picture->Graph();
  const double scale = DpiScale(options.dpi);
  const std::optional<PlacedLegend>& legend = drawn.legend;
  ReportSkipped(graph.SkippedPoints(), streams.err);
  PrintJob job(options.print, options.output);
  job.PrintFrame(graph, options.print.left, options.print.top, options.print.width);
  view::DrawPlotData(graph, file.data, scale);
  if (legend) DrawPrintedLegend(graph, file.data, legend->corner, scale);
  job.Finish();
  if (options.saveForm) WriteFormFile(*options.saveForm, graph);
}

}  // namespace

DrawnPlot DrawPlot(const PlotOptions& options, const view::DataFile& file, std::ostream& err) {
  DrawnPlot drawn{std::make_unique<GraphPicture>(options.dpi), std::nullopt};
  TPelkgraph& graph = drawn.picture->Graph();
  const double scale = DpiScale(options.dpi);
  RenderFrame(*drawn.picture, options, file, scale, err);
  view::DrawPlotData(graph, file.data, scale);
  drawn.legend = DrawScreenLegend(graph, file.data, options.legend, scale);
  return drawn;
}

void RunPlot(const PlotOptions& options, const CommandStreams& streams) {
  const view::DataFile file = view::ReadDataFile(options, streams.in, [&](long long rows) {
    streams.err << "pelkgraph: read " << CountOf(rows, "row") << std::endl;
  });
  if (PrintFormatOf(options.output)) {
    PrintPlot(options, file, streams);
  } else {
    const DrawnPlot drawn = DrawPlot(options, file, streams.err);
    ReportSkipped(drawn.picture->Graph().SkippedPoints(), streams.err);
    SavePicture(drawn.picture->Graph(), options.output);
    if (options.saveForm) WriteFormFile(*options.saveForm, drawn.picture->Graph());
  }
  streams.out << options.output << std::endl;
  if (file.badRows > 0) streams.err << "pelkgraph: skipped " << CountOf(file.badRows, "bad row") << std::endl;
}

}  // namespace pelk::cli
