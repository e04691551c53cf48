// A print job's document: its pages written through cairo as PDF,
// PostScript or SVG, each from its recording as vector graphics (strokes,
// fills, real text in the face the raster used) or, when the recording gave
// up, as the raster page's lossless image. The document is written to a
// temporary file beside its target and renamed into place when finished.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PageRecording.h"
#include "platform/Surface.h"

namespace pelk {

enum class TDocumentFormat : std::uint8_t { Pdf, PostScript, Svg };

// The format named by the file's extension (.pdf, .ps, .svg in any case);
// nothing for another extension or none.
std::optional<TDocumentFormat> DocumentFormatOf(std::string_view path);

// A page in printer pixels at its resolution.
struct DocumentPage {
  int width = 0;
  int height = 0;
  int dpiX = 72;
  int dpiY = 72;
};

class PrintDocument {
 public:
  // Starts the document in a temporary file beside `path`; `title` goes
  // into the document's information where the format has it. Throws
  // EPrinterError naming the file.
  PrintDocument(const std::string& path, TDocumentFormat format, const DocumentPage& page,
                const std::string& title);
  // Without Finish nothing is written: the temporary is removed.
  ~PrintDocument();
  PrintDocument(const PrintDocument&) = delete;
  PrintDocument& operator=(const PrintDocument&) = delete;

  TDocumentFormat Format() const;

  // Writes a page from its recording, or from the raster page when the
  // recording gave up (the raster's storage is lent to the writer during
  // the call and left as it was). Throws EPrinterError naming the file;
  // the document is then unusable.
  void WritePage(PageRecording& recording, Surface& raster);
  // Completes the document and renames it over the target. Throws
  // EPrinterError naming the file, the target left untouched.
  void Finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pelk
