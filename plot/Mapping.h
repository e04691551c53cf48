// Value <-> pixel along one axis, on screen and on the printer.
#pragma once

#include <cstdint>
#include <optional>

namespace pelk {

struct AxisScale {
  bool log = false;
  double originValue = 0.0;       // linear: value at the origin pixel
  double scalePerDivision = 0.0;  // linear: value per division
  int minExponent = 0;            // logarithmic: the origin is 10^minExponent
};

// X pixels grow with the value, Y pixels shrink (screen rows run downwards).
enum class AxisOrientation { Horizontal, Vertical };

struct AxisPlacement {
  int divisionWidth = 0;
  int originPixel = 0;
  AxisOrientation orientation = AxisOrientation::Horizontal;
};

// Distance of value from the origin pixel, in the axis's positive direction,
// in extended precision; nullopt for a value that cannot be mapped.
std::optional<long double> ValueOffset(const AxisScale& scale, int divisionWidth, float value, double ln10);

// The unrounded pixel of value (stored in single precision); nullopt for NaN or
// infinite values, values <= 0 on a logarithmic axis, a zero scale and results
// that are not finite floats.
std::optional<float> ValueToPixel(const AxisScale& scale, const AxisPlacement& placement, float value, double ln10);

// The screen pixel of an unrounded one: nearest, halves to even; nullopt outside
// the 32-bit range.
std::optional<std::int32_t> RoundPixel(float unroundedPixel);

// The value at a pixel, in single precision. A zero division width gives the
// value at the origin.
float PixelToValue(const AxisScale& scale, const AxisPlacement& placement, int pixel, double ln10);

// Printer position of a coordinate given in screen pixels: Round(pixel * factor).
std::optional<std::int32_t> PrinterFromPixel(int pixel, float scaleFactor);

// Printer offset from the origin of an unrounded screen pixel, in the axis's
// positive direction: Round((pixel - origin) * factor), Y reversed.
std::optional<std::int32_t> PrinterFromUnrounded(float unroundedPixel, const AxisPlacement& placement,
                                                 float scaleFactor);

}  // namespace pelk
