// A graph of a damped oscillation, saved as a PNG file.
//
//   save_png [OUT.png]      (default: oscillation.png)
#include <cmath>
#include <exception>
#include <iostream>
#include <string>

#include <pelkgraph/pelkgraph.h>

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "oscillation.png";
  try {
    pelk::TForm form;  // headless: owns the pixels the graph paints on
    form.SetClientSize(640, 480);
    pelk::TPelkgraph graph(&form);  // AutoSize: fits itself to its texts and axes
    graph.SetTitle("Damped oscillation");
    graph.SetSubtitle("y = exp(-0.3 t) cos 3t");
    graph.SetIdentification("");  // an empty line takes no room
    graph.XAxis().SetAxisLabel("t [s]");
    graph.YAxis().SetAxisLabel("y");
    graph.SetAxis(graph.XAxis(), 5, 0.0f, 10.0f, true);
    graph.SetAxis(graph.YAxis(), 4, -1.0f, 1.0f, true);
    graph.Refresh();  // renders the frame; data drawn after this stays in the image

    graph.SetPlotColor(pelk::clRed);
    graph.SetPenWidth(2);
    graph.MoveScaledTo(0.0f, 1.0f);
    for (int i = 1; i <= 500; ++i) {
      const float t = static_cast<float>(i) * 0.02f;
      graph.LineScaledTo(t, std::exp(-0.3f * t) * std::cos(3.0f * t));
    }
    graph.SaveToFile(out);  // PNG by the name's extension, BMP otherwise
    std::cout << out << ": " << graph.Width() << " x " << graph.Height() << " pixels\n";
  } catch (const std::exception& e) {
    std::cerr << "save_png: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
