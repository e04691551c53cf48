// Registration: the palette registry, Register, the palette bitmap resource
// and the indexed BMP images it is read with.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/FormFiles.h"
#include "core/PaletteBitmap.h"
#include "core/Registration.h"
#include "platform/ImageFiles.h"
#include "platform/Streaming.h"

using namespace pelk;

namespace {

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

void Put(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP file of `width` x `height` pixels at `bits` per pixel with `colors`
// table entries (colour i is 0x0000ii in B, G, R order: blue = i) and the given rows.
std::vector<std::uint8_t> IndexedBmp(int width, int height, int bits, std::uint32_t colors,
                                     const std::vector<std::vector<std::uint8_t>>& rows) {
  const std::size_t rowBytes = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
  const std::size_t offset = 54 + colors * 4;
  std::vector<std::uint8_t> b(offset + rowBytes * static_cast<std::size_t>(height), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  Put(b, 10, static_cast<std::uint32_t>(offset), 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<std::uint32_t>(width), 4);
  Put(b, 22, static_cast<std::uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<std::uint32_t>(bits), 2);
  Put(b, 46, colors, 4);
  for (std::uint32_t i = 0; i < colors; ++i) b[54 + i * 4] = static_cast<std::uint8_t>(i + 1);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::copy(rows[r].begin(), rows[r].end(), b.begin() + static_cast<std::ptrdiff_t>(offset + r * rowBytes));
  }
  return b;
}

}  // namespace

TEST(Palette, RegistryListsEachClassOnceOnItsPage) {
  const TComponentClass a{"TA", nullptr, nullptr};
  const TComponentClass b{"TB", nullptr, nullptr};
  TPaletteRegistry palette;
  palette.Register("Samples", {&a});
  palette.Register("Samples", {&a, &b});
  palette.Register("Other", {&b});
  palette.Register("Samples", {&a});
  ASSERT_EQ(palette.Pages().size(), 2u);
  EXPECT_EQ(palette.Pages()[0].name, "Samples");
  EXPECT_EQ(palette.Pages()[0].classes, (std::vector<const TComponentClass*>{&a, &b}));
  EXPECT_EQ(palette.Page("Other")->classes, std::vector<const TComponentClass*>{&b});
  EXPECT_EQ(palette.Page("Missing"), nullptr);

  Register();
  Register();
  const PalettePage* samples = Palette().Page("Samples");
  ASSERT_NE(samples, nullptr);
  EXPECT_EQ(std::count(samples->classes.begin(), samples->classes.end(), &PelkgraphClass()), 1);
  EXPECT_EQ(ClassRegistry().Find("tpelkgraph"), &PelkgraphClass());
}

TEST(Palette, BitmapResourceIsA24By24FourBitBottomUpDib) {
  const auto resource = FindResource("bitmap", "TPelkGraph");
  ASSERT_TRUE(resource.has_value());
  EXPECT_EQ(resource->language, 1033);
  const std::span<const std::uint8_t> dib = resource->bytes;
  ASSERT_EQ(dib.size(), 40u + 16 * 4 + 12 * 24);
  struct Field {
    std::size_t at;
    int bytes;
    std::uint32_t value;
    const char* what;
  };
  const Field fields[] = {
      {0, 4, 40, "header size"},  {4, 4, 24, "width"},        {8, 4, 24, "height, positive: bottom-up"},
      {12, 2, 1, "planes"},       {14, 2, 4, "bits per pixel"}, {16, 4, 0, "uncompressed"},
      {20, 4, 288, "image bytes"}, {32, 4, 16, "colours used"},
  };
  for (const Field& f : fields) EXPECT_EQ(Le(dib, f.at, f.bytes), f.value) << f.what;
  // The colour table as B, G, R, 0 (0x00RRGGBB read little-endian): black
  // first, silver at 7, gray at 8, red at 9, blue at 12, white last.
  const std::pair<int, std::uint32_t> colors[] = {
      {0, 0x000000}, {7, 0xC0C0C0}, {8, 0x808080}, {9, 0xFF0000}, {12, 0x0000FF}, {15, 0xFFFFFF}};
  for (const auto& [index, rgb] : colors) EXPECT_EQ(Le(dib, 40 + static_cast<std::size_t>(index) * 4, 4), rgb) << index;
  EXPECT_FALSE(FindResource("BITMAP", "TNOSUCH").has_value());

  TBitmap bitmap;
  LoadBitmapResource(bitmap, "TPELKGRAPH");
  ASSERT_EQ(bitmap.Width(), 24);
  ASSERT_EQ(bitmap.Height(), 24);
  const Surface& pixels = bitmap.Pixels();
  EXPECT_EQ(pixels.Row(0)[0], clWhite);    // the frame's light top edge
  EXPECT_EQ(pixels.Row(23)[23], clGray);   // and its dark bottom edge
  EXPECT_EQ(pixels.Row(18)[10], clBlack);  // the X axis
  int red = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) red += pixels.Row(y)[x] == clRed;
  }
  EXPECT_GT(red, 10);  // the curve
  EXPECT_THROW(LoadBitmapResource(bitmap, "TNOSUCH"), EReadError);
  EXPECT_EQ(BitmapResourceFile("TPELKGRAPH").size(), 14 + dib.size());
}

TEST(Palette, IndexedBmpImagesDecode) {
  struct Case {
    int bits;
    std::vector<std::uint8_t> bottomRow;  // the file's first row
    std::vector<std::uint32_t> pixels;    // left to right; colour i + 1 in blue
  };
  const Case cases[] = {
      {1, {0b10100000}, {0x020000, 0x010000, 0x020000}},
      {4, {0x01, 0xF0}, {0x010000, 0x020000, 0x100000}},
      {8, {0x00, 0x05, 0xFF}, {0x010000, 0x060000, 0x000000}},  // beyond the table: black
  };
  for (const Case& c : cases) {
    const std::uint32_t colors = c.bits == 8 ? 16 : 1u << c.bits;
    const Surface image = DecodeBmp(IndexedBmp(3, 2, c.bits, colors, {c.bottomRow, {}}));
    ASSERT_EQ(image.Width(), 3);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.Row(1)[x], c.pixels[static_cast<std::size_t>(x)]) << c.bits << " bits";
  }
  EXPECT_THROW(DecodeBmp(IndexedBmp(3, 2, 4, 17, {})), ImageFormatError);  // more colours than indices
  std::vector<std::uint8_t> truncated = IndexedBmp(3, 2, 4, 16, {});
  truncated.resize(60);
  EXPECT_THROW(DecodeBmp(truncated), ImageFormatError);
}
