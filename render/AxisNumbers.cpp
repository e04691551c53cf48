#include "render/AxisNumbers.h"

#include <cmath>
#include <cstdint>

#include "platform/Arith.h"
#include "platform/FormatSettings.h"
#include "render/NumberFormat.h"

namespace pelk {

namespace {

// Exponents beyond this cannot come from a float and a sane ln10.
constexpr double kLogLimit = 1.0e6;

}  // namespace

CommonExponent AxisCommonExponent(const LinearAxisNumbers& axis, double ln10) {
  float v = static_cast<float>(axis.originValue + axis.divisions * axis.scalePerDivision);
  if (std::fabs(static_cast<double>(v)) < std::fabs(axis.originValue)) v = static_cast<float>(axis.originValue);
  const double magnitude = std::fabs(static_cast<double>(v));
  if (!(magnitude > 0.0) || !std::isfinite(magnitude)) return {};
  const float L = static_cast<float>(std::log(magnitude) / ln10);
  if (!(std::fabs(L) < kLogLimit)) return {};
  const auto wholeL = static_cast<std::int64_t>(std::trunc(L));
  // Negative logarithms step one further down, whole ones included.
  const std::int64_t e0 = L < 0 ? wholeL - 1 : wholeL;
  std::int64_t e = 0;
  if (e0 > 0) e = e0 - axis.numberOfFixed + 1;
  if (e0 < 0) e = e0 + axis.numberOfDecimals;
  const bool applied = e != 0 && ((wholeL > 0 && e > 0) || (wholeL < 0 && e < 0));
  if (!FitsInt(e)) return {};
  return {static_cast<int>(e), applied};
}

float AxisDivisionValue(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10) {
  const float value = static_cast<float>(axis.originValue + i * axis.scalePerDivision);
  if (!exponent.applied) return value;
  return static_cast<float>(value / std::exp(exponent.E * ln10));
}

std::string AxisDivisionText(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10,
                             char decimalSeparator) {
  return FormatFixed(AxisDivisionValue(axis, exponent, i, ln10), axis.numberOfDecimals, decimalSeparator);
}

std::string AxisDivisionText(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10) {
  return AxisDivisionText(axis, exponent, i, ln10, FormatSettings().DecimalSeparator);
}

}  // namespace pelk
