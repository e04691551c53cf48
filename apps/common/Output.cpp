#include "common/Output.h"

#include <stdexcept>

#include "common/OutputName.h"
#include "platform/Bitmap.h"

namespace pelk::cli {

void SavePicture(TPelkgraph& graph, const std::string& path) {
  const std::optional<ImageFormat> format = ImageFormatOf(path);
  if (!format) throw std::invalid_argument(path + ": the file name must end in .bmp or .png");
  if (*format == ImageFormat::Bmp) {
    graph.SaveToFile(path);
    return;
  }
  // The PNG takes the control's rectangle of the surface it paints on.
  const TRect area{0, 0, graph.Width(), graph.Height()};
  TBitmap bitmap;
  bitmap.SetSize(graph.Width(), graph.Height());
  bitmap.Canvas().CopyRect(area, graph.Canvas(), area);
  bitmap.SaveToPngFile(path);
}

}  // namespace pelk::cli
