// What a run of plotting calls needs, prepared once: both axes' mappings and
// the direct line state of the image's and the control's canvases (pixels,
// stride, origin, clip and pen). One rule keeps it true: it is used only
// while the drawing state generation is the one it was prepared at, and
// every change it depends on (an axis or plotting setting, a new layout, a
// pen, a clip, a surface, a control's place) moves the generation. The
// printer takes the canvas's general path and keeps nothing.
#pragma once

#include <cstdint>

#include "platform/DirectLines.h"
#include "plot/Mapping.h"

namespace pelk {

// One pen position: canvas pixels and the offset from the plot origin (y up).
struct PenPosition {
  int xCanvas = 0;
  int yCanvas = 0;
  int xGraph = 0;
  int yGraph = 0;
};

struct PlotSession {
  static constexpr std::uint64_t kNever = ~std::uint64_t{0};

  // Generations the two parts were prepared at. The lines are prepared by
  // the first line call, which selects the clip regions; moves need only
  // the maps.
  std::uint64_t mapsAt = kNever;
  std::uint64_t linesAt = kNever;

  AxisPlacement xPlace, yPlace;
  AxisMap xMap, yMap;
  DirectLines image, control;
};

}  // namespace pelk
