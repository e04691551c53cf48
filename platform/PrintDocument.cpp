#include "platform/PrintDocument.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <vector>

#include "platform/CairoPage.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/SvgTextLayer.h"
#include "platform/Utf8.h"

namespace pelk {

namespace {

// Output waits in memory up to this size before it is written.
constexpr std::size_t kFlushBytes = std::size_t{1} << 16;
// The end of an SVG document stays in memory until the text layer goes in
// before its closing tag.
constexpr std::size_t kSvgTailBytes = 16;
constexpr std::string_view kSvgEnd = "</svg>";

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Valid UTF-8 for cairo, whatever bytes the title holds.
std::string AsUtf8(std::string_view text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) AppendUtf8(out, NextCodePoint(text, pos));
  return out;
}

}  // namespace

std::optional<TDocumentFormat> DocumentFormatOf(std::string_view path) {
  const std::string extension = Lowercase(std::filesystem::path(path).extension().string());
  if (extension == ".pdf") return TDocumentFormat::Pdf;
  if (extension == ".ps") return TDocumentFormat::PostScript;
  if (extension == ".svg") return TDocumentFormat::Svg;
  return std::nullopt;
}

struct PrintDocument::Impl {
  Impl(const std::string& path, TDocumentFormat format) : file(path), format(format) {}

  ~Impl() {
    // An unfinished document is dropped: what cairo still writes is ignored.
    discarding = true;
    if (cr != nullptr) cairo_destroy(cr);
    if (surface != nullptr) cairo_surface_destroy(surface);
  }

  // cairo's output callback; it must not throw.
  static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
    auto& impl = *static_cast<Impl*>(closure);
    if (impl.discarding) return CAIRO_STATUS_SUCCESS;
    if (!impl.failure.empty()) return CAIRO_STATUS_WRITE_ERROR;
    try {
      impl.buffer.insert(impl.buffer.end(), data, data + length);
      if (impl.buffer.size() >= kFlushBytes) impl.Flush(impl.svgText ? kSvgTailBytes : 0);
      return CAIRO_STATUS_SUCCESS;
    } catch (const std::exception& e) {
      impl.failure = e.what();
    } catch (...) {
      impl.failure = impl.file.Path() + ": cannot write";
    }
    return CAIRO_STATUS_WRITE_ERROR;
  }

  // Writes all but the last `keep` bytes waiting.
  void Flush(std::size_t keep = 0) {
    const std::size_t count = buffer.size() - std::min(keep, buffer.size());
    file.Write(std::span(buffer.data(), count));
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
  }

  void InsertSvgTextLayer() {
    const std::string group = svgText->Group();
    const std::string_view waiting(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    const std::size_t end = waiting.rfind(kSvgEnd);
    if (group.empty() || end == std::string_view::npos) return;
    buffer.insert(buffer.begin() + static_cast<std::ptrdiff_t>(end), group.begin(), group.end());
  }

  // Throws for a failed write or a cairo error.
  void Check() {
    if (!failure.empty()) throw EPrinterError("Printer: " + failure);
    cairo_status_t status = cr != nullptr ? cairo_status(cr) : CAIRO_STATUS_SUCCESS;
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
      throw EPrinterError("Printer: " + file.Path() + ": cannot write the document: " +
                          cairo_status_to_string(status));
    }
  }

  ReplacingFile file;
  TDocumentFormat format;
  DocumentPage page;
  std::vector<std::uint8_t> buffer;
  std::string failure;  // the first failed write
  bool discarding = false;
  std::optional<SvgTextLayer> svgText;  // SVG documents only
  // Destroyed after the surface, whose fonts refer to them.
  CairoFaces faces;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
};

PrintDocument::PrintDocument(const std::string& path, TDocumentFormat format, const DocumentPage& page,
                             const std::string& title) {
  try {
    impl_ = std::make_unique<Impl>(path, format);
  } catch (const EFileError& e) {
    throw EPrinterError(std::string("Printer: ") + e.what());
  }
  Impl& d = *impl_;
  d.page = page;
  // Points of 1/72 inch, so that the document's pages have the raster's
  // extent exactly.
  const double width = page.width * 72.0 / page.dpiX;
  const double height = page.height * 72.0 / page.dpiY;
  switch (format) {
    case TDocumentFormat::Pdf:
      d.surface = cairo_pdf_surface_create_for_stream(&Impl::Write, &d, width, height);
      if (!title.empty()) cairo_pdf_surface_set_metadata(d.surface, CAIRO_PDF_METADATA_TITLE, AsUtf8(title).c_str());
      break;
    case TDocumentFormat::PostScript:
      d.surface = cairo_ps_surface_create_for_stream(&Impl::Write, &d, width, height);
      break;
    case TDocumentFormat::Svg:
      d.svgText.emplace(page.dpiX, page.dpiY);
      d.surface = cairo_svg_surface_create_for_stream(&Impl::Write, &d, width, height);
      break;
  }
  d.cr = cairo_create(d.surface);
  d.Check();
}

PrintDocument::~PrintDocument() = default;

TDocumentFormat PrintDocument::Format() const { return impl_->format; }

void PrintDocument::WritePage(PageRecording& recording, Surface& raster) {
  Impl& d = *impl_;
  d.Check();
  cairo_save(d.cr);
  // User space in printer pixels.
  cairo_scale(d.cr, 72.0 / d.page.dpiX, 72.0 / d.page.dpiY);
  recording.Complete();
  if (recording.RasterOnly()) {
    ShowRasterPage(d.cr, raster);
  } else {
    if (d.svgText) recording.Replay(*d.svgText);
    ShowRecordedPage(d.cr, recording, d.faces);
  }
  cairo_restore(d.cr);
  d.Check();
}

void PrintDocument::Finish() {
  Impl& d = *impl_;
  d.Check();
  cairo_destroy(d.cr);
  d.cr = nullptr;
  cairo_surface_finish(d.surface);
  d.Check();
  if (d.svgText) d.InsertSvgTextLayer();
  try {
    d.Flush();
    d.file.Commit();
  } catch (const EFileError& e) {
    throw EPrinterError(std::string("Printer: ") + e.what());
  }
}

}  // namespace pelk
