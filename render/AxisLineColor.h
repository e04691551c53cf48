// The colour of an axis's line and tick marks.
#pragma once

#include "core/Axis.h"

namespace pelk {

// The axis font's colour when the axis matches its font, else the major grid's.
inline TColor AxisLineColor(const TAxis& axis, TColor majorGridColor) {
  return axis.AxisMatchesFont() ? axis.Font().Color() : majorGridColor;
}

}  // namespace pelk
