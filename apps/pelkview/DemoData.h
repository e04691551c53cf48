// The data the viewer shows without a data file.
#pragma once

#include "core/Pelkgraph.h"
#include "common/PlotData.h"

namespace pelk::view {

// A sine of two periods across the graph's linear X axis, centred on its Y
// axis, with a small fast ripple that shows when zoomed in.
PlotData DemoData(const TPelkgraph& graph);

}  // namespace pelk::view
