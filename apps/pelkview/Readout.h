// The values under the cursor as the window title shows them.
#pragma once

#include <optional>
#include <string>

namespace pelk::view {

// A value written to the precision its pixel resolves: `neighbour` is the
// value one pixel away. Digits below the pixel's decade are rounded away.
std::string ReadingOf(double value, double neighbour);

// The values at a pixel of the plot area, each with its neighbour's.
struct CursorValues {
  double x = 0, xNeighbour = 0;
  double y = 0, yNeighbour = 0;
  std::optional<double> y2, y2Neighbour;  // with a second Y axis
};

// "x 0.253   y 1.03   y2 5.1".
std::string ReadoutText(const CursorValues& values);

}  // namespace pelk::view
