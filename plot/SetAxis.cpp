// Fitting an axis to a value range, or setting its origin and scale: the
// planned assignments go through the axis's setters, in order.
#include "core/Pelkgraph.h"
#include "plot/AxisFit.h"

namespace pelk {

namespace {

void ApplyAssignment(TAxis& axis, const AxisAssignment& assignment) {
  const auto* whole = std::get_if<int>(&assignment.value);
  const auto* real = std::get_if<double>(&assignment.value);
  switch (assignment.field) {
    case AxisField::DivisionWidth:
      if (whole) axis.SetDivWidth(*whole);
      break;
    case AxisField::NumberOfDivisions:
      if (whole) axis.SetNdivs(*whole);
      break;
    case AxisField::MinExponent:
      if (whole) axis.SetMinExponent(*whole);
      break;
    case AxisField::OriginValue:
      if (real) axis.SetOrgVal(*real);
      break;
    case AxisField::ScalePerDivision:
      if (real) axis.SetScale(*real);
      break;
  }
}

}  // namespace

void TPelkgraph::SetAxis(TAxis& Axis, int Divisions, float Value1, float Value2, bool AutoScale) {
  const AxisFitRequest request{.logAxis = Axis.LogAxis(),
                               .numberOfDivisions = Axis.NumberOfDivisions(),
                               .divisionWidth = Axis.DivisionWidth(),
                               .autoSize = FAutoSize,
                               .divisions = Divisions,
                               .value1 = Value1,
                               .value2 = Value2,
                               .autoScale = AutoScale};
  const std::vector<AxisAssignment> plan = PlanAxisFit(request, FLn10);
  if (plan.empty()) ++FFailedAxisFits;
  for (const AxisAssignment& assignment : plan) ApplyAssignment(Axis, assignment);
}

}  // namespace pelk
