// The global printer: print jobs of pages held in memory at a set resolution
// and paper size, drawn through the printer's canvas.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Surface.h"

namespace pelk {

class TPrinter;

// Draws on the printer's current page; drawing outside a print job throws
// EPrinterError. Its font is realised at the printer's resolution.
class TPrinterCanvas : public TCanvas {
 public:
  explicit TPrinterCanvas(TPrinter& printer);
  DeviceView Device() override;
  int PixelsPerInch() const override;
  int PixelsPerInchX() const override;

 protected:
  void BeforeDrawing() override;

 private:
  TPrinter& printer_;
};

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();

  TCanvas& Canvas() { return *canvas_; }
  // The printer's device context (its canvas); usable outside a job for
  // GetDeviceCaps.
  HDC Handle() { return canvas_.get(); }

  // Starts a job with one empty (white) page. Throws if a job is running.
  void BeginDoc();
  // Adds a new empty page. Throws outside a job.
  void NewPage();
  // Ends the job; the pages stay readable until the next BeginDoc.
  void EndDoc();
  // Ends the job and discards its pages.
  void Abort();
  bool Printing() const { return printing_; }
  bool Aborted() const { return aborted_; }
  std::string Title;

  // Resolution in pixels per inch (default 300 x 300) and paper size in
  // inches (default 8.5 x 11); changes take effect at the next BeginDoc and
  // are refused (EPrinterError) during a job.
  void SetResolution(int dpiX, int dpiY);
  void SetPaperSize(double widthInches, double heightInches);
  int ResolutionX() const { return dpiX_; }
  int ResolutionY() const { return dpiY_; }
  int PageWidth() const;
  int PageHeight() const;
  int PageNumber() const { return static_cast<int>(pages_.size()); }

  // Pages of the running or last job.
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const Surface& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
  Surface* CurrentPage() { return pages_.empty() || !printing_ ? nullptr : pages_.back().get(); }

 private:
  std::unique_ptr<TPrinterCanvas> canvas_;
  std::vector<std::unique_ptr<Surface>> pages_;
  bool printing_ = false;
  bool aborted_ = false;
  int dpiX_ = 300;
  int dpiY_ = 300;
  double paperWidth_ = 8.5;
  double paperHeight_ = 11.0;
};

TPrinter& Printer();

}  // namespace pelk
