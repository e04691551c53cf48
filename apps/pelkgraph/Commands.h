// The commands of pelkgraph. Each throws std::exception with a message for
// the user when it fails.
#pragma once

#include <istream>
#include <ostream>

#include "common/Options.h"

namespace pelk::cli {

struct CommandStreams {
  std::istream& in;   // the data of "plot -"
  std::ostream& out;  // the names of the files written
  std::ostream& err;  // progress and warnings
};

void RunDemo(const DemoOptions& options, const CommandStreams& streams);
// Also print DATA: a document name as output prints the plot.
void RunPlot(const PlotOptions& options, const CommandStreams& streams);

}  // namespace pelk::cli
