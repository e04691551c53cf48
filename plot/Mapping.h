// Value <-> pixel along one axis, on screen and on the printer.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

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

// Maps the values of one axis to unrounded pixels. The defining rule is
// evaluated in extended precision in the order difference, times the
// division width, divided by the scale, then added to or subtracted from the
// origin, and stored in single precision. A linear axis first tries double
// arithmetic with a precomputed pixels-per-value factor (negative for a
// vertical axis, so one addition serves both) and keeps that float only when
// an error bound proves the extended evaluation rounds to the same float;
// otherwise (rarely) it evaluates the rule itself.
// Inline: the plotting calls map every point through it.
class AxisMap {
 public:
  AxisMap() = default;  // maps nothing: every value gives NaN
  AxisMap(const AxisScale& scale, const AxisPlacement& placement, double ln10)
      : scale_(scale),
        placement_(placement),
        ln10_(ln10),
        origin_(placement.originPixel),
        pixelsPerValue_((Horizontal() ? 1 : -1) * (placement.divisionWidth / scale.scalePerDivision)),
        quick_(!scale.log && std::isnormal(pixelsPerValue_)) {}

  // The unrounded pixel; a value that cannot be mapped (NaN or infinite,
  // not positive on a logarithmic axis, a zero scale, a result beyond the
  // float range) gives NaN or an infinity: each exceptional input makes the
  // result so. RoundPixel turns both away, so the plotting calls test once.
  float UncheckedPixel(float value) const {
    float pixel = 0.0f;
    if (quick_ && QuickLinearPixel(value, pixel)) [[likely]] return pixel;
    return ExtendedPixel(value);
  }

 private:
  bool Horizontal() const { return placement_.orientation == AxisOrientation::Horizontal; }

  float ExtendedPixel(float value) const {
    const long double v = value;
    const long double offset =
        scale_.log ? (std::log(v) / ln10_ - scale_.minExponent) * placement_.divisionWidth
                   : (v - scale_.originValue) * placement_.divisionWidth / scale_.scalePerDivision;
    const long double origin = placement_.originPixel;
    return static_cast<float>(Horizontal() ? origin + offset : origin - offset);
  }

  // The double result p differs from the extended one by less than
  // (|offset| + |p|) * 2^-51 (three roundings on each side; negating the
  // factor is exact); the bound below is eight times that, which also covers
  // the rounding of p -+ bound. Float rounding never decreases, so when both
  // ends of [p - bound, p + bound] round to the same float, the extended
  // result rounds to it too; that holds for the infinities as well. A NaN
  // value gives NaN either way.
  bool QuickLinearPixel(float value, float& pixel) const {
    const double offset = (static_cast<double>(value) - scale_.originValue) * pixelsPerValue_;
    const double p = origin_ + offset;
    const double bound = (std::fabs(offset) + std::fabs(p)) * 0x1p-48;
    const auto low = static_cast<float>(p - bound);
    const auto high = static_cast<float>(p + bound);
    pixel = low;
    return std::bit_cast<std::uint32_t>(low) == std::bit_cast<std::uint32_t>(high);
  }

  AxisScale scale_;
  AxisPlacement placement_;
  double ln10_ = 0.0;
  double origin_ = 0.0;          // the origin pixel
  double pixelsPerValue_ = 0.0;  // signed: the direction of the axis
  bool quick_ = false;
};

// The screen pixel of an unrounded one: nearest, halves to even (the current
// rounding mode, as rint); nullopt outside the 32-bit range and for NaN.
inline std::optional<std::int32_t> RoundPixel(float unroundedPixel) {
#if defined(__SSE__)
  // The conversion gives INT32_MIN for everything it cannot convert, so
  // only that answer needs a second look.
  const std::int32_t pixel = _mm_cvtss_si32(_mm_set_ss(unroundedPixel));
  if (pixel == INT32_MIN && unroundedPixel != -2147483648.0f) [[unlikely]] return std::nullopt;
  return pixel;
#else
  if (!(unroundedPixel >= -2147483648.0f && unroundedPixel < 2147483648.0f)) return std::nullopt;
  return static_cast<std::int32_t>(std::rint(unroundedPixel));
#endif
}

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
