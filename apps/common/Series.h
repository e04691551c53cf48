// Drawing data series on a graph, each in its own pen colour.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/Pelkgraph.h"

namespace pelk::cli {

// The pen colour of the index-th series: a fixed palette of colours that
// stand apart from the grid and the backgrounds, repeating.
TColor SeriesColor(std::size_t index);

// Draws y against x (paired up to the shorter) as a polyline in axis values;
// points the graph cannot map leave a gap, and a point alone between gaps is
// drawn as a dot. secondY puts the series on the second Y axis.
void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, TColor color, bool secondY);

// Series drawn a block of rows at a time, as DrawSeries draws them whole:
// each block of a series continues its line where its last block ended,
// also when other series were drawn in between.
class SeriesTraces {
 public:
  void Add(TColor color, bool secondY);
  void Draw(TPelkgraph& graph, std::size_t series, std::span<const float> x, std::span<const float> y);

 private:
  struct Trace {
    TColor color;
    bool secondY;
    bool open = false;  // the last point was drawn
    float lastX = 0.0f;
    float lastY = 0.0f;
  };
  std::vector<Trace> traces_;
  std::optional<std::size_t> lastDrawn_;
};

}  // namespace pelk::cli
