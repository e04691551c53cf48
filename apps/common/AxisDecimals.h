// Decimals for a zoomed linear axis, so that its division numbers differ.
#pragma once

#include "core/Axis.h"

namespace pelk::view {

// The fewest decimals, at least `least`, with which the axis writes no two
// neighbouring division numbers alike; `least` when none up to the most the
// number texts hold does, and for a logarithmic axis.
int DecimalsToTellApart(const TAxis& axis, int least);

}  // namespace pelk::view
