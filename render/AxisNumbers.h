// The numbers written along a linear axis: a common power of ten taken out of
// large or small values, the value of each division and its text.
#pragma once

#include <string>

namespace pelk {

struct LinearAxisNumbers {
  double originValue = 0.0;
  double scalePerDivision = 0.0;
  int divisions = 1;
  int numberOfFixed = 0;     // integer digits kept before a power of ten is taken out
  int numberOfDecimals = 0;  // decimals written
};

// The power of ten E divided out of every number when `applied`; E is reported
// even when it does not apply.
struct CommonExponent {
  int E = 0;
  bool applied = false;
};

// Decided by the larger in magnitude of the first and last values (in single
// precision). No exponent when that magnitude is 0, NaN or infinite.
CommonExponent AxisCommonExponent(const LinearAxisNumbers& axis, double ln10);

// float(origin + i*scale), divided by 10^E (in single precision) when applied.
float AxisDivisionValue(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10);

// The value of division i with numberOfDecimals decimals.
std::string AxisDivisionText(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10,
                             char decimalSeparator);
// The same with the process-wide decimal separator.
std::string AxisDivisionText(const LinearAxisNumbers& axis, const CommonExponent& exponent, int i, double ln10);

}  // namespace pelk
