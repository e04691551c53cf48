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
#include "pelkgraph/PrintJob.h"

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
    picture.Render();
  }
}

void ReportSkipped(const TPelkgraph& graph, std::ostream& err) {
  if (const long long skipped = graph.SkippedPoints(); skipped > 0) {
    err << "pelkgraph: " << CountOf(skipped, "point")
        << " not plotted (not finite, not positive on a logarithmic axis, or too far off the axes)" << std::endl;
  }
}

void PrintPlot(const PlotOptions& options, const view::DataFile& file, const CommandStreams& streams) {
  GraphPicture picture(options.dpi);
  TPelkgraph& graph = picture.Graph();
  const double scale = DpiScale(options.dpi);
  RenderFrame(picture, options, file, scale, streams.err);
  // The legend's corner is chosen on the screen, where the points are known.
  const std::optional<PlacedLegend> legend = DrawScreenLegend(graph, file.data, options.legend, scale);
  PrintJob job(options.print, options.output);
  job.PrintFrame(graph, options.print.left, options.print.top, options.print.width);
  view::DrawPlotData(graph, file.data, scale);
  if (legend) DrawPrintedLegend(graph, file.data, legend->corner, scale);
  job.Finish();
  ReportSkipped(graph, streams.err);
}

}  // namespace

void RunPlot(const PlotOptions& options, const CommandStreams& streams) {
  const view::DataFile file = view::ReadDataFile(options, streams.in, [&](long long rows) {
    streams.err << "pelkgraph: read " << CountOf(rows, "row") << std::endl;
  });
  if (PrintFormatOf(options.output)) {
    PrintPlot(options, file, streams);
  } else {
    GraphPicture picture(options.dpi);
    TPelkgraph& graph = picture.Graph();
    const double scale = DpiScale(options.dpi);
    RenderFrame(picture, options, file, scale, streams.err);
    view::DrawPlotData(graph, file.data, scale);
    DrawScreenLegend(graph, file.data, options.legend, scale);
    ReportSkipped(graph, streams.err);
    SavePicture(graph, options.output);
  }
  streams.out << options.output << std::endl;
  if (file.badRows > 0) streams.err << "pelkgraph: skipped " << CountOf(file.badRows, "bad row") << std::endl;
}

}  // namespace pelk::cli
