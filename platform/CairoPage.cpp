#include "platform/CairoPage.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <vector>

#include "platform/Utf8.h"

namespace pelk {

namespace {

void SetColor(cairo_t* cr, std::uint32_t rgb) {
  cairo_set_source_rgb(cr, (rgb & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, ((rgb >> 16) & 0xFF) / 255.0);
}

// 0x00BBGGRR to cairo's 0x00RRGGBB; its own inverse.
std::uint32_t SwapRedBlue(std::uint32_t p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

// Paints an RGB24 image with its top-left corner at (x, y), one image pixel
// on one page pixel.
void PaintImage(cairo_t* cr, cairo_surface_t* image, double x, double y, int width, int height) {
  cairo_set_source_surface(cr, image, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, x, y, width, height);
  cairo_fill(cr);
  // Drops the context's reference to the image.
  cairo_set_source_rgb(cr, 0, 0, 0);
}

class CairoReplay final : public RecordingVisitor {
 public:
  CairoReplay(cairo_t* cr, CairoFaces& faces) : cr_(cr), faces_(faces) {}

  void Clip(const TRect& clip) override {
    cairo_reset_clip(cr_);
    cairo_rectangle(cr_, clip.Left, clip.Top, clip.Width(), clip.Height());
    cairo_clip(cr_);
  }

  // Long paths go as several strokes: cairo's memory while it writes a
  // stroke grows with its length. Round caps and joins make the pieces'
  // union the same shape; square-capped paths split between subpaths.
  void Stroke(std::uint32_t rgb, int width, bool squareCaps, std::span<const RecordedPoint> points) override {
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, squareCaps ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr_, rgb);
    cairo_new_path(cr_);
    bool subpathStarts = true;
    std::size_t pending = 0;  // points in the current piece
    for (const RecordedPoint& p : points) {
      if (std::isnan(p.x)) {
        subpathStarts = true;
        continue;
      }
      if (pending >= kPointsPerStroke && (subpathStarts || !squareCaps)) {
        cairo_stroke(cr_);
        if (!subpathStarts) cairo_move_to(cr_, last_.x, last_.y);
        pending = 0;
      }
      if (subpathStarts) {
        cairo_move_to(cr_, p.x, p.y);
        subpathStarts = false;
      } else {
        cairo_line_to(cr_, p.x, p.y);
      }
      last_ = p;
      ++pending;
    }
    cairo_stroke(cr_);
  }

  void Boxes(std::uint32_t rgb, std::span<const RecordedPoint> corners) override {
    cairo_new_path(cr_);
    for (std::size_t i = 0; i + 1 < corners.size(); i += 2) {
      const RecordedPoint a = corners[i], b = corners[i + 1];
      cairo_rectangle(cr_, a.x, a.y, b.x - a.x, b.y - a.y);
    }
    SetColor(cr_, rgb);
    cairo_fill(cr_);
  }

  // The characters go with their glyphs as clusters, so the document's
  // text can be searched and copied.
  void Text(std::uint32_t rgb, const RecordedFont& font, TextRotation rotation, std::span<const RecordedGlyph> glyphs,
            std::string_view utf8) override {
    cairo_font_face_t* face = faces_.Face(font);
    if (face == nullptr) return;
    glyphs_.clear();
    clusters_.clear();
    std::size_t pos = 0;
    for (const RecordedGlyph& g : glyphs) {
      if (pos >= utf8.size()) break;
      const std::size_t start = pos;
      NextCodePoint(utf8, pos);
      const bool drawn = g.index != RecordedGlyph::kSkipped;
      if (drawn) glyphs_.push_back(cairo_glyph_t{g.index, g.x, g.y});
      clusters_.push_back(cairo_text_cluster_t{static_cast<int>(pos - start), drawn ? 1 : 0});
    }
    const TextBasis b = TextFrameBasis(rotation);
    const double em = font.emPixels;
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, b.ux * em, b.uy * em, b.vx * em, b.vy * em, 0, 0);
    cairo_set_font_face(cr_, face);
    cairo_set_font_matrix(cr_, &matrix);
    SetColor(cr_, rgb);
    cairo_show_text_glyphs(cr_, utf8.data(), static_cast<int>(pos), glyphs_.data(), static_cast<int>(glyphs_.size()),
                           clusters_.data(), static_cast<int>(clusters_.size()), cairo_text_cluster_flags_t{});
  }

  void Image(const TRect& box, std::span<const std::uint32_t> pixels) override {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, box.Width(), box.Height());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
      cairo_surface_flush(image);
      auto* data = cairo_image_surface_get_data(image);
      const int stride = cairo_image_surface_get_stride(image);
      for (int y = 0; y < box.Height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        const std::uint32_t* in = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(box.Width());
        for (int x = 0; x < box.Width(); ++x) row[x] = SwapRedBlue(in[x]);
      }
      cairo_surface_mark_dirty(image);
      PaintImage(cr_, image, box.Left, box.Top, box.Width(), box.Height());
    }
    cairo_surface_destroy(image);
  }

 private:
  static constexpr std::size_t kPointsPerStroke = 16384;

  cairo_t* cr_;
  CairoFaces& faces_;
  RecordedPoint last_;
  std::vector<cairo_glyph_t> glyphs_;
  std::vector<cairo_text_cluster_t> clusters_;
};

// Swaps the raster's channels into cairo's order for the scope's length.
class CairoOrder {
 public:
  explicit CairoOrder(Surface& raster) : raster_(raster) { Swap(); }
  ~CairoOrder() { Swap(); }
  CairoOrder(const CairoOrder&) = delete;
  CairoOrder& operator=(const CairoOrder&) = delete;

 private:
  void Swap() {
    std::uint32_t* p = raster_.Row(0);
    const std::size_t n = static_cast<std::size_t>(raster_.Width()) * static_cast<std::size_t>(raster_.Height());
    for (std::size_t i = 0; i < n; ++i) p[i] = SwapRedBlue(p[i]);
  }
  Surface& raster_;
};

}  // namespace

CairoFaces::~CairoFaces() {
  for (auto& [key, face] : faces_) cairo_font_face_destroy(face);
}

cairo_font_face_t* CairoFaces::Face(const RecordedFont& font) {
  const auto key = std::make_tuple(font.file.path, font.file.index, font.embolden, font.oblique);
  auto found = faces_.find(key);
  if (found != faces_.end()) return found->second;
  cairo_font_face_t* face = nullptr;
  if (!font.file.path.empty()) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern != nullptr) {
      FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(font.file.path.c_str()));
      FcPatternAddInteger(pattern, FC_INDEX, font.file.index);
      face = cairo_ft_font_face_create_for_pattern(pattern);
      FcPatternDestroy(pattern);
    }
    if (face != nullptr && cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face);
      face = nullptr;
    }
    if (face != nullptr) {
      unsigned synthesize = 0;
      if (font.embolden) synthesize |= CAIRO_FT_SYNTHESIZE_BOLD;
      if (font.oblique) synthesize |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
      cairo_ft_font_face_set_synthesize(face, synthesize);
    }
  }
  faces_.emplace(key, face);
  return face;
}

void ShowRecordedPage(cairo_t* cr, PageRecording& recording, CairoFaces& faces) {
  cairo_save(cr);
  CairoReplay replay(cr, faces);
  recording.Replay(replay);
  cairo_restore(cr);
  cairo_show_page(cr);
}

// The image stays alive until the page is shown: cairo reads the pixels
// from it then, instead of copying them first.
void ShowRasterPage(cairo_t* cr, Surface& raster) {
  const CairoOrder order(raster);
  cairo_surface_t* image = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(raster.Row(0)),
                                                               CAIRO_FORMAT_RGB24, raster.Width(), raster.Height(),
                                                               raster.Width() * 4);
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    PaintImage(cr, image, 0, 0, raster.Width(), raster.Height());
  }
  cairo_show_page(cr);
  cairo_surface_destroy(image);
}

}  // namespace pelk
