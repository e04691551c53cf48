#include "pelkview/ViewerOptions.h"

#include <algorithm>

#include "common/OutputName.h"
#include "pelkview/Keys.h"

namespace pelk::view {

namespace {

constexpr std::string_view kUsage =
    "usage: pelkview [DATA.csv|-] [options]\n"
    "       pelkview --help\n"
    "\n"
    "Shows a graph in a window: the columns of DATA.csv, or without a data file\n"
    "the demo graph. The graph fills the window and follows its size.\n"
    "\n"
    "With a data file, the options of 'pelkgraph plot': --x COLUMN, --y COLUMN,\n"
    "--y2 COLUMN, --logx, --logy, --divisions N, --title TEXT, --skip-bad,\n"
    "--form FILE (settings from a form file; the f key writes pelkview.pfm);\n"
    "  --size WxH        the window's first size (default 800x600)\n"
    "  -o FILE.bmp|.png  the picture the s key saves (default pelkview.png)\n"
    "  --dpi N           the screen resolution the graph is drawn for (default 96)\n"
    "Without one: --size, -o and --dpi.\n"
    "\n"
    "In the window:\n";

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

// A data file comes first; "-" is standard input.
bool StartsWithDataFile(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  const std::string& first = arguments.front();
  return !(first.size() > 1 && first.front() == '-');
}

cli::Command ParseAs(const char* command, const std::vector<std::string>& arguments) {
  std::vector<std::string> forwarded{command};
  forwarded.insert(forwarded.end(), arguments.begin(), arguments.end());
  return cli::ParseCommandLine(forwarded);
}

void TakePlotOptions(const cli::PlotOptions& plot, ViewerOptions& options) {
  options.plot = plot;
  options.dpi = plot.dpi;
  if (plot.size) options.windowSize = *plot.size;
  if (plot.output != cli::PlotOptions{}.output) options.saveName = plot.output;
}

void TakeDemoOptions(const cli::DemoOptions& demo, ViewerOptions& options) {
  options.dpi = demo.dpi;
  if (demo.output == cli::DemoOptions{}.output) return;
  if (!cli::ImageFormatOf(demo.output)) {
    throw cli::UsageError("option '-o' needs a file name ending in .bmp or .png, not '" + demo.output + "'");
  }
  options.saveName = demo.output;
}

// The demo graph takes the window's size; the other options go on to the
// demo command.
std::vector<std::string> TakeWindowSize(const std::vector<std::string>& arguments, ViewerOptions& options) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != "--size") {
      rest.push_back(arguments[i]);
      continue;
    }
    const std::optional<cli::PixelSize> size =
        i + 1 < arguments.size() ? cli::ParsePixelSize(arguments[i + 1]) : std::nullopt;
    if (!size) throw cli::UsageError("option '--size' needs a size WxH within the picture limits");
    options.windowSize = *size;
    ++i;
  }
  return rest;
}

}  // namespace

std::string ViewerUsageText() { return std::string(kUsage) + KeysHelpText(); }

ViewerOptions ParseViewerCommandLine(const std::vector<std::string>& arguments) {
  ViewerOptions options;
  if (std::any_of(arguments.begin(), arguments.end(), IsHelp)) {
    options.help = true;
    return options;
  }
  if (StartsWithDataFile(arguments)) {
    TakePlotOptions(ParseAs("plot", arguments).plot, options);
    return options;
  }
  cli::Command demo;
  try {
    demo = ParseAs("demo", TakeWindowSize(arguments, options));
  } catch (const cli::UsageError& e) {
    throw cli::UsageError(std::string(e.what()) + " (the data file, if any, comes first)");
  }
  TakeDemoOptions(demo.demo, options);
  return options;
}

}  // namespace pelk::view
