// pelkgraph: draws line graphs from the command line.
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <pelkgraph/version.h>

#include "pelkgraph/Commands.h"
#include "common/Options.h"

#include "core/PaletteBitmap.h"
#include "platform/FileIo.h"

// fontconfig keeps its configuration until the process ends; the leak checker
// of sanitizer builds is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "pelkgraph " << pelk::kVersion << '\n';
    return 0;
  }
  using namespace pelk::cli;
  std::ios::sync_with_stdio(false);
  try {
    const Command command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const CommandStreams streams{std::cin, std::cout, std::cerr};
    switch (command.kind) {
      case CommandKind::Help:
        std::cout << UsageText();
        break;
      case CommandKind::Demo:
        RunDemo(command.demo, streams);
        break;
      case CommandKind::Plot:
        RunPlot(command.plot, streams);
        break;
      case CommandKind::Palette:
        pelk::ReplaceFile(command.paletteOutput, pelk::BitmapResourceFile("TPELKGRAPH"));
        std::cout << command.paletteOutput << '\n';
        break;
      case CommandKind::Print:
        if (command.printDemo) {
          DemoOptions demo;
          demo.output = command.plot.output;
          demo.print = command.plot.print;
          RunDemo(demo, streams);
        } else {
          RunPlot(command.plot, streams);
        }
        break;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
  } catch (const UsageError& e) {
    std::cerr << "pelkgraph: " << e.what() << "\n"
              << "try 'pelkgraph --help'" << std::endl;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "pelkgraph: " << e.what() << std::endl;
    return 1;
  }
}
