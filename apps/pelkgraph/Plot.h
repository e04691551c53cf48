// The graph of "plot" drawn on the screen: its picture, with the data and the
// legend, and the boxes of the legend's names.
#pragma once

#include <memory>
#include <optional>
#include <ostream>

#include "common/DataFile.h"
#include "common/GraphLegend.h"
#include "common/Options.h"
#include "common/Picture.h"

namespace pelk::cli {

struct DrawnPlot {
  std::unique_ptr<GraphPicture> picture;
  std::optional<PlacedLegend> legend;
};

// Sets the graph up for the data, renders it (at the fixed size when asked;
// throws SizeError when that is too small) and draws the data and the
// legend. Warnings go to err.
DrawnPlot DrawPlot(const PlotOptions& options, const view::DataFile& file, std::ostream& err);

}  // namespace pelk::cli
