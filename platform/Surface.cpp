#include "platform/Surface.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/Errors.h"
#include "platform/StateGeneration.h"

namespace pelk {

namespace {

using Storage = std::vector<std::uint32_t>;

// Largest surface accepted: 2^28 pixels (1 GiB).
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

std::size_t PixelCount(int width, int height) {
  const std::uint64_t n = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (n > kMaxPixels) {
    throw EPlatformError("surface of " + std::to_string(width) + " x " +
                            std::to_string(height) + " pixels is too large");
  }
  return static_cast<std::size_t>(n);
}

// Pixel storage of freed surfaces, kept for the next surfaces of similar size.
// Like the rest of the platform it belongs to the user-interface thread.
class StoragePool {
 public:
  // Storage of exactly n pixels; `reused` tells whether it came from the pool
  // (content undefined) rather than fresh (zeroed).
  Storage Take(std::size_t n, bool& reused) {
    reused = false;
    if (n == 0) return {};
    // The smallest entry that fits without wasting more than half of it;
    // shrinking a vector does not touch its elements.
    auto best = entries_.end();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->size() >= n && it->size() / 2 <= n && (best == entries_.end() || it->size() < best->size())) {
        best = it;
      }
    }
    if (best == entries_.end()) return Storage(n);
    Storage s = std::move(*best);
    pooledPixels_ -= s.capacity();
    entries_.erase(best);
    s.resize(n);
    reused = true;
    return s;
  }

  void Give(Storage&& s) {
    const std::size_t size = s.capacity();
    if (s.empty() || size > kMaxPooledPixels) return;
    while (!entries_.empty() && (entries_.size() >= kMaxEntries || pooledPixels_ + size > kMaxPooledPixels)) {
      pooledPixels_ -= entries_.front().capacity();
      entries_.erase(entries_.begin());
    }
    pooledPixels_ += size;
    entries_.push_back(std::move(s));
  }

 private:
  static constexpr std::size_t kMaxEntries = 4;
  static constexpr std::size_t kMaxPooledPixels = std::size_t{1} << 25;  // 128 MiB

  std::vector<Storage> entries_;  // oldest first
  std::size_t pooledPixels_ = 0;
};

// Never destroyed, so surfaces freed during program exit can still use it.
StoragePool& Pool() {
  static StoragePool* pool = new StoragePool;
  return *pool;
}

}  // namespace

Surface::Surface(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  bool reused = false;
  pixels_ = Pool().Take(PixelCount(width, height), reused);
  width_ = width;
  height_ = height;
  undefined_ = reused;
}

Surface::~Surface() { Release(); }

Surface::Surface(Surface&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      undefined_(std::exchange(other.undefined_, false)) {
  other.pixels_.clear();
  DrawingStateChanged();  // other lost its storage
}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    Release();
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
    undefined_ = std::exchange(other.undefined_, false);
  }
  return *this;
}

void Surface::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  DrawingStateChanged();
  const std::size_t n = PixelCount(width, height);
  if (undefined_ || pixels_.empty() || n == 0) {
    // Nothing to keep: the old content is all zero or there is none.
    Surface fresh(width, height);
    *this = std::move(fresh);
    return;
  }
  if (width == width_) {
    // Rows stay where they are; vector growth zeroes the new ones.
    pixels_.resize(n);
    height_ = height;
    return;
  }
  bool reused = false;
  Storage next = Pool().Take(n, reused);
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = next.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    int kept = 0;
    if (y < keepHeight) {
      std::copy_n(pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
                  keepWidth, row);
      kept = keepWidth;
    }
    if (reused) std::fill(row + kept, row + width, 0u);
  }
  Pool().Give(std::move(pixels_));
  pixels_ = std::move(next);
  width_ = width;
  height_ = height;
}

void Surface::Fill(std::uint32_t rgb) {
  std::fill(pixels_.begin(), pixels_.end(), rgb);
  undefined_ = false;
}

void Surface::FillAround(const TRect& hole, std::uint32_t rgb) {
  const int left = std::clamp(hole.Left, 0, width_), right = std::clamp(hole.Right, 0, width_);
  const int top = std::clamp(hole.Top, 0, height_), bottom = std::clamp(hole.Bottom, 0, height_);
  if (left >= right || top >= bottom) {
    Fill(rgb);
    return;
  }
  const auto rowStart = [&](int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; };
  // Whole rows above and below the hole are each one stretch of memory; so is
  // the part right of the hole on one row together with the part left of it
  // on the next.
  std::fill(rowStart(0), rowStart(top) + left, rgb);
  for (int y = top; y + 1 < bottom; ++y) std::fill(rowStart(y) + right, rowStart(y + 1) + left, rgb);
  std::fill(rowStart(bottom - 1) + right, rowStart(height_), rgb);
  undefined_ = false;
}

void Surface::ZeroStorage() const {
  std::fill(pixels_.begin(), pixels_.end(), 0u);
  undefined_ = false;
}

void Surface::Release() {
  DrawingStateChanged();
  Pool().Give(std::move(pixels_));
  pixels_ = Storage();
  width_ = 0;
  height_ = 0;
  undefined_ = false;
}

}  // namespace pelk
