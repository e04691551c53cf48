// Image file formats: Windows BMP (write 24-bit; read uncompressed 24- and
// 32-bit) and PNG (write 8-bit RGB).
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "platform/Surface.h"

namespace pelk {

// A file whose content is not an image this code can read.
class ImageFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Largest width or height, and pixel count, of an image read from a file.
inline constexpr int kMaxImageSide = 1 << 20;
inline constexpr std::uint64_t kMaxImagePixels = std::uint64_t{1} << 28;

// BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bits, bottom-up, rows padded to 4
// bytes, pixels as B, G, R bytes.
std::vector<std::uint8_t> EncodeBmp(const Surface& image);

// Throws ImageFormatError saying what is wrong; never reads past the data.
Surface DecodeBmp(std::span<const std::uint8_t> data);

// 8-bit RGB PNG; throws ImageFormatError when libpng fails.
std::vector<std::uint8_t> EncodePng(const Surface& image);

}  // namespace pelk
