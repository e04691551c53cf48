#include "platform/TextGeometry.h"

#include <algorithm>

#include "platform/Gdi.h"

namespace pelk {

TextRotation RotationOfEscapement(int escapement) {
  switch (((escapement % 3600) + 3600) % 3600) {
    case 900:
      return TextRotation::Quarter;
    case 1800:
      return TextRotation::Half;
    case 2700:
      return TextRotation::ThreeQuarters;
    default:
      return TextRotation::None;
  }
}

TextStart AlignText(std::uint32_t flags, std::int64_t width, int ascent, int descent) {
  TextStart start;
  switch (flags & TA_CENTER) {
    case TA_RIGHT:
      start.u = -width;
      break;
    case TA_CENTER:
      start.u = -(width / 2);
      break;
    default:  // TA_LEFT; the lone bit 4 is not an alignment of its own
      start.u = 0;
      break;
  }
  switch (flags & TA_BASELINE) {
    case TA_BOTTOM:
      start.baseline = -static_cast<std::int64_t>(descent);
      break;
    case TA_BASELINE:
      start.baseline = 0;
      break;
    default:  // TA_TOP
      start.baseline = ascent;
      break;
  }
  return start;
}

// A pixel is the unit square at its coordinates; turning the square by a
// quarter about the reference corner moves it to the pixel whose index is
// one less along each axis that was reversed.
PixelOffset ToDevice(TextRotation rotation, std::int64_t u, std::int64_t v) {
  switch (rotation) {
    case TextRotation::Quarter:
      return {v, -1 - u};
    case TextRotation::Half:
      return {-1 - u, -1 - v};
    case TextRotation::ThreeQuarters:
      return {-1 - v, u};
    case TextRotation::None:
      break;
  }
  return {u, v};
}

PixelBox ToDevice(TextRotation rotation, const PixelBox& textBox) {
  if (textBox.IsEmpty()) return {};
  const PixelOffset a = ToDevice(rotation, textBox.left, textBox.top);
  const PixelOffset b = ToDevice(rotation, textBox.right - 1, textBox.bottom - 1);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
          std::max(a.y, b.y) + 1};
}

TextFrameMap DeviceToTextFrame(TextRotation rotation) {
  switch (rotation) {
    case TextRotation::Quarter:  // dx = v, dy = -1 - u
      return {0, -1, -1, 1, 0, 0};
    case TextRotation::Half:  // dx = -1 - u, dy = -1 - v
      return {-1, 0, -1, 0, -1, -1};
    case TextRotation::ThreeQuarters:  // dx = -1 - v, dy = u
      return {0, 1, 0, -1, 0, -1};
    case TextRotation::None:
      break;
  }
  return {1, 0, 0, 0, 1, 0};
}

PixelBox ToTextFrame(TextRotation rotation, const PixelBox& deviceBox) {
  if (deviceBox.IsEmpty()) return {};
  const TextFrameMap m = DeviceToTextFrame(rotation);
  const auto frameOf = [&m](std::int64_t x, std::int64_t y) {
    return PixelOffset{m.uPerX * x + m.uPerY * y + m.uBase, m.vPerX * x + m.vPerY * y + m.vBase};
  };
  const PixelOffset a = frameOf(deviceBox.left, deviceBox.top);
  const PixelOffset b = frameOf(deviceBox.right - 1, deviceBox.bottom - 1);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

TextBasis TextFrameBasis(TextRotation rotation) {
  switch (rotation) {
    case TextRotation::Quarter:  // reads upwards
      return {0, -1, 1, 0};
    case TextRotation::Half:
      return {-1, 0, 0, -1};
    case TextRotation::ThreeQuarters:  // reads downwards
      return {0, 1, -1, 0};
    case TextRotation::None:
      break;
  }
  return {1, 0, 0, 1};
}

PixelBox Intersect(const PixelBox& a, const PixelBox& b) {
  PixelBox r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
             std::min(a.bottom, b.bottom)};
  return r.IsEmpty() ? PixelBox{} : r;
}

}  // namespace pelk
