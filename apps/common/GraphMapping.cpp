#include "common/GraphMapping.h"

#include <cmath>

#include "plot/AxisScaleOf.h"

namespace pelk::cli {

namespace {

const double kLn10 = std::log(10.0);

}  // namespace

AxisMap XMapOf(const TPelkgraph& graph) {
  return AxisMap(ScaleOf(graph.XAxis()), {graph.XAxis().DivisionWidth(), graph.Xorigin(), AxisOrientation::Horizontal},
                 kLn10);
}

AxisMap YMapOf(const TPelkgraph& graph, bool secondY) {
  const TAxis& axis = secondY && graph.SecondYaxis() ? graph.YAxis2() : graph.YAxis();
  return AxisMap(ScaleOf(axis), {graph.YAxis().DivisionWidth(), graph.Yorigin(), AxisOrientation::Vertical}, kLn10);
}

}  // namespace pelk::cli
