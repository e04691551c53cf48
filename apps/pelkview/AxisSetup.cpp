#include "pelkview/AxisSetup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

#include "common/PlotData.h"
#include "platform/Bitmap.h"
#include "render/AnnotationPlacement.h"

namespace pelk::view {

namespace {

// Neighbouring numbers keep half a text cell apart; a division is at least
// three text cells long.
constexpr int kGapPerCell = 2;
constexpr int kLeastDivisionCells = 3;

// Measures the numbers of one axis in its font.
class AxisMeasure {
 public:
  explicit AxisMeasure(const TAxis& axis, bool alongWidth) : alongWidth_(alongWidth) {
    bitmap_.Canvas().Font().Assign(axis.Font());
    cell_ = bitmap_.Canvas().TextHeight("10");
  }
  int Cell() const { return cell_; }
  int Extent(const std::string& text) { return alongWidth_ ? bitmap_.Canvas().TextWidth(text) : cell_; }

 private:
  TBitmap bitmap_;
  bool alongWidth_;
  int cell_ = 0;
};

// How far below the plot area the lowest rotated number of a Y axis reaches
// before the graph lifts it clear of the X axis's numbers.
int LowestReach(const TPelkgraph& graph, AnnotatedAxis side) {
  const TAxis& x = graph.XAxis();
  AnnotationRules rules;
  rules.axis = side;
  rules.vertical = true;
  const XAxisClearance clearance{x.LogAxis(), x.AnnotationAngle() == TAnnotationAngle::Vertical, x.TicLength(),
                                 x.NumberOffset()};
  return LowestNumberLimit(rules, clearance);
}

SharedAxis ShareOf(const TPelkgraph& graph, const TAxis& axis, AnnotatedAxis side, const AxisRange& range,
                   int length, AxisMeasure& measure) {
  SharedAxis shared;
  shared.range = range;
  shared.numberOfFixed = axis.NumberOfFixed();
  shared.room.axisLength = length;
  shared.room.gap = measure.Cell() / kGapPerCell;
  const bool vertical = axis.AnnotationAngle() == TAnnotationAngle::Vertical;
  if (side != AnnotatedAxis::X && vertical) shared.room.lowestReach = LowestReach(graph, side);
  shared.room.extentOf = [&measure](const std::string& text) { return measure.Extent(text); };
  return shared;
}

// Numbers run along the X axis when horizontal and along a Y axis when rotated.
bool AlongWidth(const TAxis& axis, AnnotatedAxis side) {
  const bool vertical = axis.AnnotationAngle() == TAnnotationAngle::Vertical;
  return side == AnnotatedAxis::X ? !vertical : vertical;
}

void SetLinear(TAxis& axis, const LinearScale& scale, int length) {
  axis.SetOrgVal(scale.origin);
  axis.SetScale(scale.step);
  axis.SetNdivs(scale.divisions);
  axis.SetNdecs(scale.decimals);
  // The axis keeps its length; the layout stretches away the remainder.
  axis.SetDivWidth(std::max(1, length / scale.divisions));
}

void SetLog(TPelkgraph& graph, TAxis& axis, const AxisRange& range) {
  graph.SetAxis(axis, 0, static_cast<float>(range.from), static_cast<float>(range.to), true);
}

// Chooses the divisions of linear axes that share them and sets each.
void SetShared(const TPelkgraph& graph, std::span<TAxis* const> axes, std::span<const AnnotatedAxis> sides,
               std::span<const AxisRange> ranges, int length) {
  // Each room measures through its own axis's font, kept in place.
  std::deque<AxisMeasure> measures;
  for (std::size_t i = 0; i < axes.size(); ++i) measures.emplace_back(*axes[i], AlongWidth(*axes[i], sides[i]));
  std::vector<SharedAxis> shared;
  for (std::size_t i = 0; i < axes.size(); ++i)
    shared.push_back(ShareOf(graph, *axes[i], sides[i], ranges[i], length, measures[i]));
  const int cell = measures.front().Cell();
  const std::optional<std::vector<LinearScale>> scales =
      ChooseScales(shared, MostDivisions(length, kLeastDivisionCells * cell));
  if (!scales) return;
  for (std::size_t i = 0; i < axes.size(); ++i) SetLinear(*axes[i], (*scales)[i], length);
}

}  // namespace

void ShowRanges(TPelkgraph& graph, const GraphRanges& ranges) {
  TAxis& x = graph.XAxis();
  TAxis& y = graph.YAxis();
  TAxis& y2 = graph.YAxis2();
  const bool second = graph.SecondYaxis();
  const int width = graph.Xend() - graph.Xorigin();
  const int height = graph.Yorigin() - graph.Yend();

  if (x.LogAxis()) {
    SetLog(graph, x, ranges.x);
  } else {
    const std::array<TAxis*, 1> axes{&x};
    const std::array<AnnotatedAxis, 1> sides{AnnotatedAxis::X};
    SetShared(graph, axes, sides, std::array{ranges.x}, width);
  }

  const bool linearY2 = second && !y2.LogAxis();
  if (y.LogAxis()) {
    SetLog(graph, y, ranges.y);
    // The second axis follows the decades of the first.
    if (linearY2) {
      const std::optional<LinearScale> scale = ScaleOver(ranges.y2, y.NumberOfDivisions(), y2.NumberOfFixed());
      if (scale) SetLinear(y2, *scale, height);
    }
  } else if (linearY2) {
    const std::array<TAxis*, 2> axes{&y, &y2};
    const std::array<AnnotatedAxis, 2> sides{AnnotatedAxis::Y, AnnotatedAxis::SecondY};
    SetShared(graph, axes, sides, std::array{ranges.y, ranges.y2}, height);
  } else {
    const std::array<TAxis*, 1> axes{&y};
    const std::array<AnnotatedAxis, 1> sides{AnnotatedAxis::Y};
    SetShared(graph, axes, sides, std::array{ranges.y}, height);
  }
  if (second && y2.LogAxis()) {
    SetLog(graph, y2, ranges.y2);
    MatchLogDecades(graph);
  }
}

AxisRange ShownRange(const TAxis& axis) {
  const int divisions = axis.NumberOfDivisions();
  if (axis.LogAxis()) {
    return {std::pow(10.0, axis.MinExponent()), std::pow(10.0, axis.MinExponent() + divisions), false};
  }
  return {axis.OriginValue(), axis.OriginValue() + divisions * axis.ScalePerDivision(), false};
}

}  // namespace pelk::view
