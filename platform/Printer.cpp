#include "platform/Printer.h"

#include <cstdint>
#include <new>
#include <sstream>

#include "platform/Arith.h"
#include "platform/Errors.h"

namespace pelk {

namespace {

constexpr int kMaxResolution = 2400;       // dpi
constexpr double kMaxPaperInches = 100.0;  // per side
// Largest page in pixels (4 GiB of storage); larger pages are refused
// before anything is allocated.
constexpr std::int64_t kMaxPagePixels = std::int64_t{1} << 30;
constexpr TColor kPaperColor = 0xFFFFFF;

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

int TPrinterCanvas::PixelsPerInch() const { return printer_.ResolutionY(); }

int TPrinterCanvas::PixelsPerInchX() const { return printer_.ResolutionX(); }

void TPrinterCanvas::BeforeDrawing() {
  if (!printer_.Printing()) throw EPrinterError("Printer: drawing outside a print job");
}

// --- TPrinter ---------------------------------------------------------------

TPrinter::TPrinter() : canvas_(std::make_unique<TPrinterCanvas>(*this)) {}

TPrinter::~TPrinter() = default;

int TPrinter::PageWidth() const { return static_cast<int>(PageExtent(paperWidth_, dpiX_)); }

int TPrinter::PageHeight() const { return static_cast<int>(PageExtent(paperHeight_, dpiY_)); }

void TPrinter::BeginDoc() {
  if (printing_) throw EPrinterError("Printer: BeginDoc while a print job is running");
  pages_.clear();
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

void TPrinter::NewPage() {
  if (!printing_) throw EPrinterError("Printer: NewPage without a print job");
  pages_.push_back(BlankPage(PageWidth(), PageHeight()));
}

void TPrinter::EndDoc() {
  if (!printing_) throw EPrinterError("Printer: EndDoc without a print job");
  printing_ = false;
}

void TPrinter::Abort() {
  if (!printing_) return;  // nothing to abort; pages of a finished job stay
  printing_ = false;
  aborted_ = true;
  pages_.clear();
}

void TPrinter::SetResolution(int dpiX, int dpiY) {
  if (printing_) throw EPrinterError("Printer: cannot change the resolution during a print job");
  CheckPageSettings(dpiX, dpiY, paperWidth_, paperHeight_);
  dpiX_ = dpiX;
  dpiY_ = dpiY;
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
