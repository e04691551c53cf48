// Fitting an axis to a value range: which axis properties change, in the order
// they are to be set.
#pragma once

#include <variant>
#include <vector>

namespace pelk {

enum class AxisField { DivisionWidth, NumberOfDivisions, MinExponent, OriginValue, ScalePerDivision };

struct AxisAssignment {
  AxisField field;
  std::variant<int, double> value;  // double for OriginValue and ScalePerDivision
  friend bool operator==(const AxisAssignment&, const AxisAssignment&) = default;
};

struct AxisFitRequest {
  // The axis and graph as they are before the fit.
  bool logAxis = false;
  int numberOfDivisions = 1;
  int divisionWidth = 0;
  bool autoSize = false;
  // The request: |divisions| divisions (0 keeps the current count); on a
  // linear axis value1/value2 are the bounds (AutoScale) or origin and step,
  // on a logarithmic one the bounds (AutoScale) or the minimum exponent.
  int divisions = 0;
  float value1 = 0.0f;
  float value2 = 0.0f;
  bool autoScale = false;
};

// The assignments that fit the axis, empty when the request cannot be met
// (NaN or infinite values, bounds <= 0 on a logarithmic axis, ranges no round
// scale covers, an origin that cannot be stepped in single precision).
std::vector<AxisAssignment> PlanAxisFit(const AxisFitRequest& request, double ln10);

}  // namespace pelk
