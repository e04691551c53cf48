#include "common/Output.h"

#include <stdexcept>

#include "common/OutputName.h"

namespace pelk::cli {

void SavePicture(TPelkgraph& graph, const std::string& path) {
  if (!ImageFormatOf(path)) throw std::invalid_argument(path + ": the file name must end in .bmp or .png");
  // The graph writes the control's pixels, as PNG or BMP by the name's ending.
  graph.SaveToFile(path);
}

}  // namespace pelk::cli
