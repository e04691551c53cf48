// Image file formats: Windows BMP (write 24-bit; read uncompressed 1-, 4-,
// 8-, 24- and 32-bit) and PNG (write 8-bit palette or RGB).
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

// A BMP file of a device-independent bitmap as resources hold it (info
// header, colour table, pixels): the file header put in front.
std::vector<std::uint8_t> BmpFileOfDib(std::span<const std::uint8_t> dib);

// How a PNG is written: the zlib level and strategy, the row filters
// (libpng's PNG_FILTER_* flags; more than one lets libpng choose per row),
// and whether an image of at most 256 colours is written with a palette
// (8-bit indices) instead of as 8-bit RGB.
struct PngCompression {
  int level = 0;
  int strategy = 0;
  int filters = 0;
  bool palette = false;
};

// What measures fastest on graphs (flat areas, thin lines, a few hundred
// colours at most) with files no larger than libpng's defaults give: a
// palette, run-length matching, rows filtered against the row above; an
// image of more colours as RGB at level 4, filtered the same way. See
// bench/bench_png.cpp for the figures beside libpng's defaults.
extern const PngCompression kPalettePng;
extern const PngCompression kRgbPng;

// A PNG of the image: with kPalettePng when it has at most 256 colours,
// otherwise with kRgbPng. Throws ImageFormatError when libpng fails.
std::vector<std::uint8_t> EncodePng(const Surface& image);
// The same with the given settings (the benchmark compares them).
std::vector<std::uint8_t> EncodePng(const Surface& image, const PngCompression& compression);

}  // namespace pelk
