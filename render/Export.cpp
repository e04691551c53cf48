// Taking the picture shown on the control back into the retained image.
#include "core/Pelkgraph.h"

namespace pelk {

namespace {

void CopyControlToImage(TCanvas& control, TBitmap& image, int width, int height) {
  const TRect all{0, 0, width, height};
  image.Canvas().CopyRect(all, control, all);
}

}  // namespace

void TPelkgraph::SaveToFile(const std::string& fileName) {
  CopyControlToImage(Canvas(), *FBitmap, Width(), Height());
  FBitmap->SaveToFile(fileName);
}

void TPelkgraph::SaveCanvas() {
  CopyControlToImage(Canvas(), *FBitmap, Width(), Height());
  FRedrawFrame = false;
}

}  // namespace pelk
