#include "pelkview/PagePlacement.h"

#include <algorithm>

namespace pelk::view {

PagePlacement PlaceOnPage(int graphWidth, int graphHeight, double paperWidth, double paperHeight, double margin) {
  const double across = std::max(paperWidth - 2 * margin, 0.0);
  const double down = std::max(paperHeight - 2 * margin, 0.0);
  const double aspect = static_cast<double>(std::max(graphWidth, 1)) / std::max(graphHeight, 1);
  const double width = std::min(across, down * aspect);
  return {static_cast<float>((paperWidth - width) / 2), static_cast<float>(margin), static_cast<float>(width)};
}

}  // namespace pelk::view
