// A 32-bit pixel surface. Pixels hold RGB colours as 0x00BBGGRR.
//
// A surface's content is zero after creation or growth. Storage of freed
// surfaces is pooled and reused; the zeroing of reused storage is deferred
// until the first access that is not a fill of the whole surface, so that a
// surface which is immediately filled costs one pass, not two.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace pelk {

/// A 32-bit pixel surface; each pixel holds an RGB colour as 0x00BBGGRR.
class Surface {
 public:
  Surface() = default;
  /// A surface of the size, every pixel 0 (black).
  Surface(int width, int height);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  /// Takes the pixels of other, which is left empty.
  Surface(Surface&& other) noexcept;
  /// Takes the pixels of other, which is left empty.
  Surface& operator=(Surface&& other) noexcept;

  /// The width in pixels.
  int Width() const { return width_; }
  /// The height in pixels.
  int Height() const { return height_; }
  /// The rectangle (0, 0, Width, Height).
  TRect Bounds() const { return TRect{0, 0, width_, height_}; }

  /// Changes the size; the overlapping top-left part keeps its pixels, new
  /// pixels are 0. Negative sizes count as 0; more than 2^28 pixels throws
  /// EPlatformError naming the size.
  void Resize(int width, int height);

  /// Whole-surface fill; the cheap path for a fresh surface.
  void Fill(std::uint32_t rgb);
  // Fills every pixel outside hole and leaves the pixels inside as they are,
  // in one pass. Storage taken from the pool holds an earlier surface's
  // pixels there rather than zero: the caller paints the hole itself.
  void FillAround(const TRect& hole, std::uint32_t rgb);

  /// Pixel access. Row pointers are valid until the next Resize.
  std::uint32_t* Row(int y) {
    Define();
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  /// Row y's pixels, read-only.
  const std::uint32_t* Row(int y) const {
    Define();
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  /// The pixel at (x, y), which must lie inside.
  std::uint32_t Get(int x, int y) const { return Row(y)[x]; }
  /// Sets the pixel at (x, y), which must lie inside.
  void Set(int x, int y, std::uint32_t rgb) { Row(y)[x] = rgb; }
  /// Whether (x, y) lies on the surface.
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

 private:
  void Define() const {
    if (undefined_) ZeroStorage();
  }
  void ZeroStorage() const;
  void Release();

  int width_ = 0;
  int height_ = 0;
  mutable std::vector<std::uint32_t> pixels_;
  mutable bool undefined_ = false;  // storage came from the pool and is not zeroed yet
};

}  // namespace pelk
