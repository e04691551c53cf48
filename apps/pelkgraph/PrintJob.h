// A print job writing one document: the printer set up from the print
// settings, and the job abandoned (nothing written) unless it is finished.
#pragma once

#include <string>

#include "common/Options.h"
#include "core/Pelkgraph.h"

namespace pelk::cli {

class PrintJob {
 public:
  PrintJob(const PrintSettings& settings, const std::string& path);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Prints the graph's frame at (left, top) inches, `width` inches wide (0:
  // its screen size), in colour or monochrome by the settings, and leaves the
  // graph drawing its data on the screen and the page.
  void PrintFrame(TPelkgraph& graph, float left, float top, float width);
  // Completes the document.
  void Finish();

 private:
  const PrintSettings& settings_;
  bool finished_ = false;
};

// The paper's size in inches.
struct PaperInches {
  double width = 0.0, height = 0.0;
};
PaperInches PaperOf(PaperKind paper);

}  // namespace pelk::cli
