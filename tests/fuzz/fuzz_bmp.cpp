// The BMP reader: any bytes either decode or raise ImageFormatError, and an
// image that decodes survives being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/ImageFiles.h"

using namespace pelk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Surface image;
  try {
    image = DecodeBmp(std::span<const std::uint8_t>(data, size));
  } catch (const ImageFormatError&) {
    return 0;
  }
  if (static_cast<std::uint64_t>(image.Width()) * static_cast<std::uint64_t>(image.Height()) > (1u << 22)) return 0;
  const Surface again = DecodeBmp(EncodeBmp(image));
  if (again.Width() != image.Width() || again.Height() != image.Height()) std::abort();
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if ((again.Get(x, y) & 0xFFFFFFu) != (image.Get(x, y) & 0xFFFFFFu)) std::abort();
    }
  }
  return 0;
}
