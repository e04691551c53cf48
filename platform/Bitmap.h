// TBitmap: an off-screen image with its own canvas, saved as BMP or PNG.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/Canvas.h"
#include "platform/Surface.h"

namespace pelk {

/// An off-screen image with its own canvas, saved as BMP or PNG.
class TBitmap : public TPersistent {
 public:
  TBitmap();  // empty: 0 x 0
  ~TBitmap() override;

  /// The width in pixels.
  int Width() const { return surface_.Width(); }
  /// The height in pixels.
  int Height() const { return surface_.Height(); }
  /// Resizing keeps the top-left pixels; new pixels are black.
  void SetWidth(int value);
  /// Sets the height, keeping the top-left pixels.
  void SetHeight(int value);
  /// Sets both sizes at once, keeping the top-left pixels.
  void SetSize(int width, int height);
  /// Whether the image holds only black and white.
  bool Monochrome() const { return monochrome_; }
  /// Switching to monochrome turns white pixels white and all others black.
  void SetMonochrome(bool value);

  /// The canvas that draws on the image.
  TCanvas& Canvas() { return *canvas_; }
  /// The image's pixels.
  Surface& Pixels() { return surface_; }
  /// The image's pixels, read-only.
  const Surface& Pixels() const { return surface_; }

  /// Windows BMP, 24 bits, bottom-up, rows padded to 4 bytes. Writes a
  /// temporary file beside the target and renames it, so a failure leaves an
  /// existing file unchanged; failures throw EFileError naming the file.
  void SaveToFile(const std::string& path) const;
  /// Writes the image as PNG, beside the target first and renamed into place.
  void SaveToPngFile(const std::string& path) const;
  /// Reads an uncompressed 1-, 4-, 8-, 24- or 32-bit BMP; throws EFileError
  /// naming the file for anything else or a malformed file. The bitmap is
  /// unchanged then.
  void LoadFromFile(const std::string& path);
  /// The same from the bytes of a BMP file; name is the source for messages.
  void LoadFromBmpBytes(std::span<const std::uint8_t> bytes, const std::string& name);

  const char* ClassName() const override { return "TBitmap"; }

 private:
  Surface surface_;
  bool monochrome_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace pelk
