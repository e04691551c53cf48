// The number settings of an axis, as the number functions take them.
#pragma once

#include "core/Axis.h"
#include "render/AxisNumbers.h"

namespace pelk {

inline LinearAxisNumbers NumbersOf(const TAxis& axis) {
  return LinearAxisNumbers{axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions(),
                           axis.NumberOfFixed(), axis.NumberOfDecimals()};
}

}  // namespace pelk
