// Taking the picture shown on the control back into the retained image.
#include <optional>

#include "core/Pelkgraph.h"
#include "render/ExportFormat.h"

namespace pelk {

namespace {

// The whole control, whatever clip the data calls left on the image canvas:
// the host's drawing outside the plot area belongs to the picture too.
void CopyControlToImage(TCanvas& control, TBitmap& image, int width, int height) {
  const TRect all{0, 0, width, height};
  TCanvas& canvas = image.Canvas();
  const std::optional<TRect> clip = canvas.ClipRegion();
  canvas.SelectClipRect(std::nullopt);
  canvas.CopyRect(all, control, all);
  canvas.SelectClipRect(clip);
}

}  // namespace

void TPelkgraph::SaveToFile(const std::string& fileName) {
  CopyControlToImage(Canvas(), *FBitmap, Width(), Height());
  if (NamesPngFile(fileName)) {
    FBitmap->SaveToPngFile(fileName);
  } else {
    FBitmap->SaveToFile(fileName);
  }
}

void TPelkgraph::SaveCanvas() {
  CopyControlToImage(Canvas(), *FBitmap, Width(), Height());
  FRedrawFrame = false;
}

}  // namespace pelk
