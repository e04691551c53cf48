// Setting a laid-out graph's axes to the ranges a view asks for, with as
// many divisions as leave their numbers room at the graph's present size.
#pragma once

#include "core/Pelkgraph.h"
#include "pelkview/ViewScale.h"

namespace pelk::view {

// Linear axes show their ranges in the divisions ChooseScales picks for the
// plot area's present length (the two Y axes share theirs); a logarithmic
// axis shows the whole decades covering its range. The new scales show at
// the next rendering.
void ShowRanges(TPelkgraph& graph, const GraphRanges& ranges);

// The values an axis shows now, from its origin to its last division.
AxisRange ShownRange(const TAxis& axis);

}  // namespace pelk::view
