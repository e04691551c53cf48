// Reading PNG files back in tests, through libpng.
#pragma once

#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/Surface.h"

namespace pelk {

// A PNG file's pixels as 0x00BBGGRR; empty when libpng cannot read it.
inline Surface ReadPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return Surface();
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return Surface();
  Surface pixels(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x) {
      const png_byte* p = &rgb[(static_cast<std::size_t>(y) * image.width + static_cast<std::size_t>(x)) * 3];
      pixels.Set(x, y, static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16));
    }
  return pixels;
}

}  // namespace pelk
