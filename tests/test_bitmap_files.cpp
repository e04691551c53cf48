// TBitmap files: BMP and PNG writing, BMP reading, failures and monochrome.
#include <gtest/gtest.h>
#include <png.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <pelkgraph/pelkgraph.h>

#include "TempDirTest.h"

namespace pelk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using BitmapFiles = TempDirTest;

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

// A w x h image with distinct pixels.
void Pattern(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Pixels().Set(x, y, 0x010203u * static_cast<std::uint32_t>(x + 7 * y) ^ 0x40A0F0u);
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.Pixels().Get(x, y) & 0xFFFFFF) != b.Pixels().Get(x, y)) return false;
  return true;
}

TEST_F(BitmapFiles, BmpRoundTripsPixelForPixel) {
  TBitmap original;
  Pattern(original, 5, 3);  // 15 bytes of pixels per row, padded to 16
  const std::string path = PathOf("a.bmp");
  original.SaveToFile(path);
  const Bytes file = ReadBytes(path);
  ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(file[28], 24);  // bits per pixel
  // Bottom-up: the first stored row is the image's last, as B, G, R.
  const std::uint32_t last = original.Pixels().Get(0, 2);
  EXPECT_EQ(file[54], (last >> 16) & 0xFF);
  EXPECT_EQ(file[55], (last >> 8) & 0xFF);
  EXPECT_EQ(file[56], last & 0xFF);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_TRUE(SamePixels(original, loaded));
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.bmp"});
}

TEST_F(BitmapFiles, TopDownAnd32BitBmpsAreRead) {
  TBitmap original;
  Pattern(original, 3, 2);
  const std::string path = PathOf("b.bmp");
  // 32 bits per pixel, top-down, with an unused fourth byte.
  Bytes file(54 + 3 * 2 * 4, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<std::uint32_t>(file.size()));
  Put32(file, 10, 54);
  Put32(file, 14, 40);
  Put32(file, 18, 3);
  Put32(file, 22, static_cast<std::uint32_t>(-2));
  file[26] = 1;
  file[28] = 32;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const std::uint32_t p = original.Pixels().Get(x, y);
      std::uint8_t* q = &file[54 + (y * 3 + x) * 4];
      q[0] = static_cast<std::uint8_t>(p >> 16);
      q[1] = static_cast<std::uint8_t>(p >> 8);
      q[2] = static_cast<std::uint8_t>(p);
      q[3] = 0xFF;
    }
  WriteBytes(path, file);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_TRUE(SamePixels(original, loaded));
}

// An image whose pixel (x, y) takes the (x + w * y) % n-th of n distinct
// colours; the byte above the colour holds garbage, which files leave out.
void Colours(TBitmap& b, int w, int h, int n) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const auto k = static_cast<std::uint32_t>((x + w * y) % n);
      b.Pixels().Set(x, y, (k * 0x010101u ^ 0x0000FFu) | (k % 3) << 24);
    }
}

// 8-bit PNGs of the image's pixels: with a palette (colour type 3) up to
// 256 colours, as RGB (colour type 2) beyond.
TEST_F(BitmapFiles, PngHoldsThePixelsWithAPaletteUpTo256Colours) {
  struct Case {
    const char* what;
    int width, height, colours;
    int colourType;
  };
  const Case cases[] = {
      {"one pixel", 1, 1, 1, 3},      {"one colour", 5, 3, 1, 3},         {"28 colours", 7, 4, 28, 3},
      {"256 colours", 32, 9, 256, 3}, {"257 colours", 32, 9, 257, 2},    {"a colour per pixel", 300, 200, 60000, 2},
      {"a wide row", 4000, 1, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TBitmap original;
    Colours(original, c.width, c.height, c.colours);
    const std::string path = PathOf("c.png");
    original.SaveToPngFile(path);
    const Bytes file = ReadBytes(path);
    ASSERT_GE(file.size(), 26u);
    EXPECT_EQ(png_sig_cmp(file.data(), 0, 8), 0);
    EXPECT_EQ(file[24], 8) << "bit depth";
    EXPECT_EQ(file[25], c.colourType) << "colour type";
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, static_cast<png_uint_32>(c.width));
    EXPECT_EQ(image.height, static_cast<png_uint_32>(c.height));
    image.format = PNG_FORMAT_RGB;
    Bytes rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const std::uint32_t p = original.Pixels().Get(x, y);
        const std::uint8_t* q = &rgb[(static_cast<std::size_t>(y) * c.width + x) * 3];
        ASSERT_EQ(q[0] | q[1] << 8 | q[2] << 16, static_cast<int>(p & 0xFFFFFF)) << x << "," << y;
      }
  }
}

TEST_F(BitmapFiles, FailedSavesLeaveExistingFilesAndNoTemporaries) {
  TBitmap image;
  Pattern(image, 300, 200);
  const std::string missing = PathOf("no-such-dir/x.bmp");
  try {
    image.SaveToFile(missing);
    FAIL() << "saved into a missing directory";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Path(), missing);
    EXPECT_NE(std::string(e.what()).find(std::strerror(ENOENT)), std::string::npos) << e.what();
  }
  EXPECT_THROW(image.SaveToPngFile(missing), EFileError);

  const std::string existing = PathOf("keep.bmp");
  const Bytes before = {'o', 'l', 'd'};
  WriteBytes(existing, before);
  TBitmap empty;
  EXPECT_THROW(empty.SaveToFile(existing), EFileError);
  EXPECT_THROW(empty.SaveToPngFile(existing), EFileError);

  // A file size limit makes the write itself fail half way.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(image.SaveToFile(existing), EFileError);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(ReadBytes(existing), before);
  EXPECT_EQ(Entries(), std::vector<std::string>{"keep.bmp"});
}

TEST_F(BitmapFiles, MalformedBmpsAreRejectedAndLeaveTheBitmapUnchanged) {
  TBitmap source;
  Pattern(source, 4, 3);
  const std::string good = PathOf("good.bmp");
  source.SaveToFile(good);
  const Bytes valid = ReadBytes(good);

  struct Case {
    const char* name;
    Bytes bytes;
  };
  // The valid file with 32-bit fields overwritten.
  auto with = [&](std::vector<std::pair<std::size_t, std::uint32_t>> patches) {
    Bytes b = valid;
    for (auto [at, v] : patches) Put32(b, at, v);
    return b;
  };
  auto cut = [&](std::size_t n) { return Bytes(valid.begin(), valid.begin() + static_cast<long>(n)); };
  const std::vector<Case> cases = {
      {"empty", {}},
      {"file header only", cut(14)},
      {"info header cut", cut(53)},
      {"pixels cut", cut(valid.size() - 1)},
      {"signature", with({{0, 0x4C43}})},
      {"info header size", with({{14, 12}})},
      {"info header beyond the file", with({{14, 0x7FFFFFFF}})},
      {"zero width", with({{18, 0}})},
      {"negative width", with({{18, static_cast<std::uint32_t>(-4)}})},
      {"zero height", with({{22, 0}})},
      {"most negative height", with({{22, 0x80000000u}})},
      {"absurd width", with({{18, 1000000000}})},
      {"absurd area", with({{18, 60000}, {22, 60000}})},
      {"planes", with({{26, 2 | 24u << 16}})},
      {"8 bits", with({{26, 1 | 8u << 16}})},
      {"compressed", with({{30, 1}})},
      {"bitfields with odd masks", with({{28, 32 | 3u << 16}})},
      {"pixel offset beyond the file", with({{10, 0xFFFFFFF0u}})},
      {"pixel offset inside the headers", with({{10, 20}})},
  };
  const std::string path = PathOf("bad.bmp");
  for (const Case& c : cases) {
    const Bytes& bytes = c.bytes;
    WriteBytes(path, bytes);
    TBitmap target;
    Pattern(target, 2, 2);
    const std::uint32_t pixel = target.Pixels().Get(1, 1);
    try {
      target.LoadFromFile(path);
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Path(), path) << c.name;
    }
    EXPECT_EQ(target.Width(), 2) << c.name;
    EXPECT_EQ(target.Pixels().Get(1, 1), pixel) << c.name;
  }
  TBitmap target;
  EXPECT_THROW(target.LoadFromFile(PathOf("absent.bmp")), EFileError);
  EXPECT_THROW(target.LoadFromFile(dir_.string()), EFileError);
}

TEST(BitmapMonochrome, WhiteStaysWhiteAndEverythingElseTurnsBlack) {
  TBitmap b;
  b.SetSize(4, 1);
  const std::uint32_t in[4] = {0xFFFFFF, 0xFEFFFF, 0x000080, 0};
  for (int x = 0; x < 4; ++x) b.Pixels().Set(x, 0, in[x]);
  b.SetMonochrome(true);
  EXPECT_TRUE(b.Monochrome());
  const std::uint32_t out[4] = {0xFFFFFF, 0, 0, 0};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixels().Get(x, 0), out[x]);
}

}  // namespace
}  // namespace pelk
