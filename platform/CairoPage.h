// Drawing one printed page on a cairo context whose user space is printer
// pixels: from its recording as vector graphics, or as its raster image.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/PageRecording.h"
#include "platform/Surface.h"

struct _cairo;
struct _cairo_font_face;

namespace pelk {

// Cairo faces of the font files a document's text uses, opened by cairo
// itself so that it never rescales the rasteriser's faces.
class CairoFaces {
 public:
  CairoFaces() = default;
  ~CairoFaces();
  CairoFaces(const CairoFaces&) = delete;
  CairoFaces& operator=(const CairoFaces&) = delete;
  // The face for a recorded font, or null when cairo cannot open it.
  _cairo_font_face* Face(const RecordedFont& font);

 private:
  std::map<std::tuple<std::string, int, bool, bool>, _cairo_font_face*> faces_;
};

// Draws the recording and shows the page.
void ShowRecordedPage(_cairo* cr, PageRecording& recording, CairoFaces& faces);

// Draws the raster page as a lossless image, pixel for pixel, and shows the
// page. The raster's storage is handed to cairo during the call and left
// as it was.
void ShowRasterPage(_cairo* cr, Surface& raster);

}  // namespace pelk
