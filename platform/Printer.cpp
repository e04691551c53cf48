#include "platform/Printer.h"

#include <cstdint>
#include <new>
#include <sstream>

#include "platform/Arith.h"
#include "platform/Errors.h"
#include "platform/PageRecording.h"
#include "platform/PrintDocument.h"

namespace pelk {

namespace {

constexpr int kMaxResolution = 2400;       // dpi
constexpr double kMaxPaperInches = 100.0;  // per side
// Largest page in pixels (4 GiB of storage); larger pages are refused
// before anything is allocated.
constexpr std::int64_t kMaxPagePixels = std::int64_t{1} << 30;
constexpr TColor kPaperColor = 0xFFFFFF;
// Resolutions and page sides (pixels) a document can be written at.
constexpr int kMinDocumentResolution = 72;
constexpr int kMaxDocumentResolution = 1200;
constexpr int kMaxDocumentPixels = 32767;

// Pixels across a paper side at a resolution.
std::int64_t PageExtent(double inches, int dpi) { return Round(inches * dpi); }

std::string FormatNumber(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

// Throws EPrinterError unless the settings describe a page that can be held.
void CheckPageSettings(int dpiX, int dpiY, double widthInches, double heightInches) {
  auto dpiValid = [](int dpi) { return dpi >= 1 && dpi <= kMaxResolution; };
  if (!dpiValid(dpiX) || !dpiValid(dpiY))
    throw EPrinterError("Printer: resolution " + std::to_string(dpiX) + " x " +
                        std::to_string(dpiY) + " dpi is out of range (1 to " +
                        std::to_string(kMaxResolution) + ")");
  // Written so that NaN fails too.
  auto inchesValid = [](double inches) { return inches > 0.0 && inches <= kMaxPaperInches; };
  if (!inchesValid(widthInches) || !inchesValid(heightInches))
    throw EPrinterError("Printer: paper size " + FormatNumber(widthInches) + " x " +
                        FormatNumber(heightInches) + " in is out of range (above 0, at most " +
                        FormatNumber(kMaxPaperInches) + ")");
  std::int64_t width = PageExtent(widthInches, dpiX);
  std::int64_t height = PageExtent(heightInches, dpiY);
  if (width < 1 || height < 1 || width * height > kMaxPagePixels)
    throw EPrinterError("Printer: a page of " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels is not supported");
}

// A white page; running out of memory becomes a printer error.
std::unique_ptr<Surface> BlankPage(int width, int height) {
  try {
    auto page = std::make_unique<Surface>(width, height);
    page->Fill(kPaperColor);
    return page;
  } catch (const std::bad_alloc&) {
    throw EPrinterError("Printer: no memory for a page of " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels");
  }
}

}  // namespace

// --- TPrinterCanvas ---------------------------------------------------------

TPrinterCanvas::TPrinterCanvas(TPrinter& printer) : printer_(printer) {}

TCanvas::DeviceView TPrinterCanvas::Device() {
  Surface* page = printer_.CurrentPage();
  return {page, {}, page ? page->Bounds() : TRect{0, 0, printer_.PageWidth(), printer_.PageHeight()}};
}

void TPrinterCanvas::RecordInto(PageRecording* recording) { SetRecorder(recording); }

int TPrinterCanvas::PixelsPerInch() const { return printer_.ResolutionY(); }

int TPrinterCanvas::PixelsPerInchX() const { return printer_.ResolutionX(); }

void TPrinterCanvas::BeforeDrawing() {
  if (!printer_.Printing()) throw EPrinterError("Printer: drawing outside a print job");
}

// --- TPrinter ---------------------------------------------------------------

TPrinter::TPrinter() : canvas_(std::make_unique<TPrinterCanvas>(*this)) {}

TPrinter::~TPrinter() { canvas_->RecordInto(nullptr); }

int TPrinter::PageWidth() const { return static_cast<int>(PageExtent(paperWidth_, dpiX_)); }

int TPrinter::PageHeight() const { return static_cast<int>(PageExtent(paperHeight_, dpiY_)); }

const Surface& TPrinter::Page(int index) const {
  if (index < writtenPages_ || index >= PageCount()) {
    throw EPrinterError("Printer: page " + std::to_string(index) + " is not held" +
                        (index >= 0 && index < writtenPages_ ? " (written to " + documentPath_ + ")" : ""));
  }
  return *pages_[static_cast<std::size_t>(index - writtenPages_)];
}

void TPrinter::StartJob() {
  pages_.clear();
  writtenPages_ = 0;
  aborted_ = false;
  pages_.push_back(BlankPage(PageWidth(), PageHeight()));
  printing_ = true;
  // A new job starts with a fresh device context.
  TCanvas& canvas = *canvas_;
  canvas.SelectClipRect(std::nullopt);
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  canvas.SetBackgroundMode(OPAQUE);
  canvas.SelectFontHandle(0);  // back to the canvas's own font
  canvas.MoveTo(0, 0);
}

void TPrinter::BeginDoc() {
  if (printing_) throw EPrinterError("Printer: BeginDoc while a print job is running");
  DropDocument();
  documentPath_.clear();
  StartJob();
}

void TPrinter::BeginDoc(const std::string& path) {
  if (printing_) throw EPrinterError("Printer: BeginDoc while a print job is running");
  const std::optional<TDocumentFormat> format = DocumentFormatOf(path);
  if (!format) {
    throw EPrinterError("Printer: " + path + ": unknown document type (the name must end in .pdf, .ps or .svg)");
  }
  const auto inRange = [](int dpi) { return dpi >= kMinDocumentResolution && dpi <= kMaxDocumentResolution; };
  if (!inRange(dpiX_) || !inRange(dpiY_)) {
    throw EPrinterError("Printer: " + path + ": a document needs a resolution of " +
                        std::to_string(kMinDocumentResolution) + " to " + std::to_string(kMaxDocumentResolution) +
                        " dpi, not " + std::to_string(dpiX_) + " x " + std::to_string(dpiY_));
  }
  if (PageWidth() > kMaxDocumentPixels || PageHeight() > kMaxDocumentPixels) {
    throw EPrinterError("Printer: " + path + ": a document page may be at most " +
                        std::to_string(kMaxDocumentPixels) + " pixels on a side");
  }
  DropDocument();
  documentPath_.clear();
  // Releases the last job's pages before the new job needs its own.
  pages_.clear();
  document_ = std::make_unique<PrintDocument>(path, *format, DocumentPage{PageWidth(), PageHeight(), dpiX_, dpiY_},
                                              Title);
  documentPath_ = path;
  if (!recording_) recording_ = std::make_unique<PageRecording>();
  recording_->Clear();
  StartJob();
  canvas_->RecordInto(recording_.get());
}

void TPrinter::WriteCurrentPage() {
  try {
    document_->WritePage(*recording_, *pages_.back());
  } catch (...) {
    DropDocument();
    throw;
  }
  recording_->Clear();
}

void TPrinter::DropDocument() {
  canvas_->RecordInto(nullptr);
  document_.reset();
  if (recording_) recording_->Clear();
  printing_ = false;
}

void TPrinter::NewPage() {
  if (!printing_) throw EPrinterError("Printer: NewPage without a print job");
  if (!document_) {
    pages_.push_back(BlankPage(PageWidth(), PageHeight()));
    return;
  }
  if (document_->Format() == TDocumentFormat::Svg) {
    throw EPrinterError("Printer: " + documentPath_ + ": an SVG document holds one page");
  }
  WriteCurrentPage();
  // The written page goes before the next one is made; a job that cannot
  // make it ends, as it has no page to draw on.
  pages_.clear();
  ++writtenPages_;
  try {
    pages_.push_back(BlankPage(PageWidth(), PageHeight()));
  } catch (...) {
    DropDocument();
    throw;
  }
}

void TPrinter::EndDoc() {
  if (!printing_) throw EPrinterError("Printer: EndDoc without a print job");
  if (document_) {
    WriteCurrentPage();
    try {
      document_->Finish();
    } catch (...) {
      DropDocument();
      throw;
    }
    DropDocument();
  }
  printing_ = false;
}

void TPrinter::Abort() {
  if (!printing_) return;  // nothing to abort; pages of a finished job stay
  DropDocument();
  aborted_ = true;
  pages_.clear();
}

void TPrinter::SetResolution(int dpiX, int dpiY) {
  if (printing_) throw EPrinterError("Printer: cannot change the resolution during a print job");
  CheckPageSettings(dpiX, dpiY, paperWidth_, paperHeight_);
  dpiX_ = dpiX;
  dpiY_ = dpiY;
}

void TPrinter::SetPaperSize(TPaperSize paper) {
  constexpr double kMillimetresPerInch = 25.4;
  if (paper == TPaperSize::A4) {
    SetPaperSize(210.0 / kMillimetresPerInch, 297.0 / kMillimetresPerInch);
  } else {
    SetPaperSize(8.5, 11.0);
  }
}

void TPrinter::SetPaperSize(double widthInches, double heightInches) {
  if (printing_) throw EPrinterError("Printer: cannot change the paper size during a print job");
  CheckPageSettings(dpiX_, dpiY_, widthInches, heightInches);
  paperWidth_ = widthInches;
  paperHeight_ = heightInches;
}

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace pelk
