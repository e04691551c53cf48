#include "pelkview/GraphView.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>

#include "common/Options.h"
#include "common/Output.h"
#include "common/AxisDecimals.h"

namespace pelk::view {

namespace {

// Below this width relative to its values a range gives neighbouring pixels
// of a plot the same single-precision value.
constexpr double kLeastRelativeSpan = 1e-4;

// Whether a linear axis can show the range; logarithmic axes show whole
// decades, and SetAxis refuses values they cannot show.
bool ResolvableRange(const TAxis& axis, float from, float to) {
  if (axis.LogAxis()) return true;
  const double lo = from, hi = to;
  if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
  const double magnitude = std::max(std::fabs(lo), std::fabs(hi));
  return std::fabs(hi - lo) > magnitude * kLeastRelativeSpan;
}

}  // namespace

cli::PixelSize GraphSizeFor(int width, int height) {
  const int w = std::clamp(width, 1, cli::kMaxSide);
  const int h = std::clamp(height, 1, cli::kMaxSide);
  return {w, static_cast<int>(std::min<long long>(h, cli::kMaxPixels / w))};
}

GraphView::GraphView(std::ostream& notes, int dpi) : notes_(notes), picture_(dpi) {
  TPelkgraph& graph = Graph();
  graph.ZoomBox().SetEnabled(true);
  graph.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { OnMouseDown(); };
  graph.OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) { OnMouseUp(button); };
}

void GraphView::SetData(PlotData data) {
  data_ = std::move(data);
  fullX_.CopySettings(Graph().XAxis());
  fullY_.CopySettings(Graph().YAxis());
  fullY2_.CopySettings(Graph().YAxis2());
}

void GraphView::Resize(int width, int height) {
  const cli::PixelSize size = GraphSizeFor(width, height);
  picture_.SetFixedSize(size.width, size.height);
  Redraw();
}

void GraphView::ShowFullRange() {
  Graph().XAxis().CopySettings(fullX_);
  Graph().YAxis().CopySettings(fullY_);
  Graph().YAxis2().CopySettings(fullY2_);
  Redraw();
}

void GraphView::Save(const std::string& path) { cli::SavePicture(Graph(), path); }

void GraphView::Redraw() {
  picture_.Render();
  DrawPlotData(Graph(), data_);
}

GraphView::ZoomResult GraphView::ResultOf(const TZoomBox& box) {
  ZoomResult result;
  result.valid = box.ValidZoom();
  result.xLeft = box.XScaledLeft();
  result.xRight = box.XScaledRight();
  result.yTop = box.YScaledTop();
  result.yBottom = box.YScaledBottom();
  result.y2Top = box.SecondYScaledTop();
  result.y2Bottom = box.SecondYScaledBottom();
  result.left = box.Left();
  result.top = box.Top();
  result.right = box.Right();
  result.bottom = box.Bottom();
  return result;
}

void GraphView::OnMouseDown() { beforePress_ = ResultOf(Graph().ZoomBox()); }

// Runs after the zoom box has finished with the release.
void GraphView::OnMouseUp(TMouseButton button) {
  const std::optional<ZoomResult> before = std::exchange(beforePress_, std::nullopt);
  if (button == mbRight) {
    ShowFullRange();
    return;
  }
  const ZoomResult after = ResultOf(Graph().ZoomBox());
  if (before && after.valid && after != *before) ZoomTo(after);
}

void GraphView::ZoomTo(const ZoomResult& zoom) {
  TPelkgraph& graph = Graph();
  const bool resolvable = ResolvableRange(graph.XAxis(), zoom.xLeft, zoom.xRight) &&
                          ResolvableRange(graph.YAxis(), zoom.yBottom, zoom.yTop) &&
                          (!graph.SecondYaxis() || ResolvableRange(graph.YAxis2(), zoom.y2Bottom, zoom.y2Top));
  if (!resolvable) {
    notes_ << "pelkview: the zoom box is too small to show in single precision; right click for the full range"
           << std::endl;
    return;
  }
  ZoomAxis(graph.XAxis(), fullX_, zoom.xLeft, zoom.xRight);
  ZoomAxis(graph.YAxis(), fullY_, zoom.yBottom, zoom.yTop);
  if (graph.SecondYaxis()) {
    ZoomAxis(graph.YAxis2(), fullY2_, zoom.y2Bottom, zoom.y2Top);
    MatchLogDecades(graph);
  }
  Redraw();
}

// Fits the axis to the range, with as many more decimals than at the full
// range as its finer steps need.
void GraphView::ZoomAxis(TAxis& axis, const TAxis& full, float from, float to) {
  Graph().SetAxis(axis, 0, from, to, true);
  axis.SetNdecs(DecimalsToTellApart(axis, full.NumberOfDecimals()));
}

}  // namespace pelk::view
