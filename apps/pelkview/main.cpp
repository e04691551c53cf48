// pelkview: shows a line graph in a window.
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pelkgraph/version.h>

#include "common/DataFile.h"
#include "pelkview/DemoData.h"
#include "pelkview/EventLoop.h"
#include "pelkview/GraphView.h"
#include "pelkview/RuntimeDir.h"
#include "pelkview/ViewerOptions.h"
#include "pelkview/Window.h"

// fontconfig keeps its configuration, and SDL's D-Bus connection keeps its
// own, until the process ends; the leak checker of sanitizer builds is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }

namespace {

using namespace pelk::view;

std::string WindowTitle(const std::optional<DataFile>& file) {
  return file ? "pelkview - " + file->ShownName() : "pelkview";
}

int Run(const ViewerOptions& options) {
  // A bad data file is reported before any window opens.
  std::optional<DataFile> file;
  if (options.plot) file = ReadDataFile(*options.plot);

  const std::string title = WindowTitle(file);
  GraphView view(std::cerr, options.dpi);
  if (file) {
    SetUpGraphForData(view.Graph(), *options.plot, *file);
    if (file->BadRows() > 0) std::cerr << "pelkview: skipped " << file->BadRows() << " bad rows" << std::endl;
    view.SetData(TakePlotData(std::move(*file)));
  } else {
    view.SetData(DemoData(view.Graph()));
  }

  const PrivateRuntimeDir runtimeDir;
  VideoSession video;
  const LoopSettings settings{title, options.saveName};
  Window window(settings.title, options.windowSize.width, options.windowSize.height);
  const ClientSize size = window.Size();
  view.Resize(size.width, size.height);
  RunEventLoop(window, view, settings);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "pelkview " << pelk::kVersion << '\n';
    return 0;
  }
  try {
    const ViewerOptions options = ParseViewerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << ViewerUsageText();
      return 0;
    }
    return Run(options);
  } catch (const pelk::cli::UsageError& e) {
    std::cerr << "pelkview: " << e.what() << "\n"
              << "try 'pelkview --help'" << std::endl;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "pelkview: " << e.what() << std::endl;
    return 1;
  }
}
