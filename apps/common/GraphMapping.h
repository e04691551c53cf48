// The screen mappings a graph's plotting calls use, for the programs to
// place points without drawing them.
#pragma once

#include "core/Pelkgraph.h"
#include "plot/Mapping.h"

namespace pelk::cli {

AxisMap XMapOf(const TPelkgraph& graph);
// The second Y axis maps only while the graph shows it, over the first
// axis's divisions.
AxisMap YMapOf(const TPelkgraph& graph, bool secondY);

}  // namespace pelk::cli
