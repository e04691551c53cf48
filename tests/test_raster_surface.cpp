// Surface: zeroed content, pooled storage, resizing and size limits.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "platform/Errors.h"
#include "platform/Surface.h"

namespace pelk {
namespace {

bool AllPixelsAre(const Surface& s, std::uint32_t value) {
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Get(x, y) != value) return false;
  return true;
}

TEST(RasterSurface, ReusedStorageReadsAsZeroUnlessFilledWhole) {
  for (int round = 0; round < 3; ++round) {
    {
      Surface dirty(300, 200);
      dirty.Fill(0xABCDEF);
    }
    Surface reused(300, 200);  // likely the storage just freed
    EXPECT_TRUE(AllPixelsAre(reused, 0));
    {
      Surface dirty(300, 200);
      dirty.Fill(0x123456);
    }
    Surface filled(300, 200);
    filled.Fill(0x00FF00);
    EXPECT_TRUE(AllPixelsAre(filled, 0x00FF00));
    {
      Surface dirty(299, 199);
      dirty.Fill(0x777777);
    }
    Surface resized(10, 10);
    resized.Resize(299, 198);
    EXPECT_TRUE(AllPixelsAre(resized, 0));
  }
}

TEST(RasterSurface, ResizeKeepsTheTopLeftAndZeroesNewPixels) {
  struct Case {
    int w, h;
  };
  for (Case c : {Case{5, 3}, Case{9, 3}, Case{5, 8}, Case{2, 7}, Case{8, 2}, Case{0, 4}, Case{-3, -1}}) {
    {
      Surface junk(64, 64);
      junk.Fill(0xEEEEEE);
    }
    Surface s(5, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) s.Set(x, y, 0x10 * y + x + 1);
    s.Resize(c.w, c.h);
    EXPECT_EQ(s.Width(), std::max(c.w, 0));
    EXPECT_EQ(s.Height(), std::max(c.h, 0));
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) {
        const std::uint32_t expected = x < 5 && y < 3 ? 0x10 * y + x + 1 : 0;
        EXPECT_EQ(s.Get(x, y), expected) << c.w << "x" << c.h << " at " << x << "," << y;
      }
  }
}

TEST(RasterSurface, SizesOutOfRangeAreRefusedOrEmpty) {
  Surface negative(-5, 10);
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_EQ(negative.Height(), 10);
  EXPECT_THROW(Surface(1 << 15, 1 << 14), EPlatformError);
  EXPECT_THROW(Surface(2147483647, 2147483647), EPlatformError);
  Surface s(4, 4);
  s.Fill(7);
  EXPECT_THROW(s.Resize(1 << 20, 1 << 20), EPlatformError);
  EXPECT_EQ(s.Width(), 4);
  EXPECT_TRUE(AllPixelsAre(s, 7));
  Surface moved(std::move(s));
  EXPECT_EQ(s.Width(), 0);
  EXPECT_EQ(moved.Get(3, 3), 7u);
  s = std::move(moved);
  EXPECT_EQ(s.Get(0, 0), 7u);
  EXPECT_EQ(moved.Height(), 0);
}

}  // namespace
}  // namespace pelk
