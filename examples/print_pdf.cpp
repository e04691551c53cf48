// A graph printed to a PDF document: the frame at printer resolution with
// PrintGrids, then the same drawing calls with the printer as a destination.
//
//   print_pdf [OUT.pdf]     (default: response.pdf; .ps and .svg work too)
#include <cmath>
#include <exception>
#include <iostream>
#include <string>

#include <pelkgraph/pelkgraph.h>

// The magnitude response of a first-order low-pass filter, on a
// logarithmic frequency axis.
void PlotResponse(pelk::TPelkgraph& graph) {
  graph.MoveScaledTo(1.0f, 0.0f);
  for (int i = 1; i <= 400; ++i) {
    const float hertz = std::pow(10.0f, static_cast<float>(i) * 0.01f);
    const float ratio = hertz / 100.0f;  // the corner frequency is 100 Hz
    graph.LineScaledTo(hertz, -10.0f * std::log10(1.0f + ratio * ratio));
  }
}

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "response.pdf";
  try {
    pelk::TForm form;
    form.SetClientSize(640, 480);
    pelk::TPelkgraph graph(&form);
    graph.SetTitle("Low-pass filter");
    graph.SetSubtitle("first order, corner at 100 Hz");
    graph.SetIdentification("printed by print_pdf");
    graph.XAxis().SetAxisLabel("frequency [Hz]");
    graph.YAxis().SetAxisLabel("gain [dB]");
    graph.XAxis().SetLog(true);
    graph.SetAxis(graph.XAxis(), 0, 1.0f, 10000.0f, true);  // four decades
    graph.SetAxis(graph.YAxis(), 4, -40.0f, 0.0f, true);
    graph.Refresh();  // the printed frame takes its sizes from this layout
    graph.SetPlotColor(pelk::clNavy);
    PlotResponse(graph);  // on the screen image only

    pelk::TPrinter& printer = pelk::Printer();
    printer.SetPaperSize(pelk::TPaperSize::A4);
    printer.BeginDoc(out);  // PDF by the extension; renamed into place at EndDoc
    graph.PrintGrids(1.0f, 1.0f, 6.0f);  // 1 inch from the left and top, 6 inches wide
    graph.SetPlotDestination(pelk::TPlotDestination::PrinterOnly);
    PlotResponse(graph);
    printer.EndDoc();
    std::cout << out << ": " << printer.PageCount() << " page\n";
  } catch (const std::exception& e) {
    pelk::Printer().Abort();  // leaves no half-written document
    std::cerr << "print_pdf: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
