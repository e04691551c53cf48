// Drawing data series on a graph, each with its own pen.
#pragma once

#include <span>

#include "common/AxisRange.h"
#include "common/Options.h"
#include "core/Pelkgraph.h"

namespace pelk::cli {

struct SeriesPen {
  TColor color = clBlue;
  int width = 1;  // pixels
  LineStyle style = LineStyle::Solid;
  bool points = false;  // a mark at every point
  int markRadius = 3;   // pixels from the point to the mark's edge
};

// Draws y against x (paired up to the shorter) as a polyline in axis values;
// points the graph cannot map leave a gap, and a point alone between gaps is
// drawn as a dot. A series of one point, and every point with pen.points, is
// marked with a small square. secondY puts the series on the second Y axis.
void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, const SeriesPen& pen,
                bool secondY);

// What drawing a series in parts needs to know of the whole series: the
// ranges of its values and how many points it has.
struct SeriesExtent {
  ColumnRanges x, y;
  long long points = 0;
};

// A series drawn in consecutive parts exactly as DrawSeries draws it whole:
// the graph's pen is set for it while the trace lives, and each part goes
// on where the last one ended. Nothing else may draw on the graph between
// the parts.
class SeriesTrace {
 public:
  SeriesTrace(TPelkgraph& graph, const SeriesPen& pen, bool secondY, const SeriesExtent& extent);
  ~SeriesTrace();
  SeriesTrace(const SeriesTrace&) = delete;
  SeriesTrace& operator=(const SeriesTrace&) = delete;

  void Draw(std::span<const float> x, std::span<const float> y);

 private:
  void DrawPoint(float x, float y);
  std::size_t RunEnd(std::span<const float> x, std::span<const float> y, std::size_t first) const;

  TPelkgraph& graph_;
  int markRadius_;
  bool mark_;
  bool logX_, logY_;  // the axes the series is mapped on
  bool runs_;         // runs of showable points may go in one call
  TPenStyle previousStyle_;
  int previousWidth_;
  bool segmentOpen_ = false;  // the previous point was drawn
};

TPenStyle PenStyleOf(LineStyle style);

// A square mark around the pen's place in plot pixels, in a solid line,
// leaving the pen there.
void MarkPoint(TPelkgraph& graph, int radius);

}  // namespace pelk::cli
