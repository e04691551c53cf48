#include "pelkgraph/PrintJob.h"

#include "platform/Printer.h"

namespace pelk::cli {

PaperInches PaperOf(PaperKind paper) {
  return paper == PaperKind::A4 ? PaperInches{210.0 / 25.4, 297.0 / 25.4} : PaperInches{8.5, 11.0};
}

PrintJob::PrintJob(const PrintSettings& settings, const std::string& path) : settings_(settings) {
  TPrinter& printer = Printer();
  printer.SetResolution(settings.dpi, settings.dpi);
  printer.SetPaperSize(settings.paper == PaperKind::A4 ? TPaperSize::A4 : TPaperSize::Letter);
  printer.BeginDoc(path);
}

PrintJob::~PrintJob() {
  if (!finished_ && Printer().Printing()) Printer().Abort();
}

void PrintJob::PrintFrame(TPelkgraph& graph, float left, float top, float width) {
  graph.SetPrintMonoChrome(settings_.monochrome);
  graph.PrintGrids(left, top, width);
  graph.SetPlotDestination(TPlotDestination::Both);
}

void PrintJob::Finish() {
  finished_ = true;
  Printer().EndDoc();
}

}  // namespace pelk::cli
