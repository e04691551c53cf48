#include "platform/Bitmap.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/ImageFiles.h"
#include "platform/RasterOps.h"

namespace pelk {

namespace {

// The canvas of an image: draws anywhere on the bitmap's surface, at the
// screen's resolution.
class BitmapCanvas final : public TCanvas {
 public:
  explicit BitmapCanvas(Surface& surface) : surface_(surface) {}
  DeviceView Device() override { return {&surface_, {}, surface_.Bounds()}; }

 protected:
  bool KeepsDeviceState() const override { return true; }

 private:
  Surface& surface_;
};

// Room for the largest image read (2^28 pixels at 4 bytes) and its headers.
constexpr std::uint64_t kMaxBmpFileBytes = (kMaxImagePixels + (kMaxImageSide + 1)) * 4 + 4096;

void CheckSavable(const Surface& image, const std::string& path) {
  if (image.Width() == 0 || image.Height() == 0) throw EFileError(path, "cannot save an empty image");
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(surface_)) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetWidth(int value) { surface_.Resize(value, surface_.Height()); }

void TBitmap::SetHeight(int value) { surface_.Resize(surface_.Width(), value); }

void TBitmap::SetSize(int width, int height) { surface_.Resize(width, height); }

void TBitmap::SetMonochrome(bool value) {
  if (value && !monochrome_) {
    for (int y = 0; y < surface_.Height(); ++y) {
      std::uint32_t* row = surface_.Row(y);
      for (int x = 0; x < surface_.Width(); ++x) {
        row[x] = (row[x] & kRgbMask) == clWhite ? clWhite : clBlack;
      }
    }
  }
  monochrome_ = value;
}

void TBitmap::SaveToFile(const std::string& path) const {
  CheckSavable(surface_, path);
  ReplaceFile(path, EncodeBmp(surface_));
}

void TBitmap::SaveToPngFile(const std::string& path) const {
  CheckSavable(surface_, path);
  std::vector<std::uint8_t> png;
  try {
    png = EncodePng(surface_);
  } catch (const ImageFormatError& e) {
    throw EFileError(path, e.what());
  }
  ReplaceFile(path, png);
}

void TBitmap::LoadFromFile(const std::string& path) {
  LoadFromBmpBytes(ReadWholeFile(path, kMaxBmpFileBytes), path);
}

void TBitmap::LoadFromBmpBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
  try {
    surface_ = DecodeBmp(bytes);
  } catch (const ImageFormatError& e) {
    throw EFileError(name, e.what());
  }
  monochrome_ = false;
}

}  // namespace pelk
