// The published properties of the graph, its axes, its zoom box and its
// fonts: one table per class, in the order they are written to form files.
#pragma once

#include "platform/PropertyInfo.h"

namespace pelk {

const PropertyTable& PelkgraphProperties();
const PropertyTable& AxisProperties();
const PropertyTable& ZoomBoxProperties();
const PropertyTable& FontProperties();

}  // namespace pelk
