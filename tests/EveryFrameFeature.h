// Settings that give a graph every part of the frame: both grids with
// several minor divisions, vertical X numbers, a scaled Y axis and a
// logarithmic second Y axis, divisions stretched to the control.
#pragma once

#include "core/Pelkgraph.h"

namespace pelk {

inline void ShowEveryFrameFeature(TPelkgraph& g) {
  g.SetStretchAxes(TStretchOption::Yes);
  g.SetSecondYaxis(true);
  g.SetMinorGridDivisions(5);
  g.XAxis().SetNdivs(12);
  g.XAxis().SetScale(1000);
  g.XAxis().SetAnnotationAngle(TAnnotationAngle::Vertical);
  g.YAxis().SetNdivs(8);
  g.YAxis().SetScale(0.01);
  g.YAxis2().SetLog(true);
  g.YAxis2().SetMinExponent(-3);
  g.YAxis2().SetNdivs(8);
}

}  // namespace pelk
