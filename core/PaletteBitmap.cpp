#include "core/PaletteBitmap.h"

#include <array>
#include <string>

#include "platform/Errors.h"
#include "platform/FormText.h"
#include "platform/ImageFiles.h"

namespace pelk {

namespace {

// 24 x 24 pixels, one hexadecimal digit per pixel indexing kColors, top row
// first: a raised frame around a title line and a white plot area with axes,
// ticks, a grid and a red curve.
constexpr int kSide = 24;
constexpr std::array<std::string_view, kSide> kPicture{
    "FFFFFFFFFFFFFFFFFFFFFFF8",
    "F77777777777777777777778",
    "F77777444444444444777778",
    "F77777777777777777777778",
    "F7700FFFFF7FFFFF7FFFFF78",
    "F7770FFFFF7FFFFF7FFFFF78",
    "F7770FFFFF799FFF7FFFFF78",
    "F7770FFFFF9FF9FF7FFFFF78",
    "F77007777977779777777778",
    "F7770FFFF97FFFF97FFFF978",
    "F7770FFF9F7FFFF97FFF9F78",
    "F7770FFF9F7FFFFF9FF9FF78",
    "F7770FF9FF7FFFFF799FFF78",
    "F77007797777777777777778",
    "F7770F9FFF7FFFFF7FFFFF78",
    "F7770F9FFF7FFFFF7FFFFF78",
    "F77709FFFF7FFFFF7FFFFF78",
    "F7770FFFFF7FFFFF7FFFFF78",
    "F77000000000000000000078",
    "F77707777707777707777078",
    "F77777777777777777777778",
    "F77777777777777777777778",
    "F77777777777777777777778",
    "F88888888888888888888888",
};

// The sixteen colours of the classic 4-bit palette, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kColors{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kRowBytes = (kSide * 4 + 31) / 32 * 4;
constexpr std::size_t kDibBytes = kInfoHeaderBytes + kColors.size() * 4 + kRowBytes * kSide;

constexpr std::uint8_t ColorIndex(char digit) {
  return static_cast<std::uint8_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10);
}

constexpr void Put(std::array<std::uint8_t, kDibBytes>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// BITMAPINFOHEADER, the colour table as blue, green, red, 0, and the rows
// bottom-up, two pixels a byte with the left one in the high bits.
constexpr std::array<std::uint8_t, kDibBytes> MakeDib() {
  std::array<std::uint8_t, kDibBytes> dib{};
  Put(dib, 0, kInfoHeaderBytes, 4);
  Put(dib, 4, kSide, 4);
  Put(dib, 8, kSide, 4);  // positive: bottom-up
  Put(dib, 12, 1, 2);     // planes
  Put(dib, 14, 4, 2);     // bits per pixel
  Put(dib, 16, 0, 4);     // BI_RGB, uncompressed
  Put(dib, 20, kRowBytes * kSide, 4);
  Put(dib, 32, kColors.size(), 4);
  std::size_t at = kInfoHeaderBytes;
  for (std::uint32_t rgb : kColors) {
    dib[at++] = static_cast<std::uint8_t>(rgb);
    dib[at++] = static_cast<std::uint8_t>(rgb >> 8);
    dib[at++] = static_cast<std::uint8_t>(rgb >> 16);
    dib[at++] = 0;
  }
  for (int row = kSide - 1; row >= 0; --row) {
    const std::string_view pixels = kPicture[static_cast<std::size_t>(row)];
    for (std::size_t x = 0; x < pixels.size(); x += 2) {
      dib[at + x / 2] = static_cast<std::uint8_t>(ColorIndex(pixels[x]) << 4 | ColorIndex(pixels[x + 1]));
    }
    at += kRowBytes;
  }
  return dib;
}

constexpr std::array<std::uint8_t, kDibBytes> kPaletteDib = MakeDib();

constexpr std::array<Resource, 1> kResources{{
    {kResourceTypeBitmap, "TPELKGRAPH", kLanguageUsEnglish, kPaletteDib},
}};

Resource BitmapResource(std::string_view name) {
  const auto resource = FindResource(kResourceTypeBitmap, name);
  if (!resource) throw EReadError("no bitmap resource named " + std::string(name));
  return *resource;
}

}  // namespace

std::optional<Resource> FindResource(std::string_view type, std::string_view name) {
  for (const Resource& resource : kResources) {
    if (SameText(resource.type, type) && SameText(resource.name, name)) return resource;
  }
  return std::nullopt;
}

std::vector<std::uint8_t> BitmapResourceFile(std::string_view name) { return BmpFileOfDib(BitmapResource(name).bytes); }

void LoadBitmapResource(TBitmap& bitmap, std::string_view name) {
  bitmap.LoadFromBmpBytes(BitmapResourceFile(name), "bitmap resource " + std::string(name));
}

}  // namespace pelk
