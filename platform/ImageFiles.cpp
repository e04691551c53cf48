#include "platform/ImageFiles.h"

#include <algorithm>
#include <string>

namespace pelk {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::int32_t kPelsPerMeter96Dpi = 3780;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

std::uint32_t Get16(std::span<const std::uint8_t> in, std::size_t at) {
  return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8;
}

std::uint32_t Get32(std::span<const std::uint8_t> in, std::size_t at) {
  return Get16(in, at) | Get16(in, at + 2) << 16;
}

std::int32_t GetSigned32(std::span<const std::uint8_t> in, std::size_t at) {
  return static_cast<std::int32_t>(Get32(in, at));
}

// Bytes of one row of `width` pixels at `bits` per pixel, padded to 4 bytes.
std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bits) { return (width * bits + 31) / 32 * 4; }

// Pixels are 0x00BBGGRR.
std::uint32_t FromBgr(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[2]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[0]) << 16;
}

[[noreturn]] void Malformed(const std::string& why) { throw ImageFormatError("not a readable BMP: " + why); }

struct BmpLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  unsigned bitsPerPixel = 0;
  std::uint64_t pixelOffset = 0;
  std::uint64_t rowBytes = 0;
  std::vector<std::uint32_t> colors;  // 1, 4 and 8 bits: the colour table, filled up with black
};

// The `used` entries of the colour table of a 1-, 4- or 8-bit file.
std::vector<std::uint32_t> ReadColorTable(std::span<const std::uint8_t> in, std::uint64_t at, std::uint32_t bits,
                                          std::uint32_t used) {
  const std::uint32_t capacity = 1u << bits;
  if (used > capacity) Malformed("colour table longer than the pixels can index");
  if (at + std::uint64_t{used} * 4 > in.size()) Malformed("colour table truncated");
  std::vector<std::uint32_t> colors(capacity, 0);
  for (std::uint32_t i = 0; i < used; ++i) colors[i] = FromBgr(in.data() + at + std::uint64_t{i} * 4);
  return colors;
}

// Checks the BITFIELDS masks of a 32-bit file: only plain B, G, R bytes.
void CheckStandardMasks(std::span<const std::uint8_t> in, std::size_t at) {
  if (at + 12 > in.size()) Malformed("colour masks missing");
  if (Get32(in, at) != 0x00FF0000 || Get32(in, at + 4) != 0x0000FF00 || Get32(in, at + 8) != 0x000000FF) {
    Malformed("unsupported colour masks");
  }
}

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> in) {
  if (in.size() < kFileHeaderSize + kInfoHeaderSize) Malformed("file too short for its headers");
  if (in[0] != 'B' || in[1] != 'M') Malformed("no BM signature");
  const std::uint64_t pixelOffset = Get32(in, 10);
  const std::uint64_t infoSize = Get32(in, 14);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + infoSize > in.size()) Malformed("bad info header size");
  const std::int32_t width = GetSigned32(in, 18);
  const std::int32_t height = GetSigned32(in, 22);
  const std::uint32_t planes = Get16(in, 26);
  const std::uint32_t bits = Get16(in, 28);
  const std::uint32_t compression = Get32(in, 30);
  if (planes != 1) Malformed("plane count is not 1");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    Malformed("only 1-, 4-, 8-, 24- and 32-bit images are supported");
  }
  std::uint64_t headersEnd = kFileHeaderSize + infoSize;
  std::vector<std::uint32_t> colors;
  if (bits <= 8) {
    if (compression != kBiRgb) Malformed("compressed images are not supported");
    const std::uint32_t used = Get32(in, 46) != 0 ? Get32(in, 46) : 1u << bits;
    colors = ReadColorTable(in, headersEnd, bits, used);
    headersEnd += std::uint64_t{used} * 4;
  } else if (compression == kBiBitfields && bits == 32) {
    // The masks follow a 40-byte header, or sit inside a longer one.
    const std::size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
    CheckStandardMasks(in, masksAt);
    if (infoSize == kInfoHeaderSize) headersEnd += 12;
  } else if (compression != kBiRgb) {
    Malformed("compressed images are not supported");
  }
  if (width <= 0 || width > kMaxImageSide) Malformed("bad width " + std::to_string(width));
  if (height == 0 || height < -kMaxImageSide || height > kMaxImageSide) {
    Malformed("bad height " + std::to_string(height));
  }
  const std::uint64_t pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height < 0 ? -std::int64_t{height} : height);
  if (pixels > kMaxImagePixels) Malformed("image too large");
  BmpLayout layout;
  layout.width = width;
  layout.topDown = height < 0;
  layout.height = height < 0 ? -height : height;
  layout.bitsPerPixel = bits;
  layout.colors = std::move(colors);
  layout.rowBytes = RowBytes(static_cast<std::uint64_t>(width), bits);
  layout.pixelOffset = pixelOffset;
  if (pixelOffset < headersEnd) Malformed("pixel data overlaps the headers");
  const std::uint64_t dataBytes = layout.rowBytes * static_cast<std::uint64_t>(layout.height);
  if (pixelOffset > in.size() || dataBytes > in.size() - pixelOffset) Malformed("pixel data truncated");
  return layout;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Surface& image) {
  const std::size_t width = static_cast<std::size_t>(image.Width());
  const std::size_t height = static_cast<std::size_t>(image.Height());
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(width, 24));
  const std::size_t dataBytes = rowBytes * height;
  const std::size_t headers = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> out(headers + dataBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, static_cast<std::uint32_t>(headers));
  Put32(out, 14, kInfoHeaderSize);
  Put32(out, 18, static_cast<std::uint32_t>(width));
  Put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 30, kBiRgb);
  Put32(out, 34, static_cast<std::uint32_t>(dataBytes));
  Put32(out, 38, kPelsPerMeter96Dpi);
  Put32(out, 42, kPelsPerMeter96Dpi);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint32_t* row = image.Row(static_cast<int>(y));
    std::uint8_t* p = out.data() + headers + (height - 1 - y) * rowBytes;
    for (std::size_t x = 0; x < width; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(row[x] >> 16);
      p[1] = static_cast<std::uint8_t>(row[x] >> 8);
      p[2] = static_cast<std::uint8_t>(row[x]);
    }
  }
  return out;
}

std::vector<std::uint8_t> BmpFileOfDib(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize) Malformed("bitmap too short for its header");
  const std::uint32_t infoSize = Get32(dib, 0);
  const std::uint32_t bits = Get16(dib, 14);
  const std::uint32_t used = Get32(dib, 32);
  const std::uint64_t colors = bits <= 8 ? (used != 0 ? used : 1u << bits) : 0;
  std::vector<std::uint8_t> out(kFileHeaderSize + dib.size());
  std::copy(dib.begin(), dib.end(), out.begin() + kFileHeaderSize);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
  Put32(out, 10, static_cast<std::uint32_t>(kFileHeaderSize + infoSize + colors * 4));
  return out;
}

Surface DecodeBmp(std::span<const std::uint8_t> in) {
  const BmpLayout layout = ReadBmpLayout(in);
  Surface image(layout.width, layout.height);
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* p = in.data() + layout.pixelOffset + static_cast<std::uint64_t>(fileRow) * layout.rowBytes;
    std::uint32_t* row = image.Row(y);
    if (layout.bitsPerPixel <= 8) {
      const unsigned bits = layout.bitsPerPixel;
      const unsigned mask = (1u << bits) - 1;
      for (int x = 0; x < layout.width; ++x) {
        const std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
        const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);  // leftmost pixel in the high bits
        row[x] = layout.colors[(p[bit / 8] >> shift) & mask];
      }
      continue;
    }
    const unsigned bytesPerPixel = layout.bitsPerPixel / 8;
    for (int x = 0; x < layout.width; ++x, p += bytesPerPixel) row[x] = FromBgr(p);
  }
  return image;
}

}  // namespace pelk
