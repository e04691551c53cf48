// Handle-based graphics objects and device-context calls: rectangular
// regions, logical fonts, clip selection, text alignment, background mode.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace pelk {

class TCanvas;
using HDC = TCanvas*;  // a canvas is its own device context

// Handles of graphics objects. 0 is the null handle; handles of deleted
// objects are never reused, so a stale handle is simply unknown.
using HGDIOBJ = std::uint32_t;
using HRGN = HGDIOBJ;
using HFONT = HGDIOBJ;

// Region kinds returned by SelectClipRgn.
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;

// Text alignment flags.
inline constexpr std::uint32_t TA_NOUPDATECP = 0;
inline constexpr std::uint32_t TA_UPDATECP = 1;
inline constexpr std::uint32_t TA_LEFT = 0;
inline constexpr std::uint32_t TA_RIGHT = 2;
inline constexpr std::uint32_t TA_CENTER = 6;
inline constexpr std::uint32_t TA_TOP = 0;
inline constexpr std::uint32_t TA_BOTTOM = 8;
inline constexpr std::uint32_t TA_BASELINE = 24;
inline constexpr std::uint32_t GDI_ERROR = 0xFFFFFFFF;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// GetDeviceCaps indices.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// Font weights and CreateFontA constants.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr std::uint32_t ANSI_CHARSET = 0;
inline constexpr std::uint32_t DEFAULT_CHARSET = 1;
inline constexpr std::uint32_t OUT_TT_PRECIS = 4;
inline constexpr std::uint32_t CLIP_DEFAULT_PRECIS = 0;
inline constexpr std::uint32_t PROOF_QUALITY = 2;
inline constexpr std::uint32_t DEFAULT_PITCH = 0;
inline constexpr std::uint32_t FF_DONTCARE = 0;

// A logical font: what CreateFontA describes and a canvas font realises.
struct LogFont {
  int Height = 0;      // pixels; negative: character height, positive: cell height
  int Escapement = 0;  // tenths of a degree, counter-clockwise
  int Weight = FW_DONTCARE;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::string FaceName;  // at most 31 characters
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);

// The rectangle of a region, or nothing for an unknown handle.
std::optional<TRect> RegionRect(HRGN region);

// Deletes a region or font. The null handle and unknown handles do nothing
// and return false.
bool DeleteObject(HGDIOBJ object);

// Copies the region into the context's clip (in the coordinates of the
// device's surface); the null handle removes the clip.
int SelectClipRgn(HDC dc, HRGN region);

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  std::uint32_t italic, std::uint32_t underline, std::uint32_t strikeOut,
                  std::uint32_t charSet, std::uint32_t outputPrecision,
                  std::uint32_t clipPrecision, std::uint32_t quality,
                  std::uint32_t pitchAndFamily, const char* faceName);

// The logical font of a font handle, or nothing for an unknown handle.
std::optional<LogFont> FontDescription(HFONT font);

// Selects a font handle into the context and returns the one it displaced
// (0 when the canvas's own font was selected, or on failure).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

std::uint32_t SetTextAlign(HDC dc, std::uint32_t flags);  // returns the previous flags
std::uint32_t GetTextAlign(HDC dc);
int SetBkMode(HDC dc, int mode);  // returns the previous mode, 0 on error
int GetBkMode(HDC dc);
int GetDeviceCaps(HDC dc, int index);

// Intersection of two rectangles; false and an empty result when either is
// empty or they do not overlap.
bool IntersectRect(TRect& result, const TRect& a, const TRect& b);

}  // namespace pelk
