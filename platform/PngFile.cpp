// PNG writing through libpng's full interface, which lets the caller choose
// the zlib level, strategy and row filters: an image of at most 256 colours
// as palette indices, any other as RGB rows converted one at a time.
#include <png.h>
#include <zlib.h>

#include <array>
#include <csetjmp>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <utility>

#include "platform/ImageFiles.h"

namespace pelk {

const PngCompression kPalettePng{1, Z_RLE, PNG_FILTER_UP, true};
const PngCompression kRgbPng{4, Z_DEFAULT_STRATEGY, PNG_FILTER_UP, false};

namespace {

// Where libpng's output and its error message go. No exception may cross
// libpng, so the message is kept in a fixed buffer.
struct PngSink {
  std::vector<std::uint8_t> bytes;
  char error[128] = {};
};

// Running out of memory becomes libpng's error, raised outside the handler.
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  bool stored = true;
  try {
    sink->bytes.insert(sink->bytes.end(), data, data + length);
  } catch (const std::bad_alloc&) {
    stored = false;
  }
  if (!stored) png_error(png, "no memory for the encoded image");
}

void NoFlush(png_structp) {}

[[noreturn]] void Fail(png_structp png, png_const_charp message) {
  auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
  std::strncpy(sink->error, message, sizeof sink->error - 1);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// The image as palette indices, when it has at most 256 colours.
struct Indexed {
  std::vector<png_color> palette;
  std::vector<png_byte> indices;  // a byte per pixel, rows one after another
};

// Pixels mostly repeat their left neighbour, so the last colour is kept at
// hand; the others are found in a small open-addressed table.
std::optional<Indexed> ToPalette(const Surface& image) {
  constexpr std::size_t kSlots = 1024;  // a power of two, well above 256
  std::array<std::uint32_t, kSlots> keys;
  std::array<png_byte, kSlots> values{};
  keys.fill(0xFFFFFFFFu);  // no pixel has the high byte set
  Indexed out;
  out.indices.resize(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()));
  png_byte* index = out.indices.data();
  std::uint32_t last = 0xFFFFFFFFu;
  png_byte lastIndex = 0;
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint32_t* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint32_t rgb = row[x] & 0xFFFFFF;
      if (rgb != last) {
        std::size_t slot = (rgb * 0x9E3779B1u) >> 22;  // the top 10 bits of a multiplicative hash
        while (keys[slot] != rgb && keys[slot] != 0xFFFFFFFFu) slot = (slot + 1) & (kSlots - 1);
        if (keys[slot] != rgb) {
          if (out.palette.size() == 256) return std::nullopt;
          keys[slot] = rgb;
          values[slot] = static_cast<png_byte>(out.palette.size());
          out.palette.push_back(png_color{static_cast<png_byte>(rgb), static_cast<png_byte>(rgb >> 8),
                                          static_cast<png_byte>(rgb >> 16)});
        }
        last = rgb;
        lastIndex = values[slot];
      }
      *index++ = lastIndex;
    }
  }
  return out;
}

// An RGB row of the image; each pixel's four bytes (R, G, B, 0) are stored
// whole and the next pixel overwrites the zero, so out needs one spare byte.
void RgbRow(const std::uint32_t* row, int width, png_bytep out) {
  for (int x = 0; x < width; ++x, out += 3) std::memcpy(out, &row[x], 4);
}

// The libpng calls between setjmp and the end; nothing here owns a resource
// that a longjmp out of libpng would skip. False when libpng failed.
bool WritePng(png_structp png, png_infop info, PngSink& sink, const Surface& image,
              const PngCompression& compression, const Indexed* indexed, png_bytep rowBuffer) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &sink, AppendBytes, NoFlush);
  const auto width = static_cast<png_uint_32>(image.Width());
  const auto height = static_cast<png_uint_32>(image.Height());
  png_set_IHDR(png, info, width, height, 8, indexed != nullptr ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (indexed != nullptr) {
    png_set_PLTE(png, info, indexed->palette.data(), static_cast<int>(indexed->palette.size()));
  }
  png_set_compression_level(png, compression.level);
  png_set_compression_strategy(png, compression.strategy);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, compression.filters);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < height; ++y) {
    if (indexed != nullptr) {
      png_write_row(png, indexed->indices.data() + static_cast<std::size_t>(y) * width);
    } else {
      RgbRow(image.Row(static_cast<int>(y)), image.Width(), rowBuffer);
      png_write_row(png, rowBuffer);
    }
  }
  png_write_end(png, info);
  return true;
}

std::vector<std::uint8_t> Encode(const Surface& image, const PngCompression& compression, const Indexed* indexed) {
  PngSink sink;
  // Graphs compress well; a tenth of the raw size is room for most.
  sink.bytes.reserve(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()) * 3 / 10 +
                     1024);
  std::vector<png_byte> rowBuffer(static_cast<std::size_t>(image.Width()) * 3 + 1);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, Fail, IgnoreWarning);
  if (png == nullptr) throw ImageFormatError("PNG encoding failed: libpng could not start");
  png_infop info = png_create_info_struct(png);
  const bool written = info != nullptr && WritePng(png, info, sink, image, compression, indexed, rowBuffer.data());
  png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
  if (!written) {
    throw ImageFormatError(std::string("PNG encoding failed: ") + (sink.error[0] != '\0' ? sink.error : "no memory"));
  }
  return std::move(sink.bytes);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Surface& image) {
  const std::optional<Indexed> indexed = ToPalette(image);
  return indexed ? Encode(image, kPalettePng, &*indexed) : Encode(image, kRgbPng, nullptr);
}

std::vector<std::uint8_t> EncodePng(const Surface& image, const PngCompression& compression) {
  const std::optional<Indexed> indexed = compression.palette ? ToPalette(image) : std::nullopt;
  return Encode(image, compression, indexed ? &*indexed : nullptr);
}

}  // namespace pelk
