// The global printer: print jobs of pages at a set resolution and paper
// size, drawn through the printer's canvas, held in memory or written to a
// PDF, PostScript or SVG document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Surface.h"

namespace pelk {

class TPrinter;
class PageRecording;
class PrintDocument;

/// Named paper sizes: Letter 8.5 x 11 in, A4 210 x 297 mm.
enum class TPaperSize : std::uint8_t { Letter, A4 };

/// Draws on the printer's current page; drawing outside a print job throws
/// EPrinterError. Its font is realised at the printer's resolution.
class TPrinterCanvas : public TCanvas {
 public:
  /// The canvas of printer's current page.
  explicit TPrinterCanvas(TPrinter& printer);
  /// Reports every drawing operation to the recording too; null stops it.
  void RecordInto(PageRecording* recording);
  /// The printer's current page, or no surface outside a job.
  DeviceView Device() override;
  /// The printer's vertical resolution.
  int PixelsPerInch() const override;
  /// The printer's horizontal resolution.
  int PixelsPerInchX() const override;

 protected:
  void BeforeDrawing() override;

 private:
  TPrinter& printer_;
};

/// The printer: print jobs of pages at a set resolution and paper size, held in
/// memory or written as a PDF, PostScript or SVG document. Reached through Printer().
class TPrinter {
 public:
  TPrinter();
  ~TPrinter();

  /// The canvas of the current page; drawing outside a job throws EPrinterError.
  TCanvas& Canvas() { return *canvas_; }
  /// The printer's device context (its canvas); usable outside a job for
  /// GetDeviceCaps.
  HDC Handle() { return canvas_.get(); }

  /// Starts a job with one empty (white) page, its pages held in memory.
  /// Throws if a job is running.
  void BeginDoc();
  /// Starts a job whose pages are written to the document at `path`, as PDF,
  /// PostScript or SVG by its extension (any case). Each finished page is
  /// written at NewPage and EndDoc, and only the page being drawn is held.
  /// The document is written beside its target and renamed over it at
  /// EndDoc; a failed or aborted job leaves an existing file untouched.
  /// Throws EPrinterError naming the file for an unknown extension, a
  /// resolution outside 72 to 1200 dpi, or a file that cannot be created.
  void BeginDoc(const std::string& path);
  /// Adds a new empty page, writing the finished one to the document. Throws
  /// outside a job, and for a second page of an SVG document (SVG holds
  /// one). A failed write ends the job and throws, naming the file.
  void NewPage();
  /// Ends the job; the document is completed and renamed into place. The
  /// pages held stay readable until the next BeginDoc. A failed write ends
  /// the job all the same and throws, naming the file.
  void EndDoc();
  /// Ends the job and discards its pages; a document is not written.
  void Abort();
  /// Whether a job is running.
  bool Printing() const { return printing_; }
  /// Whether the last job was aborted.
  bool Aborted() const { return aborted_; }
  /// The job's title, written into documents.
  std::string Title;

  /// Resolution in pixels per inch (default 300 x 300) and paper size in
  /// inches (default 8.5 x 11); changes take effect at the next BeginDoc and
  /// are refused (EPrinterError) during a job.
  void SetResolution(int dpiX, int dpiY);
  /// Sets the paper size in inches.
  void SetPaperSize(double widthInches, double heightInches);
  /// Sets a named paper size.
  void SetPaperSize(TPaperSize paper);
  /// The horizontal resolution in pixels per inch.
  int ResolutionX() const { return dpiX_; }
  /// The vertical resolution in pixels per inch.
  int ResolutionY() const { return dpiY_; }
  /// The page width in printer pixels.
  int PageWidth() const;
  /// The page height in printer pixels.
  int PageHeight() const;
  /// The number of the page being drawn, from 1.
  int PageNumber() const { return PageCount(); }

  /// The document of the running or last job; empty for pages in memory.
  const std::string& DocumentPath() const { return documentPath_; }
  /// Pages of the running or last job. A job with a document holds only its
  /// newest page; asking for an earlier one throws EPrinterError.
  int PageCount() const { return writtenPages_ + static_cast<int>(pages_.size()); }
  /// Page index (from 0) of the running or last job, as drawn at the printer's resolution.
  const Surface& Page(int index) const;
  /// The page being drawn, or null outside a job.
  Surface* CurrentPage() { return pages_.empty() || !printing_ ? nullptr : pages_.back().get(); }

 private:
  // Starts a job: a fresh device context and one blank page.
  void StartJob();
  // Writes the page being drawn to the document and lets it go.
  void WriteCurrentPage();
  // Ends a job whose document failed; nothing is written.
  void DropDocument();

  std::unique_ptr<TPrinterCanvas> canvas_;
  std::vector<std::unique_ptr<Surface>> pages_;
  int writtenPages_ = 0;  // pages of the job already written and let go
  std::string documentPath_;
  std::unique_ptr<PrintDocument> document_;
  std::unique_ptr<PageRecording> recording_;
  bool printing_ = false;
  bool aborted_ = false;
  int dpiX_ = 300;
  int dpiY_ = 300;
  double paperWidth_ = 8.5;
  double paperHeight_ = 11.0;
};

/// The one printer of the program.
TPrinter& Printer();

}  // namespace pelk
