#include "platform/RealisedFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
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

Glyph RealisedFont::Render(char32_t c) {
  Glyph glyph;
  if (face_ == nullptr || FT_Activate_Size(size_) != 0) return glyph;
  const FT_UInt index = FT_Get_Char_Index(face_, c);  // 0 is .notdef
  if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  FT_Pos advance = slot->advance.x;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (embolden_) {
      const FT_Pos strength = static_cast<FT_Pos>(emPixels_) * 64 / 24;  // 26.6
      FT_Outline_EmboldenXY(&slot->outline, strength, strength);
      advance += strength;
    }
    if (oblique_) FT_GlyphSlot_Oblique(slot);
  }
  glyph.advance = static_cast<int>((advance + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  CopyCoverage(slot->bitmap, glyph);
  return glyph;
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
    if (byte < 0x80 && asciiLoaded_[byte]) {
      width += ascii_[byte].advance;
      ++pos;
    } else {
      width += GlyphOf(NextCodePoint(text, pos)).advance;
    }
    // Advances are below 2^20, so the sum cannot wrap before this check.
    if (width > INT_MAX || width < INT_MIN) return width > 0 ? INT_MAX : INT_MIN;
  }
  return static_cast<int>(width);
}

}  // namespace pelk
