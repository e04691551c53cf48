// TBitmap: an off-screen image with its own canvas, saved as BMP or PNG.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/Canvas.h"
#include "platform/Surface.h"

namespace pelk {

class TBitmap : public TPersistent {
 public:
  TBitmap();  // empty: 0 x 0
  ~TBitmap() override;

  int Width() const { return surface_.Width(); }
  int Height() const { return surface_.Height(); }
  // Resizing keeps the top-left pixels; new pixels are black.
  void SetWidth(int value);
  void SetHeight(int value);
  void SetSize(int width, int height);
  bool Monochrome() const { return monochrome_; }
  // Switching to monochrome turns white pixels white and all others black.
  void SetMonochrome(bool value);

  TCanvas& Canvas() { return *canvas_; }
  Surface& Pixels() { return surface_; }
  const Surface& Pixels() const { return surface_; }

  // Windows BMP, 24 bits, bottom-up, rows padded to 4 bytes. Writes a
  // temporary file beside the target and renames it, so a failure leaves an
  // existing file unchanged; failures throw EFileError naming the file.
  void SaveToFile(const std::string& path) const;
  void SaveToPngFile(const std::string& path) const;
  // Reads an uncompressed 1-, 4-, 8-, 24- or 32-bit BMP; throws EFileError
  // naming the file for anything else or a malformed file. The bitmap is
  // unchanged then.
  void LoadFromFile(const std::string& path);
  // The same from the bytes of a BMP file; name is the source for messages.
  void LoadFromBmpBytes(std::span<const std::uint8_t> bytes, const std::string& name);

  const char* ClassName() const override { return "TBitmap"; }

 private:
  Surface surface_;
  bool monochrome_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace pelk
