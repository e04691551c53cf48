// A host program built against the installed library: one header, a graph
// on a headless form, saved as PNG. Prints the version and the graph's size.
#include <pelkgraph/pelkgraph.h>

#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: consumer OUTPUT.png\n";
    return 2;
  }
  pelk::TForm form;
  form.SetClientSize(400, 300);
  pelk::TPelkgraph graph(&form);
  graph.SetTitle("Installed");
  graph.SetAxis(graph.XAxis(), 5, 0.0f, 10.0f, true);
  graph.SetAxis(graph.YAxis(), 4, 0.0f, 100.0f, true);
  graph.Refresh();
  graph.SetPlotColor(pelk::clRed);
  graph.MoveScaledTo(0.0f, 0.0f);
  graph.LineScaledTo(10.0f, 100.0f);
  graph.SaveToFile(argv[1]);
  std::cout << pelk::kVersion << ' ' << graph.Width() << 'x' << graph.Height() << '\n';
}
