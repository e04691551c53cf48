// The demo's sample graphs, each drawn with its data on the screen.
#pragma once

#include <cstddef>
#include <memory>

#include "common/Picture.h"

namespace pelk::cli {

inline constexpr std::size_t kDemoGraphs = 3;

// The index-th demo graph (from 0) at the resolution (0: the default).
std::unique_ptr<GraphPicture> DrawDemoGraph(std::size_t index, int dpi);

}  // namespace pelk::cli
