// The number format of a linear axis: decimals that tell its division
// numbers apart, and integer digits that keep moderate numbers whole.
#pragma once

#include "core/Axis.h"

namespace pelk::view {

// The fewest decimals, at least `least`, with which the axis writes no two
// neighbouring division numbers alike; `least` when none up to the most the
// number texts hold does, and for a logarithmic axis.
int DecimalsToTellApart(const TAxis& axis, int least);

// The integer digits a linear axis writes before its numbers take out a
// common power of ten: as many as its largest number has, up to 7, so that
// values such as 1200 are written as they are; the axis's own count beyond.
int FixedDigitsFor(const TAxis& axis);

}  // namespace pelk::view
