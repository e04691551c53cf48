// A face scaled to one pixel size, with its cell metrics and a cache of
// rendered glyphs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FontMatch.h"

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace pelk {

// Where a glyph's coverage lies and how far it moves the pen, in pixels,
// known from its outline without rendering it.
struct GlyphBox {
  int advance = 0;
  int left = 0;  // bitmap's left column relative to the pen position
  int top = 0;   // rows of the bitmap above the baseline
  int width = 0;
  int rows = 0;
};

// A rendered glyph, or a rendered part of one: 8-bit coverage rows of the
// box it describes.
struct Glyph : GlyphBox {
  std::vector<std::uint8_t> coverage;  // rows * width values, 0..255
};

// A horizontal decoration line: its first row, counted downwards from the
// row just below the baseline (negative is above it), and its thickness.
struct DecorationLine {
  int top = 0;
  int thickness = 0;
};

class RealisedFont {
 public:
  // Scales `face` (owned by the caller, may be null) for a logical height
  // (see EmPixelsForHeight). Embolden and oblique synthesise a style the
  // face lacks. A null or unusable face gives a font that measures 0 and
  // draws nothing.
  // `source` is the file the face was opened from, for writers that embed it.
  RealisedFont(FT_FaceRec_* face, int logicalHeight, bool embolden, bool oblique, FontFileMatch source = {});
  ~RealisedFont();
  RealisedFont(const RealisedFont&) = delete;
  RealisedFont& operator=(const RealisedFont&) = delete;

  bool IsNull() const { return face_ == nullptr; }
  int EmPixels() const { return emPixels_; }
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  // A bound on every glyph's advance and on how far its coverage lies from
  // its pen position, in pixels along and across the baseline.
  int GlyphReach() const { return glyphReach_; }
  std::string FamilyName() const;
  DecorationLine Underline() const { return underline_; }
  DecorationLine StrikeOut() const { return strikeOut_; }
  const FontFileMatch& Source() const { return source_; }
  bool Emboldened() const { return embolden_; }
  bool Oblique() const { return oblique_; }
  // The face's glyph index of a character (0, .notdef, when it has none).
  unsigned GlyphIndex(char32_t c) const;

  // The advance and coverage box of a character's glyph (the face's
  // .notdef when it has none), from its outline; nothing is rendered.
  const GlyphBox& BoxOf(char32_t c);
  // The glyph of a character, rendered whole. The reference stays valid
  // until the next call.
  const Glyph& GlyphOf(char32_t c);
  // Coverage of a character's glyph that includes the part within `wanted`
  // (glyph-box coordinates: columns from the pen, rows downwards from the
  // baseline, right and bottom excluded). A glyph too large to cache is
  // rendered only in the bands of rows that part needs, and the cache keeps
  // what it holds. The reference stays valid until the next call.
  const Glyph& GlyphCovering(char32_t c, std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom);
  // Sum of the advances of a UTF-8 text, saturated to the int range.
  int Measure(std::string_view text);

 private:
  static constexpr std::size_t kMaxCachedGlyphs = 4096;  // beyond ASCII
  static constexpr std::size_t kMaxCachedBytes = std::size_t{4} << 20;
  // Glyphs with more coverage than this are rendered part by part, uncached.
  static constexpr std::size_t kMaxCachedGlyphBytes = std::size_t{64} << 10;
  static constexpr int kBandRows = 32;  // rows such a glyph is rendered in at a time

  void ScaleDecorations();
  // Loads a glyph's outline, styled, into the face's slot; false when it has none.
  bool LoadOutline(unsigned index, long& advance);
  GlyphBox MeasureGlyph(unsigned index);
  Glyph Render(char32_t c);
  // Renders bands firstBand .. endBand - 1 of the loaded outline, whole width.
  Glyph RenderRows(const GlyphBox& box, int firstBand, int endBand);
  // Makes room for a glyph of `bytes` coverage, dropping all cached glyphs
  // when the cache would outgrow its limits.
  void MakeRoom(std::size_t bytes);

  FT_FaceRec_* face_ = nullptr;
  FT_SizeRec_* size_ = nullptr;
  FontFileMatch source_;
  bool embolden_ = false;
  bool oblique_ = false;
  int emPixels_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  int glyphReach_ = 0;
  DecorationLine underline_;
  DecorationLine strikeOut_;
  std::array<Glyph, 128> ascii_;
  std::array<bool, 128> asciiLoaded_{};
  std::unordered_map<char32_t, Glyph> others_;
  std::size_t cachedBytes_ = 0;
  // Boxes by glyph index, so at most one per glyph of the face; ASCII by character.
  std::unordered_map<unsigned, GlyphBox> boxes_;
  std::array<GlyphBox, 128> asciiBoxes_;
  std::array<bool, 128> asciiBoxLoaded_{};
  Glyph part_;  // the last glyph rendered in part
};

}  // namespace pelk
