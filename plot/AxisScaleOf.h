// The mapping settings of an axis, as the mapping functions take them.
#pragma once

#include "core/Axis.h"
#include "plot/Mapping.h"

namespace pelk {

inline AxisScale ScaleOf(const TAxis& axis) {
  return {axis.LogAxis(), axis.OriginValue(), axis.ScalePerDivision(), axis.MinExponent()};
}

}  // namespace pelk
