// Placement arithmetic of a line of text: alignment in the text's own frame
// and the quarter-turn rotations that map that frame onto the device.
//
// The text frame has u along the advance and v downwards from the baseline,
// both in pixels relative to the reference point. A text-frame pixel (U, V)
// lands on the device pixel reference + ToDevice(rotation, U, V).
#pragma once

#include <cstdint>

namespace pelk {

// Counter-clockwise quarter turns of the text.
enum class TextRotation : std::uint8_t { None, Quarter, Half, ThreeQuarters };

// Escapements (tenths of a degree) of 0, 900, 1800 and 2700, also as their
// equivalents modulo 3600; any other angle draws unrotated.
TextRotation RotationOfEscapement(int escapement);

// A half-open box of pixels, left/top included, right/bottom excluded.
struct PixelBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

struct PixelOffset {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const PixelOffset&, const PixelOffset&) = default;
};

// Where the pen starts (u) and where the baseline lies (v) in the text
// frame, for the horizontal (flags & 6) and vertical (flags & 24) alignment
// of a text `width` pixels long in a cell of ascent + descent.
struct TextStart {
  std::int64_t u = 0;
  std::int64_t baseline = 0;
  friend bool operator==(const TextStart&, const TextStart&) = default;
};
TextStart AlignText(std::uint32_t flags, std::int64_t width, int ascent, int descent);

// Device offset of the text-frame pixel (u, v).
PixelOffset ToDevice(TextRotation rotation, std::int64_t u, std::int64_t v);

// Device pixels covered by a box of text-frame pixels.
PixelBox ToDevice(TextRotation rotation, const PixelBox& textBox);

// Text-frame pixels that cover a box of device offsets; ToDevice's inverse.
PixelBox ToTextFrame(TextRotation rotation, const PixelBox& deviceBox);

// The inverse mapping as an affine function of the device offset (dx, dy):
// u = uPerX * dx + uPerY * dy + uBase, likewise v.
struct TextFrameMap {
  int uPerX, uPerY, uBase;
  int vPerX, vPerY, vBase;
};
TextFrameMap DeviceToTextFrame(TextRotation rotation);

PixelBox Intersect(const PixelBox& a, const PixelBox& b);

// The device directions of the text frame's u and v axes as continuous
// vectors: the point (u, v) of the text frame (pixel corners, not centres)
// lies at reference + u (ux, uy) + v (vx, vy), matching ToDevice's pixels.
struct TextBasis {
  int ux, uy;
  int vx, vy;
  friend bool operator==(const TextBasis&, const TextBasis&) = default;
};
TextBasis TextFrameBasis(TextRotation rotation);

// The destination colour moved towards `fg` by the coverage a (0..255) per
// channel, rounded; a = 255 gives fg, a = 0 leaves dst. Colours 0x00BBGGRR.
inline std::uint32_t BlendCoverage(std::uint32_t dst, std::uint32_t fg, unsigned a) {
  if (a >= 255) return fg & 0xFFFFFFu;
  // dst + (fg - dst) * a / 255 is the weighted sum dst * (255 - a) + fg * a
  // over 255, never exactly halfway, so + 127 rounds; (x + 1 + (x >> 8)) >> 8
  // is x / 255 for x < 65535. Red and blue go together in 16-bit lanes.
  const std::uint32_t keep = 255 - a;
  const std::uint32_t rb = (dst & 0xFF00FFu) * keep + (fg & 0xFF00FFu) * a + 0x7F007Fu;
  const std::uint32_t g = ((dst >> 8) & 0xFFu) * keep + ((fg >> 8) & 0xFFu) * a + 127u;
  const std::uint32_t rbOut = ((rb + 0x10001u + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  const std::uint32_t gOut = (g + 1u + (g >> 8)) >> 8;
  return rbOut | (gOut << 8);
}

}  // namespace pelk
