// A graph's settings saved to a form file and loaded into a new graph.
//
//   form_settings [SETTINGS.pfm]      (default: graph.pfm)
#include <exception>
#include <iostream>
#include <string>

#include <pelkgraph/pelkgraph.h>

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "graph.pfm";
  try {
    pelk::TForm form;
    pelk::TPelkgraph graph(&form);
    graph.SetName("Graph1");
    graph.SetTitle("Tank temperature");
    graph.SetSubtitle("");  // stored empty: it loads back empty
    graph.SetIdentification("");
    graph.YAxis().SetAxisLabel("T [C]");
    graph.SetAxis(graph.YAxis(), 4, 10.0f, 90.0f, true);
    pelk::WriteFormFile(path, graph);  // written beside the file, then renamed

    pelk::TForm otherForm;
    pelk::TPelkgraph loaded(&otherForm);  // starts with the construction values
    pelk::ReadFormFile(path, loaded);     // every entry through its setter
    std::cout << path << ": title '" << loaded.Title() << "', subtitle '" << loaded.Subtitle() << "', Y axis '"
              << loaded.YAxis().AxisLabel() << "' from " << loaded.YAxis().OriginValue() << " by "
              << loaded.YAxis().ScalePerDivision() << '\n';
  } catch (const std::exception& e) {
    std::cerr << "form_settings: " << e.what() << '\n';  // file:line:column for a malformed file
    return 1;
  }
  return 0;
}
