#include "common/Distances.h"

#include <algorithm>
#include <cmath>

namespace pelk::cli {

double DpiScale(int dpi) { return dpi > 0 ? dpi / 96.0 : 1.0; }

int ScaledPixels(int pixels, double scale) {
  const int scaled = static_cast<int>(std::lround(pixels * scale));
  return pixels > 0 ? std::max(1, scaled) : scaled;
}

void ScaleGraphDistances(TPelkgraph& graph, double scale) {
  if (scale == 1.0) return;
  for (TAxis* axis : {&graph.XAxis(), &graph.YAxis(), &graph.YAxis2()}) {
    axis->SetDivWidth(ScaledPixels(axis->DivisionWidth(), scale));
    axis->SetTicLength(ScaledPixels(axis->TicLength(), scale));
    axis->SetNumberOffset(ScaledPixels(axis->NumberOffset(), scale));
    axis->SetLabelOffset(ScaledPixels(axis->AxisLabelOffset(), scale));
  }
  graph.SetLRmargin(ScaledPixels(graph.LRmargin(), scale));
  graph.SetTBmargin(ScaledPixels(graph.TBmargin(), scale));
  graph.SetTitleOffset(ScaledPixels(graph.TitleOffset(), scale));
  graph.SetSubtitleOffset(ScaledPixels(graph.SubtitleOffset(), scale));
  graph.SetIdOffset(ScaledPixels(graph.IdOffset(), scale));
  graph.SetPenWidth(ScaledPixels(graph.PenWidth(), scale));
}

}  // namespace pelk::cli
