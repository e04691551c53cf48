#include "platform/RealisedFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/FontSizing.h"
#include "platform/Utf8.h"

namespace pelk {

namespace {

// Vertical extent of the face's cell in font units: the Windows metrics of
// the OS/2 table when present, else the face's ascender and descender.
struct CellUnits {
  int ascent = 0;
  int descent = 0;
};

CellUnits CellUnitsOf(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    return {os2->usWinAscent, os2->usWinDescent};
  }
  return {std::max<int>(face->ascender, 0), std::max<int>(-face->descender, 0)};
}

// Copies a rendered bitmap into coverage rows of 0..255.
void CopyCoverage(const FT_Bitmap& bitmap, Glyph& glyph) {
  const bool gray = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
  const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
  if ((!gray && !mono) || bitmap.buffer == nullptr || bitmap.width == 0 || bitmap.rows == 0) return;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
  const unsigned maxGray = gray && bitmap.num_grays > 1 ? bitmap.num_grays - 1u : 255u;
  for (int r = 0; r < glyph.rows; ++r) {
    // A negative pitch stores the rows bottom-up.
    const unsigned char* src =
        bitmap.pitch >= 0 ? bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch
                          : bitmap.buffer + static_cast<std::ptrdiff_t>(glyph.rows - 1 - r) * -bitmap.pitch;
    std::uint8_t* dst = glyph.coverage.data() + static_cast<std::size_t>(r) * glyph.width;
    for (int c = 0; c < glyph.width; ++c) {
      if (mono) {
        dst[c] = (src[c >> 3] & (0x80 >> (c & 7))) ? 255 : 0;
      } else {
        dst[c] = static_cast<std::uint8_t>(std::min(255u, src[c] * 255u / maxGray));
      }
    }
  }
}

// The largest extent of the face's glyphs (its bounding box, widest advance
// and em), scaled, with a quarter more for a synthesised slant and weight.
int GlyphReachOf(FT_Face face, int emPixels) {
  const FT_BBox& b = face->bbox;
  long units = std::max<long>({std::labs(b.xMin), std::labs(b.xMax), std::labs(b.yMin), std::labs(b.yMax),
                               face->max_advance_width, face->units_per_EM});
  return ScaleUnitsUp(static_cast<int>(units + units / 4), emPixels, face->units_per_EM) + 2;
}

}  // namespace

RealisedFont::RealisedFont(FT_FaceRec_* face, int logicalHeight, bool embolden, bool oblique, FontFileMatch source)
    : source_(std::move(source)), embolden_(embolden), oblique_(oblique) {
  if (face == nullptr || !FT_IS_SCALABLE(face) || face->units_per_EM == 0) return;
  const CellUnits cell = CellUnitsOf(face);
  emPixels_ = EmPixelsForHeight(logicalHeight, face->units_per_EM, cell.ascent + cell.descent);
  if (FT_New_Size(face, &size_) != 0) {
    size_ = nullptr;
    return;
  }
  if (FT_Activate_Size(size_) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(emPixels_)) != 0) {
    FT_Done_Size(size_);
    size_ = nullptr;
    return;
  }
  face_ = face;
  const int upem = face->units_per_EM;
  ascent_ = ScaleUnitsUp(cell.ascent, emPixels_, upem);
  descent_ = ScaleUnitsUp(cell.descent, emPixels_, upem);
  glyphReach_ = GlyphReachOf(face, emPixels_);
  ScaleDecorations();
}

RealisedFont::~RealisedFont() {
  if (size_ != nullptr) FT_Done_Size(size_);
}

void RealisedFont::ScaleDecorations() {
  const int upem = face_->units_per_EM;
  const int underlineThickness = std::max(1, ScaleUnits(face_->underline_thickness, emPixels_, upem));
  // FreeType gives the centre of the underline stroke, upwards positive.
  int top = -ScaleUnits(face_->underline_position, emPixels_, upem) - underlineThickness / 2;
  top = std::clamp(top, 0, std::max(0, descent_ - underlineThickness));
  underline_ = {top, underlineThickness};

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    // The OS/2 position is the top of the stroke above the baseline.
    strikeOut_ = {-ScaleUnits(os2->yStrikeoutPosition, emPixels_, upem),
                  std::max(1, ScaleUnits(os2->yStrikeoutSize, emPixels_, upem))};
  } else {
    // Near half the x-height of common faces.
    strikeOut_ = {-std::max(1, emPixels_ / 4), underlineThickness};
  }
}

std::string RealisedFont::FamilyName() const {
  return face_ != nullptr && face_->family_name != nullptr ? face_->family_name : "";
}

unsigned RealisedFont::GlyphIndex(char32_t c) const {
  return face_ != nullptr ? FT_Get_Char_Index(face_, c) : 0;
}

bool RealisedFont::LoadOutline(unsigned index, long& advance) {
  if (face_ == nullptr || FT_Activate_Size(size_) != 0) return false;
  if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
  FT_GlyphSlot slot = face_->glyph;
  advance = slot->advance.x;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (embolden_) {
      const FT_Pos strength = static_cast<FT_Pos>(emPixels_) * 64 / 24;  // 26.6
      FT_Outline_EmboldenXY(&slot->outline, strength, strength);
      advance += strength;
    }
    if (oblique_) FT_GlyphSlot_Oblique(slot);
  }
  return true;
}

GlyphBox RealisedFont::MeasureGlyph(unsigned index) {
  GlyphBox box;
  long advance = 0;
  if (!LoadOutline(index, advance)) return box;
  box.advance = static_cast<int>((advance + 32) >> 6);
  const FT_GlyphSlot slot = face_->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_points == 0) return box;
  // The renderer's bitmap: the outline's control box widened to whole pixels.
  FT_BBox cbox;
  FT_Outline_Get_CBox(&slot->outline, &cbox);
  const FT_Pos left = cbox.xMin >> 6, right = (cbox.xMax + 63) >> 6;
  const FT_Pos bottom = cbox.yMin >> 6, top = (cbox.yMax + 63) >> 6;
  box.left = static_cast<int>(left);
  box.top = static_cast<int>(top);
  box.width = static_cast<int>(right - left);
  box.rows = static_cast<int>(top - bottom);
  return box;
}

Glyph RealisedFont::Render(char32_t c) {
  Glyph glyph;
  long advance = 0;
  if (!LoadOutline(GlyphIndex(c), advance)) return glyph;
  glyph.advance = static_cast<int>((advance + 32) >> 6);
  FT_GlyphSlot slot = face_->glyph;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  CopyCoverage(slot->bitmap, glyph);
  return glyph;
}

Glyph RealisedFont::RenderRows(const GlyphBox& box, int firstBand, int endBand) {
  Glyph part;
  static_cast<GlyphBox&>(part) = box;
  const int firstRow = firstBand * kBandRows;
  const int endRow = std::min(endBand * kBandRows, box.rows);
  part.top = box.top - firstRow;
  part.rows = endRow - firstRow;
  part.coverage.assign(static_cast<std::size_t>(part.width) * static_cast<std::size_t>(part.rows), 0);
  FT_Outline& outline = face_->glyph->outline;
  // Each band is rendered alone, so a pixel's coverage never depends on
  // which other bands were wanted. The band's bottom-left corner moves to
  // the bitmap's origin; the rasteriser leaves out everything beyond it.
  FT_Pos shiftedX = 0, shiftedY = 0;
  for (int row = firstRow; row < endRow; row += kBandRows) {
    const int rows = std::min(kBandRows, endRow - row);
    const FT_Pos x = -static_cast<FT_Pos>(box.left) * 64;
    const FT_Pos y = (static_cast<FT_Pos>(rows) + row - box.top) * 64;
    FT_Outline_Translate(&outline, x - shiftedX, y - shiftedY);
    shiftedX = x;
    shiftedY = y;
    FT_Bitmap bitmap;
    FT_Bitmap_Init(&bitmap);
    bitmap.rows = static_cast<unsigned>(rows);
    bitmap.width = static_cast<unsigned>(part.width);
    bitmap.pitch = part.width;
    bitmap.buffer = part.coverage.data() + static_cast<std::size_t>(row - firstRow) * part.width;
    bitmap.num_grays = 256;
    bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
    FT_Outline_Get_Bitmap(face_->glyph->library, &outline, &bitmap);
  }
  return part;
}

const GlyphBox& RealisedFont::BoxOf(char32_t c) {
  if (c < asciiBoxes_.size() && asciiBoxLoaded_[c]) return asciiBoxes_[c];
  const unsigned index = GlyphIndex(c);
  auto found = boxes_.find(index);
  if (found == boxes_.end()) found = boxes_.emplace(index, MeasureGlyph(index)).first;
  if (c < asciiBoxes_.size()) {
    asciiBoxLoaded_[c] = true;
    return asciiBoxes_[c] = found->second;
  }
  return found->second;
}

const Glyph& RealisedFont::GlyphCovering(char32_t c, std::int64_t left, std::int64_t top, std::int64_t right,
                                         std::int64_t bottom) {
  const GlyphBox box = BoxOf(c);
  if (static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.rows) <= kMaxCachedGlyphBytes) {
    return GlyphOf(c);
  }
  // Rows counted from the glyph's top.
  const std::int64_t firstRow = std::max<std::int64_t>(top + box.top, 0);
  const std::int64_t endRow = std::min<std::int64_t>(bottom + box.top, box.rows);
  part_ = Glyph{};
  part_.advance = box.advance;
  long advance = 0;
  if (left < std::int64_t{box.left} + box.width && right > box.left && firstRow < endRow &&
      LoadOutline(GlyphIndex(c), advance)) {
    part_ = RenderRows(box, static_cast<int>(firstRow / kBandRows),
                       static_cast<int>((endRow + kBandRows - 1) / kBandRows));
  }
  return part_;
}

void RealisedFont::MakeRoom(std::size_t bytes) {
  if (cachedBytes_ + bytes <= kMaxCachedBytes && others_.size() < kMaxCachedGlyphs) return;
  for (std::size_t c = 0; c < ascii_.size(); ++c) {
    ascii_[c] = Glyph{};
    asciiLoaded_[c] = false;
  }
  others_.clear();
  cachedBytes_ = 0;
}

const Glyph& RealisedFont::GlyphOf(char32_t c) {
  if (c < ascii_.size() && asciiLoaded_[c]) return ascii_[c];
  if (c >= ascii_.size()) {
    auto found = others_.find(c);
    if (found != others_.end()) return found->second;
  }
  Glyph glyph = Render(c);
  MakeRoom(glyph.coverage.size());
  cachedBytes_ += glyph.coverage.size();
  if (c < ascii_.size()) {
    asciiLoaded_[c] = true;
    return ascii_[c] = std::move(glyph);
  }
  return others_.emplace(c, std::move(glyph)).first->second;
}

int RealisedFont::Measure(std::string_view text) {
  std::int64_t width = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80 && asciiBoxLoaded_[byte]) {
      width += asciiBoxes_[byte].advance;
      ++pos;
    } else {
      width += BoxOf(NextCodePoint(text, pos)).advance;
    }
    // Advances are below 2^20, so the sum cannot wrap before this check.
    if (width > INT_MAX || width < INT_MIN) return width > 0 ? INT_MAX : INT_MIN;
  }
  return static_cast<int>(width);
}

}  // namespace pelk
