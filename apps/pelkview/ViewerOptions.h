// The command line of pelkview: a data file first with the plot options of
// pelkgraph, or no data file for the demo graph.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Options.h"

namespace pelk::view {

struct ViewerOptions {
  bool help = false;
  std::optional<cli::PlotOptions> plot;  // absent: the demo graph
  int dpi = 0;                           // 0: the screen's default
  cli::PixelSize windowSize{800, 600};   // the window's first client size
  std::string saveName = "pelkview.png";  // the picture the s key writes
};

// Parses the arguments after the program name; throws cli::UsageError.
ViewerOptions ParseViewerCommandLine(const std::vector<std::string>& arguments);

// The usage, with the mouse and the keys of the window.
std::string ViewerUsageText();

}  // namespace pelk::view
