// Arithmetic that turns a logical font height into a scaled face: the em
// size in pixels and font units scaled to whole pixels.
#pragma once

namespace pelk {

// Largest em size realised, in pixels; bigger requests are drawn at this
// size so that a glyph bitmap stays a few megabytes at most.
inline constexpr int kMaxEmPixels = 1024;

// Cell height used for a logical height of 0.
inline constexpr int kDefaultCellPixels = 16;

// Em size in pixels for a logical font height: negative is the character
// (em) height, positive the cell height, which the em is scaled to from the
// face's cell of `cellUnits` font units (ascent + descent). The result lies
// within 1 .. kMaxEmPixels; unusable face figures count as a cell of one em.
int EmPixelsForHeight(int logicalHeight, int unitsPerEm, int cellUnits);

// A non-negative distance in font units scaled to `emPixels` and rounded
// up, as the ascent and descent of a text cell.
int ScaleUnitsUp(int units, int emPixels, int unitsPerEm);

// A signed distance in font units scaled to `emPixels`, rounded to nearest.
int ScaleUnits(int units, int emPixels, int unitsPerEm);

// A logical font height at `fromPixelsPerInch` as the height of the same
// font at `toPixelsPerInch`: a character height (negative) keeps its size
// in whole points, a cell height (positive) scales in proportion.
int RescaleFontHeight(int height, int fromPixelsPerInch, int toPixelsPerInch);

}  // namespace pelk
